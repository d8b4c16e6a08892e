// exercise FILE [--set NAME=VALUE]... [--seed N] [--name TEXT] [--repeat 0|1]:
// an individual exercise driven by moves on standard input, the run as JSON on stdout.

#include "commands.h"

#include "common/messages.h"
#include "document/docfile.h"
#include "exercise/exercisedriver.h"
#include "platform/prompter.h"
#include "platform/system.h"
#include "shell/folders.h"
#include "shell/settings.h"
#include "shell/settingsstore.h"
#include "view/learnview.h"

#include <QFile>
#include <QTextStream>
#include <cstdio>

namespace bw::tool {

namespace {

// The exercise panel of the program's window at its start size.
const QSize kPanelSize(870, 690);

void PrintErr(const QString& text) {
    std::fputs(text.toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
}

int Usage() {
    PrintErr(QStringLiteral("usage: brettwerk-tool exercise FILE [--set NAME=VALUE]... "
                            "[--seed N] [--name TEXT] [--repeat 0|1]"));
    return 2;
}

// Messages go to stderr; a question is answered Yes, as a learner who moved on would.
class StderrPrompter final : public Prompter {
public:
    void ShowInfo(const QString& t) override { PrintErr(QStringLiteral("Information: ") + t); }
    void ShowWarning(const QString& t) override { PrintErr(QStringLiteral("Warnung: ") + t); }
    void ShowError(const QString& t) override { PrintErr(QStringLiteral("Fehler: ") + t); }
    bool AskYesNo(const QString& t) override {
        PrintErr(QStringLiteral("Frage: ") + t + QStringLiteral(" -> Ja"));
        return true;
    }
    YesNoCancel AskYesNoCancel(const QString& t) override {
        PrintErr(QStringLiteral("Frage: ") + t + QStringLiteral(" -> Ja"));
        return YesNoCancel::Yes;
    }
    bool AskWarningYesNo(const QString& t) override { return AskYesNo(t); }
    QString GetOpenFileName(const QString&, const QString&, const QString&,
                            const QString&) override {
        return {};
    }
    QString GetSaveFileName(const QString&, const QString&, const QString&, const QString&,
                            const QString&) override {
        return {};
    }
    QString GetFolder(const QString&, const QString&) override { return {}; }
};

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

} // namespace

int RunExercise(const QStringList& args) {
    QString file, name;
    QStringList sets;
    bool seeded = false;
    quint32 seed = 0;
    int repeat = 0;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--set") && i + 1 < args.size()) {
            sets << args[++i];
        } else if (a == QLatin1String("--seed") && i + 1 < args.size()) {
            bool ok = false;
            seed = args[++i].toUInt(&ok);
            if (!ok) return Usage();
            seeded = true;
        } else if (a == QLatin1String("--name") && i + 1 < args.size()) {
            name = args[++i];
        } else if (a == QLatin1String("--repeat") && i + 1 < args.size()) {
            const QString r = args[++i];
            if (r != QLatin1String("0") && r != QLatin1String("1")) return Usage();
            repeat = r.toInt();
        } else if (a.startsWith(QLatin1String("--")) || !file.isEmpty()) {
            return Usage();
        } else {
            file = a;
        }
    }
    if (file.isEmpty()) return Usage();

    Settings settings = DefaultSettings(DefaultFolders(ExecutableFolder()));
    SettingsStore userStore;
    userStore.Load();
    ReadStoredSettings(settings, userStore);
    LoadCentralSettings(settings, settings.ConfigDatei);
    for (const QString& s : std::as_const(sets)) {
        QString message;
        if (!ApplySetting(settings, s, message)) {
            PrintErr(message);
            return 2;
        }
    }

    Document doc;
    const DocResult r = ReadDocumentFile(file, doc, false);
    for (DocMessage m : r.messages)
        PrintErr(DocMessageText(m, file));
    if (!r.ok) return 1;

    StderrPrompter prompter;
    InstallPrompter(&prompter);
    LearnView view(doc);
    view.SetViewSize(kPanelSize.width(), kPanelSize.height());
    view.DocumentLoaded();

    ManualClock clock;
    QtRandomSource random = seeded ? QtRandomSource(seed) : QtRandomSource();
    HeadlessExerciseHost host(clock);
    Exercise ex(doc, view, clock, random, host);
    ex.SetPanelSize(kPanelSize);
    ex.options = settings.UebOpt;
    ex.grading = settings.GradingBoundaries();
    ex.endSettings = {settings.OptAutoProtSpeichern, settings.OptErgebBestListEintragen,
                      settings.OptProtOrdner,        settings.OptBestListOrdner,
                      settings.NetzKomOrdner,        settings.NetzKomKanal};
    const bool started = ex.StartExercise(false, 0, 0);
    if (started) ex.ueb.EnteredName = name;
    ExerciseDriver driver(ex, clock);

    // With --repeat 1 the moves first play a whole run; when it ends, the wrongly answered
    // objects are asked again and the remaining moves go to that run.
    bool repeated = repeat == 0;
    QTextStream in(stdin);
    int lineNo = 0;
    while (started && !in.atEnd()) {
        const QString line = in.readLine();
        ++lineNo;
        QString message;
        switch (driver.Apply(line, message)) {
        case ExerciseDriver::Result::Malformed:
            PrintErr(QStringLiteral("Zeile %1: %2").arg(lineNo).arg(message));
            InstallPrompter(nullptr);
            return 2;
        case ExerciseDriver::Result::Skipped:
            PrintErr(QStringLiteral("Zeile %1: %2").arg(lineNo).arg(message));
            break;
        case ExerciseDriver::Result::Done:
            break;
        }
        if (!repeated && ex.Active() && !ex.Running()) {
            repeated = true;
            if (!ex.StartExercise(false, 1, 0)) break;
            ex.ueb.EnteredName = name;
            driver.Restart();
        }
    }
    InstallPrompter(nullptr);
    const QByteArray json = ExerciseJson(ex);
    std::fwrite(json.constData(), 1, json.size(), stdout);
    return started ? 0 : 1;
}

} // namespace bw::tool
