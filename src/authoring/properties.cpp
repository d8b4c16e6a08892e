#include "authoring/properties.h"

#include <QFileInfo>
#include <QLocale>

namespace bw {

namespace {
QString Unknown() {
    return QStringLiteral("(konnte nicht ermittelt werden)");
}
} // namespace

QString FileSizeText(const QString& path) {
    const QFileInfo fi(path);
    if (path.isEmpty() || !fi.isFile()) return Unknown();
    return QLocale(QLocale::German).toString(fi.size()) + QStringLiteral(" Bytes");
}

QString FileDateText(const QString& path) {
    const QFileInfo fi(path);
    if (path.isEmpty() || !fi.isFile()) return Unknown();
    return QLocale(QLocale::German).toString(fi.lastModified(), QLocale::ShortFormat);
}

} // namespace bw
