#include "commands.h"
#include "document/safefile.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstring>

namespace bw::tool {
// Subcommands, each in its own file.
int RunInfo(const QStringList& args);    // tool_document.cpp
int RunDump(const QStringList& args);    // tool_document.cpp
int RunConvert(const QStringList& args); // tool_document.cpp
int RunSettings(const QStringList& args); // tool_settings.cpp
int RunTopics(const QStringList& args);   // tool_settings.cpp
int RunRender(const QStringList& args);   // tool_render.cpp
int RunExercise(const QStringList& args); // tool_exercise.cpp
int RunBestList(const QStringList& args); // tool_bestlist.cpp
int RunSheet(const QStringList& args);    // tool_sheet.cpp
int RunNew(const QStringList& args);      // tool_authoring.cpp
int RunPreviews(const QStringList& args); // tool_authoring.cpp
int RunNetSend(const QStringList& args);    // cmd_net.cpp
int RunNetListen(const QStringList& args);  // cmd_net.cpp
int RunNetTeacher(const QStringList& args); // cmd_net.cpp
} // namespace bw::tool

namespace {

using bw::tool::Command;

const Command kCommands[] = {
    {"info", "info FILE", bw::tool::RunInfo},
    {"dump", "dump [--generated [--view WxH]] FILE", bw::tool::RunDump},
    {"convert", "convert IN OUT", bw::tool::RunConvert},
    {"settings", "settings [--program-folder DIR]", bw::tool::RunSettings},
    {"topics", "topics FOLDER", bw::tool::RunTopics},
    {"render", "render FILE OUT.png --view WxH [--zoom 0|2|4] [--uncover]", bw::tool::RunRender},
    {"exercise", "exercise FILE [--set NAME=VALUE]... [--seed N] [--name TEXT] [--repeat 0|1]",
     bw::tool::RunExercise},
    {"exercise", "exercise --join DIR --channel NAME --name TEXT [--set NAME=VALUE]... "
                 "[--wait SECONDS]",
     bw::tool::RunExercise},
    {"net-send", "net-send TARGET CHANNEL [LINE]...", bw::tool::RunNetSend},
    {"net-listen", "net-listen CHANNEL [--for SECONDS]", bw::tool::RunNetListen},
    {"net-teacher",
     "net-teacher FILE --folder DIR --channel NAME [--set NAME=VALUE]... [--for SECONDS]",
     bw::tool::RunNetTeacher},
    {"bestlist", "bestlist FILE.hsc", bw::tool::RunBestList},
    {"sheet",
     "sheet KIND [N | ROWS COLS [LEFT TOP RIGHT BOTTOM]] (--size WxH | --control WxH "
     "[--edition autor|basis]) OUT.png",
     bw::tool::RunSheet},
    {"new",
     "new OUT.bwk --type 0..3 [--base IMAGE] [--title TEXT] [--author TEXT] [--text FILE]",
     bw::tool::RunNew},
    {"previews", "previews FOLDER|FILE [--height H]", bw::tool::RunPreviews},
    {nullptr, nullptr, nullptr},
};

void PrintUsage() {
    std::fprintf(stderr, "usage: brettwerk-tool COMMAND [ARGS]\n");
    for (const Command& c : kCommands) {
        if (c.name)
            std::fprintf(stderr, "  %s\n", c.usage);
    }
}

// Scripts read stderr for the reader's messages; Qt's own notes about the session
// (no runtime folder when started from cron or CI) do not belong there.
void QuietQtNotes(QtMsgType type, const QMessageLogContext& context, const QString& msg) {
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    if (type == QtWarningMsg && msg.startsWith(QLatin1String("QStandardPaths:")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, msg)));
}

} // namespace

int main(int argc, char** argv) {
    bw::IgnoreFileSizeSignal();
    qInstallMessageHandler(QuietQtNotes);
    // Rendering needs fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        PrintUsage();
        return 2;
    }
    for (const Command& c : kCommands) {
        if (c.name && args[0] == QLatin1String(c.name))
            return c.run(args.mid(1));
    }
    PrintUsage();
    return 2;
}
