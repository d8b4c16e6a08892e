#pragma once

#include "document/document.h"
#include "view/viewhost.h"

#include <QString>

namespace bw {

// The file a link names: an internet address unchanged, else the first existing of the
// target against the working folder, the document's folder, the start folder and the program
// folder; else the target unchanged. Backslashes count as separators, and a path component
// whose letter case differs is still found when it is the only match.
QString ResolveLinkPath(const QString& target, const QString& docFolder, const QString& startFolder,
                        const QString& programFolder);

// Opens the external link of object index with the desktop; shows the error on failure.
bool OpenExternalLink(const Document& doc, int index, ViewHost& host);

// Opens the document (or switches to the folder) named by the internal link of object index.
bool OpenInternalLink(const Document& doc, int index, ViewHost& host);

// The folder of the document file with a trailing separator; empty for an unsaved document.
QString DocumentFolder(const Document& doc);

} // namespace bw
