// Start-up of the authoring edition against a bare Qt program (QApplication and an empty
// QMainWindow) built beside it, each started as a fresh process, eleven runs of each in turn:
//   first frame, without a document        within 3 x of the bare program's first frame
//   first frame, with a document           within 3 x of the bare program's first frame
//   document on screen                     within 1.2 x of that first frame plus reading the
//                                          document in a new process (startup_read), as
//                                          the program reads it
// The document: a 4000 x 3000 base image and 300 objects. Settings and data folders of the
// started programs point into a temporary folder.

#include "benchdocument.h"
#include "benchgoals.h"
#include "document/docfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

using namespace bw;

namespace {

void WriteBenchDocument(const QString& path) {
    Document doc = bench::MapDocument();
    if (!WriteDocumentFile(path, doc).ok) qFatal("cannot write the benchmark document");
}

struct Started {
    bool ok = false;
    bench::Sample frame;
    bench::Sample document;
    bench::Sample read; // a duration, from startup_read
};

// Starts program (with arg, if any) and reads the probe's lines; times are from the start.
Started Start(const QString& program, const QStringList& args, bool untilDocument,
              const QProcessEnvironment& env) {
    QProcess proc;
    QProcessEnvironment e = env;
    e.insert(QStringLiteral("BW_PROBE_UNTIL"),
             untilDocument ? QStringLiteral("document") : QStringLiteral("frame"));
    proc.setProcessEnvironment(e);
    proc.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const bench::Sample t0 = bench::Now();
    proc.start(program, args);
    Started s;
    if (!proc.waitForFinished(60000)) {
        proc.kill();
        proc.waitForFinished();
        return s;
    }
    bool frame = false, document = false;
    for (const QByteArray& line : proc.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> f = line.split(' ');
        if (f.size() != 3) continue;
        const bench::Sample at{f[1].toDouble() - t0.wall, f[2].toDouble()};
        if (f[0] == "frame") {
            s.frame = at;
            frame = true;
        } else if (f[0] == "document") {
            s.document = at;
            document = true;
        } else if (f[0] == "read") {
            s.read = {f[1].toDouble(), f[2].toDouble()};
            frame = true;
        }
    }
    s.ok = frame && (document || !untilDocument);
    return s;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // For profiling the started program by hand: write the benchmark's document and stop.
    if (argc == 3 && qstrcmp(argv[1], "--write-document") == 0) {
        WriteBenchDocument(QString::fromLocal8Bit(argv[2]));
        return 0;
    }
    const QString dir = QCoreApplication::applicationDirPath();
    const QString bare = dir + QStringLiteral("/startup/startup_bare");
    const QString autor = dir + QStringLiteral("/startup/startup_autor");
    const QString reader = dir + QStringLiteral("/startup/startup_read");

    QTemporaryDir tmp;
    const QString docPath = tmp.filePath(QStringLiteral("karte.bwk"));
    WriteBenchDocument(docPath);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), tmp.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), tmp.filePath(QStringLiteral("data")));
    // Without a screen of 1920 x 1080 the display check would ask before the window shows.
    if (env.value(QStringLiteral("QT_QPA_PLATFORM")).startsWith(QLatin1String("offscreen"))) {
        const QString screen = tmp.filePath(QStringLiteral("screen.json"));
        QFile f(screen);
        if (!f.open(QIODevice::WriteOnly) ||
            f.write(R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": 1920,
                "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") < 0)
            qFatal("cannot write the screen description");
        f.close();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"),
                   QStringLiteral("offscreen:configfile=") + screen);
    }

    bench::Goals goals;
    for (int run = 0; run < 11; ++run) {
        const Started b = Start(bare, {}, false, env);
        const Started empty = Start(autor, {}, false, env);
        const Started withDoc = Start(autor, {docPath}, true, env);
        if (!b.ok || !empty.ok || !withDoc.ok) {
            std::printf("a started program did not report its frames (bare %d, empty %d, "
                        "document %d)\nMISSED\n",
                        b.ok, empty.ok, withDoc.ok);
            return 1;
        }
        goals.Add("bare: first frame", b.frame);
        goals.Add("autor: first frame", empty.frame);
        goals.Add("autor + document: first frame", withDoc.frame);
        goals.Add("autor + document: document", withDoc.document);

        const Started read = Start(reader, {docPath}, false, env);
        if (!read.ok) {
            std::printf("the reading program did not report\nMISSED\n");
            return 1;
        }
        goals.Add("reading the document", read.read);
    }
    goals.PrintSpreads();
    goals.Ratio("first frame without a document / bare Qt window (goal <= 3)", "autor: first frame",
                "bare: first frame", 3);
    goals.Ratio("first frame with a document / bare Qt window (goal <= 3)",
                "autor + document: first frame", "bare: first frame", 3);
    auto ratio = [&](auto spread) {
        return spread("autor + document: document").median /
               (spread("autor + document: first frame").median +
                spread("reading the document").median);
    };
    goals.Ratio("document shown / (first frame + reading it) (goal <= 1.2)",
                ratio([&](const char* n) { return goals.Cpu(n); }),
                ratio([&](const char* n) { return goals.Wall(n); }), 1.2);
    return goals.Missed() == 0 ? 0 : 1;
}
