#pragma once

#include "document/document.h"

#include <QImage>
#include <QString>

namespace bw {

// A picture file for a base image or an object: ".bmp", ".png" or ".jpg" in any case.
enum class PictureLoad { Ok, BadExtension, Unreadable };
PictureLoad LoadAuthoringPicture(const QString& path, QImage& image);
QString BadExtensionText(); // "Öffnen fehlgeschlagen wegen ungültiger Dateinamenserweiterung."
// The picture open dialog with its file types: true with the loaded picture; a wrong
// extension or an unreadable file is reported, a cancelled dialog says nothing.
bool AskAuthoringPicture(const QString& title, const QString& folder, QImage& image);

// doc becomes a new empty document of dokTyp (0..3) with the page ratio of new documents,
// laid out on baseImage (the start picture when null), titled and signed as given.
void MakeNewDocument(Document& doc, int dokTyp, const PageRatioDefaults& defaults,
                     const QImage& baseImage, const QString& titel, const QString& autor);

} // namespace bw
