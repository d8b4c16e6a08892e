#include "document/imagecodec.h"
#include "common/helpers.h"
#include "common/messages.h"
#include "support/scriptedprompter.h"

#include <QDesktopServices>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

using namespace bw;

TEST(Helpers, RoundingToSteps) {
    EXPECT_DOUBLE_EQ(SnapTo(0.12345, 0.01), 0.12);
    EXPECT_DOUBLE_EQ(SnapTo(0.125001, 0.01), 0.13);
    EXPECT_DOUBLE_EQ(SnapTo(-0.37, 0.25), -0.25);
    EXPECT_EQ(FloorTo(10, 37.9), 30);
    EXPECT_EQ(FloorTo(10, -1), -10);
    EXPECT_DOUBLE_EQ(CeilTo(31, 10), 40);
    EXPECT_DOUBLE_EQ(CeilTo(30, 10), 30);
}

TEST(Helpers, RandomBetweenTakesItsBoundsInEitherOrder) {
    EXPECT_EQ(RandomBetween(5, 5), 5);
    EXPECT_EQ(RandomBetween(9, 3), 9);
    for (int i = 0; i < 200; ++i) {
        const int r = RandomBetween(-2, 2);
        EXPECT_GE(r, -2);
        EXPECT_LE(r, 2);
    }
}

TEST(Helpers, StringReplacementDoesNotRescan) {
    // Replacing "a" by "aa" must not loop over what it just inserted.
    EXPECT_EQ(ReplaceAll(QStringLiteral("banana"), QStringLiteral("a"), QStringLiteral("aa")),
              QStringLiteral("baanaanaa"));
    // "<<" in "<<<" is found once from the left; the rest stays.
    EXPECT_EQ(ReplaceAll(QStringLiteral("<<<"), QStringLiteral("<<"), QStringLiteral("<")),
              QStringLiteral("<<"));
    EXPECT_EQ(ReplaceAll(QStringLiteral("abc"), QString(), QStringLiteral("x")),
              QStringLiteral("abc"));
    EXPECT_EQ(RemoveAll(QStringLiteral("aXbxc"), QStringLiteral("x")), QStringLiteral("aXbc"));
    EXPECT_EQ(RemoveAllIgnoreCase(QStringLiteral("<B>fett</b>"), QStringLiteral("<b>")),
              QStringLiteral("fett</b>"));
    EXPECT_EQ(Repeat(QStringLiteral("'"), 2), QStringLiteral("''"));
    EXPECT_EQ(Repeat(QStringLiteral("ab"), 0), QString());
    EXPECT_EQ(Repeat(QStringLiteral("ab"), -3), QString());
}

TEST(Helpers, DigitMasksForTags) {
    EXPECT_EQ(DigitsTo(QStringLiteral("<@POSX=45%>"), QLatin1Char('#')),
              QStringLiteral("<@POSX=##%>"));
    EXPECT_EQ(HexDigitsTo(QStringLiteral("<#ff00aa>"), QLatin1Char('#')),
              QStringLiteral("<#######>"));
    // Upper-cased, and letters beyond F stay.
    EXPECT_EQ(HexDigitsTo(QStringLiteral("zeg1"), QLatin1Char('#')), QStringLiteral("Z#G#"));
}

TEST(Helpers, CommaTextRoundTrip) {
    const QString text = QStringLiteral("Paris\r\nFrankreich");
    EXPECT_EQ(LinesToCommaText(text), QStringLiteral("Paris,Frankreich"));
    EXPECT_EQ(CommaTextToLines(QStringLiteral("Paris,Frankreich")), text);
    EXPECT_EQ(LinesToCommaText(QStringLiteral("Le Mans")), QStringLiteral("\"Le Mans\""));
    EXPECT_EQ(CommaTextToLines(QStringLiteral("\"Le Mans\"")), QStringLiteral("Le Mans"));
}

TEST(Helpers, SegmentDistanceAndNearness) {
    const QPointF a(0, 0), b(10, 0);
    EXPECT_DOUBLE_EQ(DistanceToSegment({5, 3}, a, b), 3);
    // Distance to the line, not the segment: beyond the end it still measures to the line.
    EXPECT_DOUBLE_EQ(DistanceToSegment({20, 4}, a, b), 4);
    EXPECT_DOUBLE_EQ(DistanceToSegment({3, 4}, a, a), 5);
    EXPECT_TRUE(NearSegment({5, 2}, a, b, 2));
    EXPECT_FALSE(NearSegment({5, 2.5}, a, b, 2));
    // On the line but outside the widened box.
    EXPECT_FALSE(NearSegment({13, 0}, a, b, 2));
    EXPECT_TRUE(NearSegment({11.5, 0}, a, b, 2));
    // A vertical segment: the box check must use min/max of the ends.
    EXPECT_TRUE(NearSegment({1, 5}, QPointF(0, 10), QPointF(0, 0), 1));
}

TEST(Helpers, DoubleRects) {
    const DoubleRect r{0.1, 0.1, 0.5, 0.5};
    EXPECT_TRUE(PointInDoubleRect(r, 0.1, 0.1));
    EXPECT_FALSE(PointInDoubleRect(r, 0.5, 0.3)); // right edge excluded
    EXPECT_TRUE(DoubleRectsOverlap(r, {0.4, 0.4, 0.9, 0.9}));
    EXPECT_FALSE(DoubleRectsOverlap(r, {0.6, 0.6, 0.9, 0.9}));

    const DoubleRect page{0, 0, 1, 1};
    const DoubleRect view{0, 0, 0.5, 0.5};
    // Moving past the right edge pushes back, keeping the size.
    DoubleRect m = OffsetDoubleRect(view, page, 0.8, 0.1);
    EXPECT_DOUBLE_EQ(m.left, 0.5);
    EXPECT_DOUBLE_EQ(m.right, 1.0);
    EXPECT_DOUBLE_EQ(m.top, 0.1);
    EXPECT_DOUBLE_EQ(m.bottom, 0.6);
    m = OffsetDoubleRect(view, page, -0.3, -0.3);
    EXPECT_EQ(m, view);
    // Larger than the bounds: clamped to them.
    m = OffsetDoubleRect({-0.1, 0, 1.2, 1}, page, 0, 0);
    EXPECT_DOUBLE_EQ(m.left, 0);
    EXPECT_DOUBLE_EQ(m.right, 1);
}

TEST(Helpers, IntegerRects) {
    const QRect bounds(0, 0, 100, 100);
    EXPECT_EQ(KeepRectInside(QRect(90, 95, 20, 10), bounds), QRect(80, 90, 20, 10));
    EXPECT_EQ(ClampRectTo(QRect(-10, 50, 30, 80), bounds), QRect(0, 50, 20, 50));
    EXPECT_EQ(InflateRect(QRect(10, 10, 10, 10), 2, 3), QRect(8, 7, 14, 16));
    EXPECT_EQ(OffsetRect(QRect(1, 2, 3, 4), 5, 6), QRect(6, 8, 3, 4));
}

TEST(Helpers, Colours) {
    EXPECT_EQ(RGBWin(202, 228, 255), 0xFFE4CA);
    EXPECT_EQ(ColorFromWin(0x00BB7746), QColor(0x46, 0x77, 0xBB));
    EXPECT_EQ(MixColours(RGBWin(0, 100, 255), RGBWin(255, 200, 255), 0.2), RGBWin(51, 120, 255));
}

TEST(Helpers, ExpandEnvironmentWindowsStyle) {
    qputenv("BW_TEST_DIR", "/srv/schule");
    EXPECT_EQ(ExpandEnvironment(QStringLiteral("%BW_TEST_DIR%/karten")),
              QStringLiteral("/srv/schule/karten"));
    EXPECT_EQ(ExpandEnvironment(QStringLiteral("  %BW_TEST_DIR%  ")), QStringLiteral("/srv/schule"));
    // Unknown names stay as written; the scan goes on after them.
    EXPECT_EQ(ExpandEnvironment(QStringLiteral("%BW_NOPE%%BW_TEST_DIR%")),
              QStringLiteral("%BW_NOPE%/srv/schule"));
    EXPECT_EQ(ExpandEnvironment(QStringLiteral("100% sicher")), QStringLiteral("100% sicher"));
    qunsetenv("BW_TEST_DIR");
}

TEST(Helpers, LoadPictureFileGoesByLowerCasedExtension) {
    QTemporaryDir dir;
    QImage img(7, 5, QImage::Format_RGB32);
    img.fill(qRgb(10, 200, 30));
    const QByteArray png = EncodePng(img, 5);
    ASSERT_FALSE(png.isEmpty());
    // A PNG named .PNG decodes as PNG.
    const QString upper = dir.filePath(QStringLiteral("BILD.PNG"));
    {
        QFile f(upper);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(png);
    }
    QImage out;
    ASSERT_TRUE(LoadPictureFile(out, upper));
    EXPECT_EQ(out.size(), QSize(7, 5));
    EXPECT_EQ(out.pixel(3, 3), qRgb(10, 200, 30));

    // The same bytes named .bmp are read as a bitmap and refused.
    const QString bmp = dir.filePath(QStringLiteral("bild.bmp"));
    QFile::copy(upper, bmp);
    QImage none;
    EXPECT_FALSE(LoadPictureFile(none, bmp));
    EXPECT_TRUE(none.isNull());

    const QByteArray jpg = EncodeJpeg(img, 99);
    const QString jpgPath = dir.filePath(QStringLiteral("foto.JPG"));
    {
        QFile f(jpgPath);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(jpg);
    }
    ASSERT_TRUE(LoadPictureFile(out, jpgPath));
    EXPECT_EQ(out.size(), QSize(7, 5));
    EXPECT_NEAR(qGreen(out.pixel(3, 2)), 200, 6);
}

TEST(Messages, FileMessagesWithExtraText) {
    test::ScriptedPrompter p;
    FileMissingMessage(QStringLiteral("/x/a.bwk"), QStringLiteral("Mehr"));
    FileWriteErrorMessage(QStringLiteral("/x/a.bwk"));
    ASSERT_EQ(p.count(QStringLiteral("error")), 2);
    EXPECT_EQ(p.texts(QStringLiteral("error"))[0],
              QStringLiteral("Die Datei \"/x/a.bwk\" existiert nicht.\r\n\r\nMehr"));
    EXPECT_TRUE(p.texts(QStringLiteral("error"))[1].endsWith(
        QStringLiteral("- Fehlende Schreibzugriffsberechtigung im Netzwerk")));
}

TEST(Messages, OpenWithShellReportsAMissingFile) {
    test::ScriptedPrompter p;
    EXPECT_FALSE(OpenWithShell(QStringLiteral("/nicht/vorhanden/datei.pdf")));
    ASSERT_EQ(p.count(QStringLiteral("error")), 1);
    EXPECT_TRUE(p.texts(QStringLiteral("error"))[0].contains(QStringLiteral("Webbrowser")));
}

// Stands in for the browser: records the addresses handed to the desktop.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
    Q_INVOKABLE void open(const QUrl& url) { urls << url; }
};

TEST(Messages, OpenWithShellTakesAnAddressWithoutSchemeAsWebAddress) {
    // Documents made on Windows link "www.…" without "http://"; the shell opened those.
    test::ScriptedPrompter p;
    UrlRecorder browser;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "open");
    const bool opened = OpenWithShell(QStringLiteral("www.example.org/karten/index.html"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    EXPECT_TRUE(opened);
    ASSERT_EQ(browser.urls.size(), 1);
    EXPECT_EQ(browser.urls[0], QUrl(QStringLiteral("http://www.example.org/karten/index.html")));
    EXPECT_EQ(p.count(QStringLiteral("error")), 0);
}

#include "common/painting.h"

TEST(Helpers, PainterSettersKeepWhatIsNotGiven) {
    QImage img(10, 10, QImage::Format_RGB32);
    QPainter p(&img);
    SetPen(p, 3, Qt::SolidLine, QPainter::CompositionMode_SourceOver, Qt::red);
    SetPen(p, 0, Qt::DashLine, QPainter::CompositionMode_Multiply, Qt::blue);
    EXPECT_EQ(p.pen().width(), 3);
    EXPECT_EQ(p.pen().style(), Qt::DashLine);
    EXPECT_EQ(p.pen().color(), QColor(Qt::blue));
    EXPECT_EQ(p.compositionMode(), QPainter::CompositionMode_Multiply);

    SetFont(p, QStringLiteral("Arial"), 12, 0, StyleBold | StyleUnderline, Qt::green);
    SetFont(p, QString(), 0, 0, StyleItalic, Qt::black);
    EXPECT_EQ(p.font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(p.font().pointSize(), 12);
    EXPECT_FALSE(p.font().bold());
    EXPECT_TRUE(p.font().italic());
    EXPECT_FALSE(p.font().underline());
    EXPECT_EQ(p.pen().color(), QColor(Qt::black));
    SetFont(p, QString(), 0, 20, 0, Qt::black);
    EXPECT_EQ(p.font().pixelSize(), 20);

    SetBrush(p, Qt::SolidPattern, Qt::yellow);
    EXPECT_EQ(p.brush().color(), QColor(Qt::yellow));
    p.end();
}

#include "test_helpers.moc"

#include <sys/stat.h>

TEST(Helpers, LoadPictureFileRefusesAPipe) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("bild.png"));
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    QImage out;
    EXPECT_FALSE(LoadPictureFile(out, fifo)); // would block for ever if it were opened
}
