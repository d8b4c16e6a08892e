#include "toolsupport.h"

#include "platform/system.h"
#include "shell/folders.h"
#include "shell/settings.h"
#include "shell/settingsstore.h"

#include <cstdio>

namespace bw::tool {

void PrintErr(const QString& text) {
    std::fputs(text.toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
}

void StderrPrompter::ShowInfo(const QString& t) {
    PrintErr(QStringLiteral("Information: ") + t);
}
void StderrPrompter::ShowWarning(const QString& t) {
    PrintErr(QStringLiteral("Warnung: ") + t);
}
void StderrPrompter::ShowError(const QString& t) {
    PrintErr(QStringLiteral("Fehler: ") + t);
}

bool StderrPrompter::AskYesNo(const QString& t) {
    PrintErr(QStringLiteral("Frage: ") + t + QStringLiteral(" -> Ja"));
    return true;
}

YesNoCancel StderrPrompter::AskYesNoCancel(const QString& t) {
    PrintErr(QStringLiteral("Frage: ") + t + QStringLiteral(" -> Ja"));
    return YesNoCancel::Yes;
}

// Applies NAME=VALUE with the stored value's own type and range; false with a message.
bool ApplySetting(Settings& s, const QString& assignment, QString& message) {
    const qsizetype eq = assignment.indexOf(u'=');
    if (eq <= 0) {
        message = QStringLiteral("--set erwartet NAME=WERT: ") + assignment;
        return false;
    }
    const QString name = assignment.left(eq);
    const QString text = assignment.mid(eq + 1);
    for (const NamedSettingValue& v : StoredSettingValues(s)) {
        if (v.name.compare(name, Qt::CaseInsensitive) != 0) continue;
        bool ok = true;
        SettingsStore::Value wanted;
        if (std::holds_alternative<bool>(v.value)) {
            const int b = text.toInt(&ok);
            ok = ok && (b == 0 || b == 1);
            wanted = b == 1;
        } else if (std::holds_alternative<int>(v.value)) {
            wanted = text.toInt(&ok);
        } else if (std::holds_alternative<double>(v.value)) {
            wanted = text.toDouble(&ok);
        } else {
            wanted = text;
        }
        if (ok) {
            SettingsStore store(QString{});
            std::visit(
                [&](const auto& x) {
                    using T = std::decay_t<decltype(x)>;
                    if constexpr (std::is_same_v<T, bool>)
                        store.WriteBool(v.name, x);
                    else if constexpr (std::is_same_v<T, int>)
                        store.WriteInt(v.name, x);
                    else if constexpr (std::is_same_v<T, double>)
                        store.WriteDouble(v.name, x);
                    else
                        store.WriteString(v.name, x);
                },
                wanted);
            ReadStoredSettings(s, store);
            // The settings refuse values out of range by keeping the old one.
            for (const NamedSettingValue& after : StoredSettingValues(s))
                if (after.name == v.name) ok = after.value == wanted;
        }
        if (!ok)
            message =
                QStringLiteral("unbrauchbarer Wert für ") + v.name + QStringLiteral(": ") + text;
        return ok;
    }
    message = QStringLiteral("unbekannte Einstellung: ") + name;
    return false;
}

bool LoadToolSettings(Settings& settings, const QStringList& sets) {
    settings = DefaultSettings(DefaultFolders(ExecutableFolder()));
    SettingsStore userStore;
    userStore.Load();
    ReadStoredSettings(settings, userStore);
    LoadCentralSettings(settings, settings.ConfigDatei);
    for (const QString& s : sets) {
        QString message;
        if (!ApplySetting(settings, s, message)) {
            PrintErr(message);
            return false;
        }
    }
    return true;
}

} // namespace bw::tool
