// settings [--program-folder DIR]: the settings in force as JSON.
// topics FOLDER: the topic list of a folder in menu order.

#include "commands.h"

#include "platform/system.h"
#include "shell/folders.h"
#include "shell/settings.h"
#include "shell/settingsstore.h"
#include "shell/topiclist.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>
#include <cmath>
#include <cstdio>

namespace bw::tool {

namespace {

QByteArray JsonString(const QString& s) {
    const QByteArray a = QJsonDocument(QJsonArray{s}).toJson(QJsonDocument::Compact);
    return a.mid(1, a.size() - 2);
}

QByteArray JsonValue(const std::variant<bool, int, QString, double>& v) {
    if (const bool* b = std::get_if<bool>(&v)) return *b ? "true" : "false";
    if (const int* i = std::get_if<int>(&v)) return QByteArray::number(*i);
    if (const double* d = std::get_if<double>(&v))
        return std::isfinite(*d) ? QByteArray::number(*d, 'g', QLocale::FloatingPointShortest)
                                 : QByteArray("null");
    return JsonString(std::get<QString>(v));
}

// Passwords are shown as set or not: this output ends up on projected screens and in
// support mails.
QString Masked(const QString& secret) {
    return secret.isEmpty() ? QString() : QStringLiteral("********");
}

void Print(const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, bytes.size(), stdout);
}

} // namespace

int RunSettings(const QStringList& args) {
    QString programFolder = ExecutableFolder();
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--program-folder") && i + 1 < args.size()) {
            programFolder = QFileInfo(args[++i]).absoluteFilePath();
        } else {
            std::fprintf(stderr, "usage: brettwerk-tool settings [--program-folder DIR]\n");
            return 2;
        }
    }
    Settings s = DefaultSettings(DefaultFolders(programFolder));
    SettingsStore store;
    if (store.Load() == SettingsStore::LoadStatus::Damaged)
        std::fprintf(stderr, "%s: beschädigt, Voreinstellungen verwendet\n",
                     qPrintable(store.path()));
    // No installation id is made up here: the program makes and stores one at its start.
    ReadStoredSettings(s, store);
    const CentralSettingsResult central = LoadCentralSettings(s, s.ConfigDatei);
    std::fprintf(stderr, "%s: %s\n", qPrintable(s.ConfigDatei),
                 !central.read ? "nicht verwendet"
                 : central.applied.isEmpty()
                     ? "keine Gruppe zentral festgelegt"
                     : qPrintable(QStringLiteral("zentral festgelegt: ") +
                                  central.applied.join(QStringLiteral(", "))));
    for (const QString& p : central.problems)
        std::fprintf(stderr, "%s\n", qPrintable(p));

    QByteArray out = "{\n";
    for (NamedSettingValue v : StoredSettingValues(s)) {
        // The exchange's access code opens the account as the password does.
        if (v.name == QLatin1String("TB-Kennwort") || v.name == QLatin1String("TB-Zugangscode"))
            v.value = Masked(std::get<QString>(v.value));
        out += "  " + JsonString(v.name) + ": " + JsonValue(v.value) + ",\n";
    }
    out += "  \"Proxy\": {\n";
    out += "    \"ProxyDefZentral\": " + JsonValue(s.ProxyDefZentral) + ",\n";
    out += "    \"ProxyServer\": " + JsonString(s.ProxyServer) + ",\n";
    out += "    \"ProxyPort\": " + JsonValue(s.ProxyPort) + ",\n";
    out += "    \"ProxyBenutzer\": " + JsonString(s.ProxyBenutzer) + ",\n";
    out += "    \"ProxyPasswort\": " + JsonString(Masked(s.ProxyPasswort)) + "\n";
    out += "  }\n}\n";
    Print(out);
    return 0;
}

int RunTopics(const QStringList& args) {
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: brettwerk-tool topics FOLDER\n");
        return 2;
    }
    if (!QFileInfo(args[0]).isDir()) {
        std::fprintf(stderr, "%s: kein Ordner\n", qPrintable(args[0]));
        return 1;
    }
    const std::vector<ThemenDataTyp> list = ReadTopicList(args[0]);
    QByteArray out;
    for (int i = 0; i < int(list.size()); ++i) {
        out += QByteArray::number(i) + '\t' + TopicTitle(list[i]).toUtf8() + '\t' +
               QDir::toNativeSeparators(list[i].Pfad).toUtf8() + '\n';
    }
    Print(out);
    return 0;
}

} // namespace bw::tool
