#pragma once

#include "document/document.h"

#include <QString>
#include <vector>

class QIODevice;

namespace bw {

// What went wrong, in the order the user is to be told; the shell turns these into texts.
enum class DocMessage {
    FileMissing,   // "Die Datei ... existiert nicht."
    InvalidFormat, // "Ungültiges Dateiformat."
    NewerVersion,  // "Das ausgewählte Dokument wurde mit einer neueren Programmversion ..."
    ReadFailed,    // FileReadErrorMessage
    WriteFailed,   // FileWriteErrorMessage
};

struct DocResult {
    bool ok = false;
    std::vector<DocMessage> messages;
};

// Reads a topic document into doc. On success doc holds the file's header (Datei set),
// objects with their run-time values and the base image, with the derived geometry
// computed. On failure doc is left as the empty start document.
DocResult ReadDocumentFile(const QString& path, Document& doc, bool editorOpen);
DocResult ReadDocumentFrom(QIODevice& in, Document& doc, bool editorOpen);

// Writes doc in format 2.10. Replaces an existing file only once the new one is complete.
// Normalises types 6/7/21 without picture in doc, as the format requires; nothing else
// in doc changes (the caller sets Datei and Geaendert).
DocResult WriteDocumentFile(const QString& path, Document& doc);
DocResult WriteDocumentTo(QIODevice& out, Document& doc);

// Reads magic, field list, vers and titel only; no messages, no version check.
bool ReadDocumentHeader(const QString& path, HeaderDataTyp& header);

} // namespace bw
