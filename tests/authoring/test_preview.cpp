// Preview pictures: size, names, folder, and the picture drawn by the learning view.
#include "authoring/newdocument.h"
#include "authoring/preview.h"
#include "authoring/properties.h"
#include "document/docfile.h"
#include "document/imagecodec.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace bw;

TEST(Preview, SizeFollowsTheViewRatio) {
    QImage view(870, 609, QImage::Format_RGB32);
    view.fill(Qt::white);
    EXPECT_EQ(MakePreviewImage(view, 10).size(), QSize(14, 10));
    EXPECT_EQ(MakePreviewImage(view, 200).size(), QSize(286, 200));
    EXPECT_TRUE(MakePreviewImage(QImage(), 200).isNull());
}

TEST(Preview, NamesAndFolder) {
    EXPECT_EQ(PreviewFileName(QStringLiteral("/t/erdkunde/europa.bwk"), 200),
              QStringLiteral("europa-200.png"));
    EXPECT_EQ(PreviewFileName(QString(), 200), QStringLiteral("-200.png"));
    EXPECT_EQ(PreviewFolder(QStringLiteral("/t/erdkunde/europa.bwk"), QStringLiteral("/x")),
              QStringLiteral("/t/erdkunde/vorschaubilder"));
    EXPECT_EQ(PreviewFolder(QString(), QStringLiteral("/x")), QStringLiteral("/x/vorschaubilder"));

    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("vorschaubilder"));
    EXPECT_TRUE(EnsurePreviewFolder(folder));
    EXPECT_TRUE(EnsurePreviewFolder(folder)); // an existing one is reused
    const QString blocked = dir.filePath(QStringLiteral("datei"));
    QFile f(blocked);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_FALSE(EnsurePreviewFolder(blocked));
    EXPECT_FALSE(EnsurePreviewFolder(dir.filePath(QStringLiteral("a/b")))); // one level only
}

TEST(Preview, DrawsTheOpenedDocumentAsTheViewShowsIt) {
    QTemporaryDir dir;
    Document doc;
    QImage base(400, 280, QImage::Format_RGB32);
    base.fill(QColor(0, 0, 200));
    MakeNewDocument(doc, 0, {}, base, QStringLiteral("Blau"), {});
    const QString path = dir.filePath(QStringLiteral("blau.bwk"));
    ASSERT_TRUE(WriteDocumentFile(path, doc).ok);

    DocResult r;
    const QImage view = RenderOpenedDocument(path, QSize(870, 609), r);
    ASSERT_TRUE(r.ok);
    ASSERT_FALSE(view.isNull());
    EXPECT_EQ(view.size(), QSize(870, 609));
    const QString out = dir.filePath(QStringLiteral("blau-50.png"));
    ASSERT_TRUE(WritePreviewImage(view, 50, out));
    QFile f(out);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QImage png;
    ASSERT_TRUE(DecodePng(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size(), png));
    EXPECT_EQ(png.size(), QSize(71, 50));
    EXPECT_EQ(QColor(png.pixel(35, 25)), QColor(0, 0, 200));

    DocResult missing;
    EXPECT_TRUE(
        RenderOpenedDocument(dir.filePath(QStringLiteral("fehlt.bwk")), QSize(870, 609), missing)
            .isNull());
    EXPECT_FALSE(missing.ok);
}

TEST(Properties, FileLinesOrTheUnknownNote) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gross.bwk"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(1234567, 'x'));
    f.close();
    EXPECT_EQ(FileSizeText(path), QStringLiteral("1.234.567 Bytes"));
    EXPECT_FALSE(FileDateText(path).contains(QStringLiteral("konnte")));
    EXPECT_EQ(FileSizeText(dir.filePath(QStringLiteral("fehlt.bwk"))),
              QStringLiteral("(konnte nicht ermittelt werden)"));
    EXPECT_EQ(FileDateText(QString()), QStringLiteral("(konnte nicht ermittelt werden)"));
}
