#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace bw {

// One paragraph of a rich-text document in "Arial".
struct RtfParagraph {
    QString text; // tabs stay tabs
    int pointSize = 10;
    bool bold = false;
};

// Paragraphs as a rich-text document, with one left tab stop when tabStopPoints > 0.
// Characters outside Windows-1252 are written as \u escapes.
QByteArray ParagraphsToRtf(const QList<RtfParagraph>& paragraphs, int tabStopPoints = 0);
// The same paragraphs as a small HTML document (for the clipboard).
QString ParagraphsToHtml(const QList<RtfParagraph>& paragraphs);

// Plain lines of one point size, normal style.
QByteArray PlainLinesToRtf(const QStringList& lines, int pointSize);
QString PlainLinesToHtml(const QStringList& lines, int pointSize);

// The info text copy: every line with the style tags removed.
QStringList InfoTextCopyLines(const QString& cap);

// Writes rtf to path, replacing the file only when complete. False on failure.
bool WriteRtfFile(const QString& path, const QByteArray& rtf);

} // namespace bw
