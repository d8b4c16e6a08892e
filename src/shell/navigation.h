#pragma once

#include <QString>
#include <QStringList>

namespace bw {

class Workspace;

// The commands of the "&Themenauswahl" menu and the title bar's previous/next buttons.

// Opens the document of a topic entry; an index outside the list is ignored.
void OpenTopic(Workspace& ws, int index);
// "&Nächstes Dokument der Liste" and HoverPanel1; learning view only.
void OpenNextTopic(Workspace& ws);
// "&Vorheriges Dokument der Liste" and PrevDokPan; learning view only.
void OpenPreviousTopic(Workspace& ws);
// "&Startseite": the document of the command line, or the start folder without a document.
void ShowStartPage(Workspace& ws);
// "&Zuvor angzeigtes Dokument"; learning view only.
void OpenPreviousDocument(Workspace& ws);
// "&Aktuellen Ordner neu einlesen".
void RereadCurrentFolder(Workspace& ws);
// "&Ordner wählen...".
void ChooseFolder(Workspace& ws);

// The command line at the first activation: a folder becomes the start folder, a document
// is opened and remembered as the start document; without one the program folder is the
// start folder. Sets CurrentFolder; the caller then reads the topic list.
void EvaluateCommandLine(Workspace& ws, const QStringList& args);
// The document the command line names (absolute), or empty for none or a folder.
QString CommandLineDocument(const QStringList& args);

// The information shown after the folder was read.
QString TopicsReadMessage(int count);

} // namespace bw
