#pragma once

#include <QString>

namespace bw {

// Host and login names; tests may override both.
QString ComputerName();
QString UserName();
void OverrideComputerName(const QString& name);
void OverrideUserName(const QString& name);

// Whether the font database knows the family (the stamp and editor fonts).
bool FontInstalled(const QString& family);

// Hands a file or address to the desktop; false when nothing could open it.
bool ShellOpen(const QString& target);

// The folder of the executable with a trailing separator.
QString ExecutableFolder();
// A folder path with '/' separators and one trailing '/' (empty stays empty).
QString FolderWithSlash(QString folder);

// Millisecond tick counter (monotonic).
qint64 TickCount();

} // namespace bw
