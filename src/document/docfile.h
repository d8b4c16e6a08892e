#pragma once

#include "document/document.h"

#include <QByteArray>
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

// Reads a topic document (".bwk", ".qlx"; magic "BWK-" or "KEV-" up to version 2.10) into
// doc. On success doc holds the file's header (Datei set by ReadDocumentFile only), the
// objects with their run-time values and the base image, with the derived geometry
// computed; every picture keeps the PNG stream it was read from. On any failure doc is the
// empty start document: start picture, no objects, header as ResetHeader(defaults) leaves
// it. Messages: missing file {FileMissing}; wrong magic {InvalidFormat, ReadFailed}; newer
// version {NewerVersion, ReadFailed}; anything else {ReadFailed}.
// A large base image also keeps itself at half and quarter size (Picture::halvings), made
// while decoding, unless the caller skips it.
enum class BaseHalvings { Make, Skip };
DocResult ReadDocumentFile(const QString& path, Document& doc, bool editorOpen,
                           const PageRatioDefaults& defaults = {},
                           BaseHalvings baseHalvings = BaseHalvings::Make);
DocResult ReadDocumentFrom(QIODevice& in, Document& doc, bool editorOpen,
                           const PageRatioDefaults& defaults = {},
                           BaseHalvings baseHalvings = BaseHalvings::Make);
DocResult ReadDocumentBytes(const QByteArray& bytes, Document& doc, bool editorOpen,
                            const PageRatioDefaults& defaults = {},
                            BaseHalvings baseHalvings = BaseHalvings::Make);

// Writes doc in format 2.10. WriteDocumentFile writes a temporary file beside the target
// and replaces the target only once the new file is complete, so a failure ({WriteFailed})
// leaves an existing file byte for byte; a target without any write permission is refused.
// Normalises types 6/7/21 without picture in doc, as the format requires; pictures that
// were read and not changed are written as the stream they came from, others are encoded
// at level 5 and, once the write succeeded, keep that stream for the next save. Nothing
// else in doc changes (the caller sets Datei and Geaendert).
DocResult WriteDocumentFile(const QString& path, Document& doc);
DocResult WriteDocumentTo(QIODevice& out, Document& doc);

// Reads magic, field list, vers and titel only, and sets vers and titel of header when it
// succeeds; false when the file is missing, unreadable or its magic is not accepted. No
// messages, no version check; reads only as far as the title.
bool ReadDocumentHeader(const QString& path, HeaderDataTyp& header);
// The same for a name that a folder listing has just shown as a plain file (the topic list):
// the file is opened without looking at the name first.
bool ReadListedDocumentHeader(const QString& path, HeaderDataTyp& header);
#ifdef Q_OS_UNIX
// The same for the entry name of an open folder (dirFd), which spares the walk along the
// folder's path for every file; path names the same file for the long way.
bool ReadListedDocumentHeaderAt(int dirFd, const char* name, const QString& path,
                                HeaderDataTyp& header);
#endif

// Changes types 6, 7 and 21 without picture to 0, 1 and 20, as writing does.
void NormalisePictureTypes(Document& doc);

} // namespace bw
