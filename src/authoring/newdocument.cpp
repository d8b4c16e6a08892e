#include "authoring/newdocument.h"

#include "authoring/pagelayout.h"
#include "common/helpers.h"
#include "common/messages.h"
#include "platform/prompter.h"

#include <QFileInfo>

namespace bw {

bool AskAuthoringPicture(const QString& title, const QString& folder, QImage& image) {
    const QString path = prompter().GetOpenFileName(
        title, folder,
        QStringLiteral("Alle Dateien (*.*)|*.*|PNG (*.png)|*.png|JPEG (*.jpg)|*.jpg|"
                       "Bitmap (*.bmp)|*.bmp"),
        {});
    if (path.isEmpty()) return false;
    switch (LoadAuthoringPicture(path, image)) {
    case PictureLoad::Ok:
        return true;
    case PictureLoad::BadExtension:
        prompter().ShowError(BadExtensionText());
        return false;
    case PictureLoad::Unreadable:
        break;
    }
    FileReadErrorMessage(path);
    return false;
}

PictureLoad LoadAuthoringPicture(const QString& path, QImage& image) {
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext != QLatin1String("bmp") && ext != QLatin1String("png") && ext != QLatin1String("jpg"))
        return PictureLoad::BadExtension;
    QImage loaded;
    if (!LoadPictureFile(loaded, path) || loaded.isNull()) return PictureLoad::Unreadable;
    image = loaded.convertToFormat(QImage::Format_RGB32);
    return PictureLoad::Ok;
}

QString BadExtensionText() {
    return QStringLiteral("Öffnen fehlgeschlagen wegen ungültiger Dateinamenserweiterung.");
}

void MakeNewDocument(Document& doc, int dokTyp, const PageRatioDefaults& defaults,
                     const QImage& baseImage, const QString& titel, const QString& autor) {
    doc.ClearObjects();
    doc.ResetHeader(defaults);
    doc.BaseImage = Picture(baseImage.isNull() ? StartBasisbild() : baseImage);
    HeaderDataTyp& h = doc.CurrentHeader;
    h.DokTyp = dokTyp;
    h.titel = titel;
    h.autor = autor;
    h.RandErw =
        ComputeMargins(doc.BaseImage.width(), doc.BaseImage.height(), PageLayout::FromHeader(h));
}

} // namespace bw
