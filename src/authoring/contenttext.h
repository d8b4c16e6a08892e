#pragma once

#include "authoring/content.h"

#include <QString>
#include <vector>

namespace bw {

// Document content kept as a plain UTF-8 text file, for teachers who keep their questions in
// text files and for scripts:
//   type 1  the cloze text as it is;
//   type 2  one question per line, the answer after "//";
//   type 3  multiple choice: a question line, then its answer lines beginning with "+"
//           (applies) or "-" (does not), a blank line between questions. "Bild: FILE" right
//           after a question line gives the question a picture; "+ Bild: FILE" and
//           "- Bild: FILE" are picture answers (at most 12, and not mixed with text answers
//           in one question). FILE is relative to the text file's folder.
struct ContentText {
    bool ok = false;
    QString message;                       // why not, naming the line and column where there is one
    QString text;                          // types 1 and 2, lines joined by CR LF
    std::vector<ChoiceQuestion> questions; // type 3
};

ContentText ReadContentText(const QString& path, int dokTyp);

// A text file for an editor's "Aus Datei einfügen...": UTF-8 when it is valid UTF-8, else
// Windows-1252 as Windows editors write it; lines joined by LF. False when unreadable.
bool ReadTextFile(const QString& path, QString& text);
// The same from bytes already read; folder resolves picture files.
ContentText ParseContentText(const QByteArray& bytes, int dokTyp, const QString& folder);

} // namespace bw
