// A card's text is laid out once and kept; drawn again it must look as QPainter::drawText
// draws it.

#include "exercise/cardface.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <gtest/gtest.h>

using namespace bw;

namespace {

// The card as the painter alone draws it: the face without text, then drawText with the
// largest of 11..8 points at which the text fits.
QImage PainterCard(const QRect& r, const QString& text, CardColour colour, QSize size) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    PaintCardFace(p, r, QString(), QImage(), colour);
    const QRect box = r.adjusted(4, 2, -4, -2);
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    for (int pt = 11; pt >= 8; --pt) {
        f.setPointSize(pt);
        const QRect need = QFontMetrics(f).boundingRect(box, flags, text);
        if (pt == 8 || (need.width() <= box.width() && need.height() <= box.height())) break;
    }
    p.setFont(f);
    p.setPen(QColor(33, 33, 31));
    p.drawText(box, flags, text);
    return img;
}

QImage KeptCard(const QRect& r, const QString& text, CardColour colour, QSize size) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    PaintCardFace(p, r, text, QImage(), colour);
    return img;
}

} // namespace

TEST(CardFace, KeptTextLooksAsThePainterDrawsIt) {
    const QSize size(400, 200);
    const QString texts[] = {
        QStringLiteral("Berlin"),
        QStringLiteral("Ort Nummer 12 mit Äöüß"),
        QStringLiteral("Donaudampfschifffahrtsgesellschaftskapitän"), // wider than the card
        QStringLiteral("Zwei\nZeilen"),
        QStringLiteral("Ein sehr langer Kartentext, der auch bei acht Punkten nicht mehr in "
                       "die Karte passt und abgeschnitten wird"),
        QStringLiteral("x"),
        QStringLiteral("Zwei\r\nZeilen & mehr"),
    };
    const QRect cards[] = {QRect(10, 10, 120, 40), QRect(33, 57, 97, 31), QRect(5, 100, 300, 60)};
    for (const QString& text : texts)
        for (const QRect& r : cards)
            for (CardColour colour : {CardColour::Normal, CardColour::Right}) {
                // Twice: laid out on the first call, from the kept layout on the second.
                for (int round = 0; round < 2; ++round) {
                    const QImage kept = KeptCard(r, text, colour, size);
                    ASSERT_TRUE(kept == PainterCard(r, text, colour, size))
                        << qPrintable(text) << " in " << r.width() << "x" << r.height() << " round "
                        << round;
                }
            }
}

TEST(CardFace, TextsStartingWithBlanksAreStillDrawn) {
    // Such lines are left to the painter; the card must show the text all the same.
    const QRect r(10, 10, 160, 50);
    const QString text = QStringLiteral("  eingerückt\n  zweite");
    EXPECT_TRUE(KeptCard(r, text, CardColour::Normal, QSize(200, 80)) ==
                PainterCard(r, text, CardColour::Normal, QSize(200, 80)));
    EXPECT_FALSE(KeptCard(r, text, CardColour::Normal, QSize(200, 80)) ==
                 KeptCard(r, QString(), CardColour::Normal, QSize(200, 80)));
}
