// net-send TARGET CHANNEL [LINE]...          one message, as the program sends it
// net-listen CHANNEL [--for SECONDS]         each received message as one JSON line
// net-teacher FILE --folder DIR --channel NAME [--set NAME=VALUE]... [--for SECONDS]
//                                            initiates, listens, prints the grid, ends

#include "commands.h"
#include "toolsupport.h"

#include "common/messages.h"
#include "document/docfile.h"
#include "network/datagrams.h"
#include "network/netfiles.h"
#include "network/netteacher.h"
#include "shell/settings.h"
#include "view/learnview.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSocketNotifier>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace bw::tool {

namespace {

int signalPipe[2] = {-1, -1};

void OnSignal(int) {
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &c, 1);
}

// Runs the event loop for seconds (forever when negative) or until SIGINT or SIGTERM.
void RunFor(double seconds) {
    QEventLoop loop;
    if (signalPipe[0] < 0 && ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    QSocketNotifier notifier(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, &loop, &QEventLoop::quit);
    if (seconds >= 0)
        QTimer::singleShot(static_cast<int>(std::min(seconds, 86400.0) * 1000), &loop,
                           &QEventLoop::quit);
    loop.exec();
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
}

bool ParseSeconds(const QString& text, double& out) {
    bool ok = false;
    out = text.toDouble(&ok);
    return ok && out >= 0 && out <= 86400;
}

void PrintOut(const QString& text) {
    const QByteArray b = text.toUtf8();
    std::fwrite(b.constData(), 1, b.size(), stdout);
    std::fflush(stdout);
}

int Usage(const char* usage) {
    PrintErr(QStringLiteral("usage: brettwerk-tool ") + QLatin1String(usage));
    return 2;
}

} // namespace

int RunNetSend(const QStringList& args) {
    if (args.size() < 2) return Usage("net-send TARGET CHANNEL [LINE]...");
    StderrPrompter prompter;
    InstallPrompter(&prompter);
    TALMailSlot2 slot;
    const bool named = slot.SetMailBox(args[1]);
    InstallPrompter(nullptr);
    if (!named) return 2;
    if (!NetworkModuleAvailable()) {
        PrintErr(NetworkModuleMissingText());
        return 1;
    }
    slot.SendLines(args[0], args.mid(2));
    return 0;
}

int RunNetListen(const QStringList& args) {
    const char* usage = "net-listen CHANNEL [--for SECONDS]";
    QString channel;
    double seconds = -1;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--for") && i + 1 < args.size()) {
            if (!ParseSeconds(args[++i], seconds)) return Usage(usage);
        } else if (args[i].startsWith(QLatin1String("--")) || !channel.isEmpty()) {
            return Usage(usage);
        } else {
            channel = args[i];
        }
    }
    if (channel.isEmpty()) return Usage(usage);
    StderrPrompter prompter;
    InstallPrompter(&prompter);
    TALMailSlot2 slot;
    const bool named = slot.SetMailBox(channel);
    InstallPrompter(nullptr);
    if (!named) return 2;
    if (!NetworkModuleAvailable()) {
        PrintErr(NetworkModuleMissingText());
        return 1;
    }
    slot.SetActive(true);
    if (!slot.Active()) {
        PrintErr(QStringLiteral("UDP-Port %1 des Kanals \"%2\" ist auf diesem Rechner belegt.")
                     .arg(slot.Port())
                     .arg(channel));
        return 1;
    }
    QObject::connect(
        &slot, &TALMailSlot2::NewMessage,
        [](const QString& computer, const QString& text, const QString& user) {
            QJsonObject o{
                {QStringLiteral("computer"), computer},
                {QStringLiteral("user"), user},
                {QStringLiteral("lines"), QJsonArray::fromStringList(SplitMessageLines(text))}};
            PrintOut(QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) + u'\n');
        });
    RunFor(seconds);
    return 0;
}

int RunNetTeacher(const QStringList& args) {
    const char* usage = "net-teacher FILE --folder DIR --channel NAME [--set NAME=VALUE]... "
                        "[--for SECONDS]";
    QString file, folder, channel;
    QStringList sets;
    double seconds = -1;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool value = i + 1 < args.size();
        if (a == QLatin1String("--folder") && value) {
            folder = args[++i];
        } else if (a == QLatin1String("--channel") && value) {
            channel = args[++i];
        } else if (a == QLatin1String("--set") && value) {
            sets << args[++i];
        } else if (a == QLatin1String("--for") && value) {
            if (!ParseSeconds(args[++i], seconds)) return Usage(usage);
        } else if (a.startsWith(QLatin1String("--")) || !file.isEmpty()) {
            return Usage(usage);
        } else {
            file = a;
        }
    }
    if (file.isEmpty() || folder.isEmpty() || channel.isEmpty()) return Usage(usage);
    if (!ValidChannel(channel)) {
        PrintErr(QStringLiteral("ungültiger Kanal: ") + channel);
        return 2;
    }
    Settings settings;
    if (!LoadToolSettings(settings, sets)) return 2;

    Document doc;
    const DocResult r = ReadDocumentFile(file, doc, false);
    for (DocMessage m : r.messages)
        PrintErr(DocMessageText(m, file));
    if (!r.ok) return 1;
    LearnView view(doc);
    view.SetViewSize(kExercisePanelSize.width(), kExercisePanelSize.height());
    view.DocumentLoaded(); // ordered numbering, as the learning view starts

    StderrPrompter prompter;
    InstallPrompter(&prompter);
    UebDataTyp ueb;
    NetTeacher teacher(ueb);
    const NetTeacher::Initiation init =
        teacher.Initiate(doc, settings.UebOpt, settings.GradingBoundaries(), folder, channel);
    for (const QString& e : init.errors)
        PrintErr(QStringLiteral("Fehler: ") + e);
    if (!teacher.Initiated()) {
        InstallPrompter(nullptr);
        return 1;
    }
    if (!teacher.MasterMailslot.Active())
        PrintErr(QStringLiteral("Warnung: UDP-Port %1 ist auf diesem Rechner belegt; es werden "
                                "keine Meldungen empfangen.")
                     .arg(teacher.MasterMailslot.Port()));
    const QString markerError = teacher.WriteMarker();
    if (!markerError.isEmpty()) PrintErr(QStringLiteral("Fehler: ") + markerError);

    RunFor(seconds);

    for (const QString& e : teacher.TakeBestListErrors())
        PrintErr(QStringLiteral("Fehler: ") + e);
    QString grid = teacher.grid.GridText();
    grid.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    PrintOut(grid);
    teacher.End();
    InstallPrompter(nullptr);
    return init.filesWritten && markerError.isEmpty() ? 0 : 1;
}

} // namespace bw::tool
