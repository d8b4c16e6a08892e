#pragma once

#include <QByteArray>
#include <QImage>
#include <QJsonObject>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace bw::test {

// What one run of brettwerk-tool left behind.
struct ToolRun {
    int status = -1; // the exit code; -1 when the tool crashed or did not end in time
    QByteArray out;
    QString err;      // read as UTF-8
    QJsonObject json; // out read as a JSON object; empty when it is none
};

// The built brettwerk-tool, for tests that keep it running beside them.
QString ToolPath();

// Runs brettwerk-tool to its end (a minute at most) with input on its standard input, which
// is then closed; env, when not empty, replaces the environment.
ToolRun RunTool(const QStringList& args, const QByteArray& input = {},
                const QProcessEnvironment& env = {});

// The moves that drop every card of an exercise run's order (the tool's "Order") on its own
// field.
QByteArray SolvingMoves(const QJsonObject& run);

// A PNG file the tool wrote, read with the program's own decoder; null when there is none.
QImage ReadPng(const QString& path);

} // namespace bw::test
