#include "authoring/preview.h"

#include "document/imagecodec.h"
#include "document/safefile.h"
#include "view/learnview.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>

namespace bw {

QImage MakePreviewImage(const QImage& viewImage, int height) {
    if (viewImage.isNull() || height < 1) return {};
    const int width =
        std::max(1, int(std::lround(double(viewImage.width()) / viewImage.height() * height)));
    return viewImage.convertToFormat(QImage::Format_RGB32)
        .scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QString PreviewFolder(const QString& documentFile, const QString& topicFolder) {
    const QString base =
        documentFile.isEmpty() ? topicFolder : QFileInfo(documentFile).absolutePath();
    return QDir(base).filePath(QStringLiteral("vorschaubilder"));
}

QString PreviewFileName(const QString& documentFile, int height) {
    const QString stem =
        documentFile.isEmpty() ? QString() : QFileInfo(documentFile).completeBaseName();
    return stem + QLatin1Char('-') + QString::number(height) + QStringLiteral(".png");
}

bool EnsurePreviewFolder(const QString& folder) {
    const QFileInfo fi(folder);
    if (fi.isDir()) return true;
    if (fi.exists()) return false;
    return QDir().mkdir(folder);
}

bool WritePreviewImage(const QImage& viewImage, int height, const QString& path) {
    const QImage preview = MakePreviewImage(viewImage, height);
    if (preview.isNull()) return false;
    const QByteArray png = EncodePng(preview, 5);
    return !png.isEmpty() && WriteFileSafely(path, png);
}

QImage RenderOpenedDocument(const QString& file, QSize viewSize, DocResult& result) {
    Document doc;
    result = ReadDocumentFile(file, doc, false);
    if (!result.ok) return {};
    LearnView view(doc);
    view.SetViewSize(viewSize.width(), viewSize.height());
    for (int layer = 0; layer < kLayerCount; ++layer)
        view.SetLayerVisible(layer, true);
    view.DocumentLoaded();
    return view.ViewImage().copy();
}

QString PreviewFolderErrorText(const QString& folder) {
    return QStringLiteral("Verzeichnis für Vorschaubilder existiert nicht und konnte nicht "
                          "erstellt werden:\r\n") +
           QDir::toNativeSeparators(folder) + QDir::separator();
}

QString PreviewProgressText(int number, int count) {
    return QStringLiteral("Vorschaubilder werden generiert.|Bearbeite Dokument Nr. %1 von %2.|"
                          "Bitte warten.")
        .arg(number)
        .arg(count);
}

} // namespace bw
