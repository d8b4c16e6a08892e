// exercise --join DIR --channel NAME --name TEXT [--set NAME=VALUE]... [--wait SECONDS]:
// joins a network exercise as a participant, plays the moves of standard input (and
// "repeat" once a run has ended), sends every report, prints the run as JSON.

#include "commands.h"
#include "toolsupport.h"

#include "common/messages.h"
#include "document/docfile.h"
#include "exercise/exercisedriver.h"
#include "network/netfiles.h"
#include "network/netparticipant.h"
#include "shell/settings.h"
#include "view/learnview.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <QThread>
#include <cstdio>

namespace bw::tool {

namespace {

int Usage() {
    PrintErr(QStringLiteral("usage: brettwerk-tool exercise --join DIR --channel NAME --name "
                            "TEXT [--set NAME=VALUE]... [--wait SECONDS]"));
    return 2;
}

class HeadlessParticipant final : public ParticipantHost {
public:
    HeadlessParticipant(Document& doc, LearnView& view, Exercise& ex)
        : doc_(doc), view_(view), ex_(ex) {}

    bool LoadDocument(const QString& path) override {
        const DocResult r = ReadDocumentFile(path, doc_, false);
        for (DocMessage m : r.messages)
            PrintErr(QStringLiteral("Fehler: ") + DocMessageText(m, path));
        view_.DocumentLoaded();
        return r.ok;
    }
    bool StartRun() override { return ex_.StartExercise(false, 0, 1); }

private:
    Document& doc_;
    LearnView& view_;
    Exercise& ex_;
};

} // namespace

int RunExerciseJoin(const QStringList& args) {
    QString folder, channel, name;
    bool named = false;
    QStringList sets;
    double waitSeconds = 0;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (i + 1 >= args.size()) return Usage();
        if (a == QLatin1String("--join")) {
            folder = args[++i];
        } else if (a == QLatin1String("--channel")) {
            channel = args[++i];
        } else if (a == QLatin1String("--name")) {
            name = args[++i];
            named = true;
        } else if (a == QLatin1String("--set")) {
            sets << args[++i];
        } else if (a == QLatin1String("--wait")) {
            bool ok = false;
            waitSeconds = args[++i].toDouble(&ok);
            if (!ok || waitSeconds < 0 || waitSeconds > 86400) return Usage();
        } else {
            return Usage();
        }
    }
    // The start dialog takes at most 20 characters and refuses an empty name.
    if (folder.isEmpty() || !ValidChannel(channel) || !named || name.trimmed().isEmpty() ||
        name.size() > 20)
        return Usage();
    Settings settings;
    if (!LoadToolSettings(settings, sets)) return 2;

    StderrPrompter prompter;
    InstallPrompter(&prompter);
    Document doc;
    LearnView view(doc);
    view.SetViewSize(kExercisePanelSize.width(), kExercisePanelSize.height());
    ManualClock clock;
    QtRandomSource random;
    HeadlessExerciseHost host(clock);
    Exercise ex(doc, view, clock, random, host);
    ex.SetPanelSize(kExercisePanelSize);
    ex.grading = settings.GradingBoundaries();
    ex.endSettings = {settings.OptAutoProtSpeichern,
                      settings.OptErgebBestListEintragen,
                      settings.OptProtOrdner,
                      settings.OptBestListOrdner,
                      folder,
                      channel};
    HeadlessParticipant participantHost(doc, view, ex);
    NetParticipant participant(ex, participantHost);

    // Waits as the start dialog does, checking twice a second.
    QElapsedTimer waited;
    waited.start();
    while (!NetworkFilesPresent(folder, channel) && waited.elapsed() < waitSeconds * 1000)
        QThread::msleep(500);
    if (!participant.JoinNetworkExercise(folder, channel, name)) {
        if (!NetworkFilesPresent(folder, channel))
            PrintErr(QStringLiteral("Netzwerk-Übung nicht initiiert."));
        InstallPrompter(nullptr);
        return 1;
    }

    ExerciseDriver driver(ex, clock);
    QTextStream in(stdin);
    int lineNo = 0;
    int status = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++lineNo;
        QString message;
        if (line.trimmed() == QLatin1String("repeat")) {
            if (ex.Running()) {
                PrintErr(QStringLiteral("Zeile %1: die Übung läuft noch").arg(lineNo));
            } else if (participant.RepeatNetworkExercise()) {
                driver.Restart();
            } else {
                status = 1;
            }
            continue;
        }
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
    }
    InstallPrompter(nullptr);
    QJsonObject o = QJsonDocument::fromJson(ExerciseJson(ex)).object();
    o[QStringLiteral("ParticipantId")] = ex.ueb.ParticipantId;
    o[QStringLiteral("ParticipantName")] = ex.ueb.ParticipantName;
    o[QStringLiteral("TeacherComputer")] = ex.ueb.TeacherComputer;
    const QByteArray json = QJsonDocument(o).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, json.size(), stdout);
    return status;
}

} // namespace bw::tool
