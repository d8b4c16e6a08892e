#include "view/cloze.h"
#include "view/glyphcache.h"
#include "view/markup.h"
#include "view/objectpainter.h"
#include "viewfixtures.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace bw;
using namespace bw::test;

namespace {

constexpr int kPx = 20; // font height used by most cases

struct Rendered {
    QImage image;
    int y = 0;
};

Rendered Render(const QString& text, int mode, int width = 400, int imageWidth = 500,
                Document* doc = nullptr) {
    Rendered r;
    r.image = QImage(imageWidth, 300, QImage::Format_RGB32);
    r.image.fill(Qt::white);
    QPainter p(&r.image);
    MarkupCanvas c;
    c.painter = &p;
    c.doc = doc;
    c.pageWidth = imageWidth;
    r.y = RenderMarkupLine(c, width, 300, 0, 0, text, 0, kPx, mode, true, Qt::black, false);
    return r;
}

int Measure(const QString& text, int mode, int width) {
    MarkupCanvas c;
    return RenderMarkupLine(c, width, 300, 0, 0, text, 0, kPx, mode, false, Qt::black, true);
}

int LineHeight(int mode) {
    const int h = QFontMetrics(ArialPixels(kPx)).height();
    int lh = int(std::lround(h * 1.25));
    return mode > 0 ? int(std::lround(lh * 1.1)) : lh;
}

} // namespace

TEST(Markup, MeasureOnlyAdvancesExactlyAsDrawing) {
    const QString text = QStringLiteral("Ein <b>längerer</b> Text, der über mehrere Zeilen "
                                        "umbrochen wird und <i>Stile</i> mischt.");
    for (int mode : {0, 1, 3, -1}) {
        EXPECT_EQ(Measure(text, mode, 200), Render(text, mode, 200).y) << mode;
    }
    // Mode -1 draws nothing.
    EXPECT_TRUE(InkBox(Render(text, -1, 200).image).isEmpty());
}

TEST(Markup, EmptyLineAdvancesOneLine) {
    const int h = QFontMetrics(ArialPixels(kPx)).height();
    const int top = int(std::lround(h * 1.25 * 0.02 / 0.055));
    EXPECT_EQ(Measure(QStringLiteral("   "), 0, 300), top + LineHeight(0));
    EXPECT_EQ(Measure(QStringLiteral("kurz"), 0, 300), top + LineHeight(0));
    EXPECT_EQ(Measure(QStringLiteral("kurz"), 1, 300), top + LineHeight(1));
}

TEST(Markup, WordsWrapAtBlanksAndALongWordBreaksAtTheWidth) {
    const QString words = QStringLiteral("eins zwei drei vier fünf sechs sieben acht neun zehn");
    const Rendered r = Render(words, 0, 150);
    const QRect ink = InkBox(r.image);
    EXPECT_LE(ink.right(), 150);
    EXPECT_GT(r.y, 3 * LineHeight(0));

    const QString word = QStringLiteral("Donaudampfschifffahrtsgesellschaftskapitän");
    const Rendered w = Render(word, 0, 120);
    const QRect wi = InkBox(w.image);
    EXPECT_LE(wi.right(), 120);
    // The first line is filled up to the width, not cut at a blank.
    const int firstLineBottom = LineHeight(0);
    const QRect first = InkBox(w.image, Qt::white, QRect(0, 0, 500, firstLineBottom));
    EXPECT_GT(first.right(), 120 - QFontMetrics(ArialPixels(kPx)).horizontalAdvance(u'W'));
    const int lines = (w.y - Measure(QStringLiteral("x"), 0, 120)) / LineHeight(0) + 1;
    const int expected = QFontMetrics(ArialPixels(kPx)).horizontalAdvance(word) / 120 + 1;
    EXPECT_GE(lines, expected);
}

TEST(Markup, AWordWhoseBlankCrossesTheLimitWraps) {
    const QFontMetrics fm(ArialPixels(kPx));
    const QString first = QStringLiteral("Rhein");
    // The word fits exactly; only its blank crosses the limit.
    const int limit = fm.horizontalAdvance(QStringLiteral("eins ") + first) + 1;
    const QString text = QStringLiteral("eins ") + first; // the line gets its closing blank
    ASSERT_LT(limit, fm.horizontalAdvance(QStringLiteral("eins ") + first + QLatin1Char(' ')));
    const int oneLine = Measure(QStringLiteral("eins"), 0, limit);
    EXPECT_EQ(Measure(text, 0, limit), oneLine + LineHeight(0));
    // "Rhein" went to the second line: the first line holds "eins" only.
    const Rendered r = Render(text, 0, limit);
    const QRect firstLine = InkBox(r.image, Qt::white, QRect(0, 0, 500, LineHeight(0)));
    EXPECT_LT(firstLine.right(), fm.horizontalAdvance(QStringLiteral("eins ")));
}

TEST(Markup, TagsWorkInAnyLetterCaseAndAreNotShown) {
    const Rendered upper = Render(QStringLiteral("<B>fett</B> und <I>schräg</I>"), 0);
    const Rendered lower = Render(QStringLiteral("<b>fett</b> und <i>schräg</i>"), 0);
    const Rendered plain = Render(QStringLiteral("fett und schräg"), 0);
    EXPECT_EQ(upper.image, lower.image);
    EXPECT_NE(lower.image, plain.image);
    // Only slightly wider than the plain text: the tags are not drawn.
    EXPECT_LT(InkBox(lower.image).width(), InkBox(plain.image).width() + 12);
    // Unknown or malformed tags stay visible.
    const Rendered odd = Render(QStringLiteral("<x>fett"), 0);
    EXPECT_GT(InkBox(odd.image).width(),
              InkBox(Render(QStringLiteral("fett"), 0).image).width() + 10);
}

TEST(Markup, ModeZeroShowsGapTagsLiterally) {
    // (A "<b>" inside would still be a bold tag.)
    const QString text = QStringLiteral("a <<x>> c");
    const Rendered info = Render(text, 0);
    const Rendered gap = Render(text, 1);
    const int literal = QFontMetrics(ArialPixels(kPx)).horizontalAdvance(text);
    EXPECT_NEAR(InkBox(info.image).width(), literal, 4);
    // In a gap mode the "b" is not drawn; only the line under the gap shows.
    const Rendered blank = Render(QStringLiteral("a <<bbbbbbbbbb>> c"), 1);
    const Rendered without = Render(QStringLiteral("a <<>> c"), 1);
    EXPECT_NE(InkBox(info.image), InkBox(gap.image));
    int dark = 0, darkWithout = 0;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 500; ++x) {
            dark += QColor(blank.image.pixel(x, y)).lightness() < 128;
            darkWithout += QColor(without.image.pixel(x, y)).lightness() < 128;
        }
    // Ten b's would add far more ink than the longer gap line.
    EXPECT_LT(dark - darkWithout, 150);
}

TEST(Markup, PosxMovesToAShareOfTheAvailableWidth) {
    const Rendered r = Render(QStringLiteral("A<@POSX=50%>B"), 0, 400);
    const Rendered a = Render(QStringLiteral("A"), 0, 400);
    const QRect aInk = InkBox(a.image);
    const QRect bInk = InkBox(r.image, Qt::white, QRect(aInk.right() + 2, 0, 498, 300));
    EXPECT_NEAR(bInk.left(), 200, 3);
    // Lower case works too.
    EXPECT_EQ(Render(QStringLiteral("A<@posx=50%>B"), 0, 400).image, r.image);
}

TEST(Markup, RebRightAlignsTheNextCharactersInADigitField) {
    const int w0 = QFontMetrics(ArialPixels(kPx)).horizontalAdvance(u'0');
    const Rendered one = Render(QStringLiteral("<@REB=03>  7"), 0);
    const Rendered three = Render(QStringLiteral("<@REB=03>123"), 0);
    const QRect i1 = InkBox(one.image);
    const QRect i3 = InkBox(three.image);
    EXPECT_NEAR(i1.right(), 3 * w0, 3);
    EXPECT_NEAR(i3.right(), 3 * w0, 3);
    EXPECT_GT(i1.left(), 2 * w0 - 2);
    // The characters after the field follow it.
    const Rendered after = Render(QStringLiteral("<@REB=02> 7x"), 0);
    EXPECT_GT(InkBox(after.image).right(), 2 * w0 + 3);
}

TEST(Markup, LinieRunsToTheRightEdge) {
    const Rendered r = Render(QStringLiteral("Name:<@LINIE>"), 0, 300);
    const QRect ink = InkBox(r.image);
    EXPECT_GE(ink.right(), 297);
    EXPECT_LE(ink.right(), 300);
}

TEST(Markup, GapTextKeepsItsPunctuationOnItsLine) {
    // Whatever the width, the full stop is drawn right after the gap on the gap's line.
    const QString text = QStringLiteral("Die Hauptstadt von Frankreich heißt <<Paris>>. Sie "
                                        "liegt an der Seine.");
    for (int width = 200; width <= 520; width += 7) {
        Document doc = PlainDocument(600, 300);
        doc.CurrentHeader.DokTyp = DokLueckentext;
        const Rendered r = Render(text, 99, width, 600, &doc);
        ASSERT_EQ(doc.ObjectCount(), 1);
        const ObjDataTyp& gap = doc.CurrentObjects[0];
        EXPECT_EQ(gap.Cap, QStringLiteral("Paris"));
        EXPECT_EQ(gap.Typ, TypLuecke);
        EXPECT_EQ(gap.KAusr, 2);
        const QFontMetrics fm(ArialPixels(kPx));
        const int gw = std::max(fm.horizontalAdvance(QStringLiteral(" Paris")),
                                fm.horizontalAdvance(QStringLiteral(" XX")));
        const int gapRight = int(std::lround(gap.Kx * 600 + gw / 2.0));
        const int lineTop = int(std::lround(gap.Ky * 300)) - fm.height() - 4;
        const QRect dot =
            InkBox(r.image, Qt::white,
                   QRect(gapRight, lineTop, fm.horizontalAdvance(u'.') + 1, fm.height()));
        EXPECT_FALSE(dot.isEmpty()) << "width " << width;
        EXPECT_LE(gapRight, width - 40 + 2) << "width " << width;
    }
}

TEST(Markup, ALongWordBreaksWhereThePrefixNoLongerFits) {
    // The word breaks at the first character whose prefix passes the limit, measured as a
    // whole (kerning included); the gap after it shows where the last piece ended.
    const QString word = QStringLiteral("AVAWiiWTyToVAlLW.,Ti").repeated(12);
    const QFontMetrics fm(ArialPixels(kPx));
    for (int width = 90; width <= 400; width += 31) {
        const int limit = width - 40;
        int s = 0, lines = 0;
        for (int q = 0; q < word.size(); ++q) {
            if (fm.horizontalAdvance(word.mid(s, q - s + 1)) > limit) {
                s = q == s ? q + 1 : q;
                ++lines;
            }
        }
        Document doc = PlainDocument(600, 300);
        doc.CurrentHeader.DokTyp = DokLueckentext;
        Render(word + QStringLiteral("<<g>>"), 99, width, 600, &doc);
        ASSERT_EQ(doc.ObjectCount(), 1);
        const int gw = std::max(fm.horizontalAdvance(QStringLiteral(" g")),
                                fm.horizontalAdvance(QStringLiteral(" XX")));
        int x = fm.horizontalAdvance(word.mid(s));
        if (x + gw > limit) {
            x = 0;
            ++lines;
        }
        EXPECT_NEAR(doc.CurrentObjects[0].Kx * 600, x + gw / 2.0, 0.01) << "width " << width;
        const int top =
            int(std::lround(fm.height() * 1.25 * 0.02 / 0.055)) + lines * LineHeight(99);
        EXPECT_EQ(int(std::lround(doc.CurrentObjects[0].Ky * 300)) - fm.height() - 4, top)
            << "width " << width;
    }
}

TEST(Markup, GapsAreTheSameWhereverTheLinesBreak) {
    // Unclosed marks before and after the gaps, at every width: the line breaks move back
    // over marks already looked at.
    const QString text = QStringLiteral("<< auf <<eins>> zwei << drei <<vier>>. fünf << sechs "
                                        "<< sieben");
    for (int width = 60; width <= 500; width += 9) {
        Document doc = PlainDocument(600, 300);
        doc.CurrentHeader.DokTyp = DokLueckentext;
        Render(text, 99, width, 600, &doc);
        ASSERT_EQ(doc.ObjectCount(), 2) << "width " << width;
        EXPECT_EQ(doc.CurrentObjects[0].Cap, QStringLiteral(" auf <<eins"));
        EXPECT_EQ(doc.CurrentObjects[1].Cap, QStringLiteral(" drei <<vier"));
    }
}

TEST(Markup, StripStyleTagsRemovesOnlyTheSixTags) {
    EXPECT_EQ(StripStyleTags(QStringLiteral("<b>a</B> <I>b</i> <u>c</U> <@LINIE>")),
              QStringLiteral("a b c <@LINIE>"));
}

namespace {

Document ClozeDocument(const QString& text, int w = 870, int h = 600) {
    Document doc = PlainDocument(w, h);
    doc.CurrentHeader.DokTyp = DokLueckentext;
    doc.CurrentHeader.lueckentext = text;
    return doc;
}

} // namespace

TEST(Cloze, RebuildCreatesOneGapPerMarkAndMovingKeepsThem) {
    Document doc = ClozeDocument(QStringLiteral("Berlin liegt an der <<Spree>>.\r\n\r\nHamburg "
                                                "liegt an der <<Elbe>>, Köln am <<Rhein>>."));
    AddObject(doc, TypFix, QStringLiteral("bleibt"), 0.9, 0.9);
    QImage page(870, 600, QImage::Format_RGB32);
    page.fill(Qt::white);
    int reduction = 0;
    ClozeLayoutOptions opt;
    opt.rebuildGaps = true;
    ASSERT_TRUE(LayoutClozeText(doc, page, reduction, opt));
    EXPECT_EQ(reduction, 0);
    ASSERT_EQ(doc.ObjectCount(), 4);
    EXPECT_EQ(doc.CurrentObjects[0].Typ, TypFix);
    EXPECT_EQ(doc.CurrentObjects[1].Cap, QStringLiteral("Spree"));
    EXPECT_EQ(doc.CurrentObjects[2].Cap, QStringLiteral("Elbe"));
    EXPECT_EQ(doc.CurrentObjects[3].Cap, QStringLiteral("Rhein"));
    EXPECT_LT(doc.CurrentObjects[1].Ky, doc.CurrentObjects[2].Ky);
    EXPECT_DOUBLE_EQ(doc.CurrentObjects[2].Ky, doc.CurrentObjects[3].Ky);
    EXPECT_FALSE(InkBox(page).isEmpty());

    // Without rebuild the same objects move to the gaps of a wider page.
    doc.CurrentObjects[2].Kx = 0.01;
    QImage wide(1740, 1200, QImage::Format_RGB32);
    wide.fill(Qt::white);
    opt.rebuildGaps = false;
    LayoutClozeText(doc, wide, reduction, opt);
    ASSERT_EQ(doc.ObjectCount(), 4);
    EXPECT_EQ(doc.CurrentObjects[2].Cap, QStringLiteral("Elbe"));
    EXPECT_GT(doc.CurrentObjects[2].Kx, 0.2);
}

TEST(Cloze, TooLongTextGetsASmallerFontButNotBelowNinePixels) {
    QString text;
    for (int i = 0; i < 30; ++i)
        text += QStringLiteral("Zeile %1 mit einer <<Lücke>> darin.\r\n").arg(i);
    Document doc = ClozeDocument(text);
    QImage page(870, 600, QImage::Format_RGB32);
    int reduction = 0;
    ClozeLayoutOptions opt;
    opt.rebuildGaps = true;
    LayoutClozeText(doc, page, reduction, opt);
    EXPECT_LT(reduction, 0);
    EXPECT_EQ(doc.ObjectCount(), 30);
    EXPECT_LE(doc.CurrentObjects.back().Ky, 1.0);
    EXPECT_GE(22 + reduction, 9);

    // Far too long: stops at nine pixels and runs off the bottom.
    QString huge;
    for (int i = 0; i < 200; ++i)
        huge += QStringLiteral("Zeile <<%1>>\r\n").arg(i);
    Document big = ClozeDocument(huge);
    reduction = 0;
    LayoutClozeText(big, page, reduction, opt);
    EXPECT_EQ(22 + reduction, 9);
    EXPECT_GT(big.CurrentObjects.back().Ky, 1.0);
}

TEST(Cloze, ClozeDocumentInTheViewShowsCoveredGapsAndTheText) {
    Document doc = ClozeDocument(QStringLiteral("Die Hauptstadt ist <<Paris>>."));
    LearnView view(doc);
    view.SetViewSize(870, 600);
    view.RedrawView();
    view.BuildClozeObjects(true);
    view.RedrawView();
    ASSERT_EQ(doc.ObjectCount(), 1);
    EXPECT_EQ(doc.CurrentObjects[0].Nummer, 1);
    const QRect box = BoxOf(view, 0);
    EXPECT_EQ(Pixel(view.ViewImage(), box.right() - 2, box.top() + 2), QColor(202, 228, 255));
    // The cloze text itself is part of the clean page.
    EXPECT_FALSE(InkBox(view.CleanPage(), Qt::white, QRect(0, 0, box.left(), 600)).isEmpty());
    // With the base-image layer off the plain text disappears, the gap stays.
    view.SetLayerVisible(0, false);
    view.RedrawView();
    EXPECT_TRUE(InkBox(view.CleanPage()).isEmpty());
    EXPECT_EQ(Pixel(view.ViewImage(), box.right() - 2, box.top() + 2), QColor(202, 228, 255));
}

TEST(GlyphCache, LargeTextLooksLikeQtsOwnRendering) {
    for (int px : {80, 150}) {
        const QFont font = ArialPixels(px, px == 150, false, px == 80);
        const QString text = QStringLiteral("Wasserfall Äg");
        QImage ours(1400, 300, QImage::Format_RGB32), qt(1400, 300, QImage::Format_RGB32);
        ours.fill(Qt::white);
        qt.fill(Qt::white);
        {
            QPainter p(&ours);
            DrawTextAt(p, 10, 20, font, QColor(0, 0, 255), text);
        }
        {
            QPainter p(&qt);
            p.setFont(font);
            p.setPen(QColor(0, 0, 255));
            p.drawText(QPoint(10, 20 + QFontMetrics(font).ascent()), text);
        }
        const QRect a = InkBox(ours), b = InkBox(qt);
        EXPECT_NEAR(a.left(), b.left(), 2) << px;
        EXPECT_NEAR(a.top(), b.top(), 2) << px;
        EXPECT_NEAR(a.right(), b.right(), 2) << px;
        EXPECT_NEAR(a.bottom(), b.bottom(), 2) << px;
        // Nearly every pixel agrees; glyphs may sit up to half a pixel apart.
        int differ = 0, ink = 0;
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 1400; ++x) {
                const QColor c1(ours.pixel(x, y)), c2(qt.pixel(x, y));
                ink += c2 != QColor(Qt::white);
                differ += std::abs(c1.red() - c2.red()) > 128;
            }
        EXPECT_LT(differ, ink / 10) << px;
    }
}

TEST(Markup, InfoTextBitmapIsExactlyAsHighAsItsLines) {
    const QString cap = QStringLiteral("<B>Titel</B>\r\n\r\nEin Satz, der bei schmaler Breite "
                                       "umbrochen wird.\nNoch eine Zeile\rund die letzte.");
    const QColor background(240, 240, 240);
    const QImage image = RenderInfoText(cap, 200, background);
    MarkupCanvas c;
    int y = 0;
    for (const QString& line : cap.split(QRegularExpression(QStringLiteral("\r\n|\r|\n"))))
        y = RenderMarkupLine(c, 200, 0, 0, y, line, kInfoTextPoints, 0, MarkupInfo, false,
                             Qt::black, true);
    EXPECT_EQ(image.size(), QSize(200, y));
    EXPECT_GT(y, 6 * QFontMetrics(ArialPixels(19)).height()); // five paragraphs, one wrapped
    EXPECT_EQ(Pixel(image, 199, 0), background);
    const QRect ink = InkBox(image, background);
    EXPECT_FALSE(ink.isEmpty());
    EXPECT_LE(ink.right(), 199);
    // An empty text still gives a usable bitmap.
    EXPECT_FALSE(RenderInfoText(QString(), 0, background).isNull());
}
