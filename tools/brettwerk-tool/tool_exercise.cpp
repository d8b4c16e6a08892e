// exercise FILE [--set NAME=VALUE]... [--seed N] [--name TEXT] [--repeat 0|1]:
// an individual exercise driven by moves on standard input, the run as JSON on stdout.

#include "commands.h"
#include "toolsupport.h"

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

int Usage() {
    PrintErr(QStringLiteral("usage: brettwerk-tool exercise FILE [--set NAME=VALUE]... "
                            "[--seed N] [--name TEXT] [--repeat 0|1]"));
    return 2;
}

} // namespace

int RunExercise(const QStringList& args) {
    if (args.contains(QLatin1String("--join"))) return RunExerciseJoin(args);
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

    Settings settings;
    if (!LoadToolSettings(settings, sets)) return 2;

    Document doc;
    const DocResult r = ReadDocumentFile(file, doc, false);
    for (DocMessage m : r.messages)
        PrintErr(DocMessageText(m, file));
    if (!r.ok) return 1;

    StderrPrompter prompter;
    InstallPrompter(&prompter);
    LearnView view(doc);
    view.SetViewSize(kExercisePanelSize.width(), kExercisePanelSize.height());
    view.DocumentLoaded();

    ManualClock clock;
    QtRandomSource random = seeded ? QtRandomSource(seed) : QtRandomSource();
    HeadlessExerciseHost host(clock);
    Exercise ex(doc, view, clock, random, host);
    ex.SetPanelSize(kExercisePanelSize);
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
