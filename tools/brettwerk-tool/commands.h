#pragma once

#include <QStringList>

// Each subcommand takes its arguments (without the command name) and returns the exit status.
// Errors go to stderr in the reader's words; normal output to stdout as UTF-8.
namespace bw::tool {

struct Command {
    const char* name;
    const char* usage;
    int (*run)(const QStringList& args);
};

} // namespace bw::tool
