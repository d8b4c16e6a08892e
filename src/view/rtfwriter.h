#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace bw {

// Plain lines as a rich-text document in "Arial" of the given point size, normal style.
// Characters outside Windows-1252 are written as \u escapes.
QByteArray PlainLinesToRtf(const QStringList& lines, int pointSize);

// The same lines as a small HTML document (for the clipboard).
QString PlainLinesToHtml(const QStringList& lines, int pointSize);

// The info text copy: every line with the style tags removed.
QStringList InfoTextCopyLines(const QString& cap);

// Writes rtf to path, replacing the file only when complete. False on failure.
bool WriteRtfFile(const QString& path, const QByteArray& rtf);

} // namespace bw
