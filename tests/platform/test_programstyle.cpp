// Group box titles with umlauts are drawn whole, and the box's contents stay below them.

#include "platform/widgets/programstyle.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QRadioButton>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace bw;

namespace {

// The rows of an image part that hold dark ink: first and last, (-1, -1) when none.
std::pair<int, int> InkRows(const QImage& img, const QRect& part) {
    int first = -1, last = -1;
    for (int y = part.top(); y <= part.bottom(); ++y)
        for (int x = part.left(); x <= part.right(); ++x)
            if (qGray(img.pixel(x, y)) < 128) {
                if (first < 0) first = y;
                last = y;
                break;
            }
    return {first, last};
}

QRect LabelRect(QGroupBox& box) {
    QStyleOptionGroupBox opt;
    opt.initFrom(&box);
    opt.text = box.title();
    opt.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    return box.style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, &box);
}

} // namespace

TEST(ProgramStyle, GroupTitlesWithUmlautsShowWholeAboveTheContents) {
    const QString title = QStringLiteral(" Übung wiederholen ");
    for (const QString& key : QStyleFactory::keys()) {
        ProgramStyle style(key);
        QGroupBox box(title);
        box.setStyle(&style);
        auto* layout = new QVBoxLayout(&box);
        auto* choice = new QRadioButton(QStringLiteral(" Komplett wiederholen "), &box);
        choice->setStyle(&style);
        layout->addWidget(choice);
        box.resize(box.sizeHint().expandedTo(QSize(300, 0)));
        const QImage shot = box.grab().toImage();

        // The same title painted with room all round: the box shows as many rows of ink.
        const QFontMetrics fm(box.font());
        QImage free(fm.horizontalAdvance(title) + 20, fm.height() * 3, QImage::Format_RGB32);
        free.fill(Qt::white);
        {
            QPainter p(&free);
            p.setFont(box.font());
            p.setPen(Qt::black);
            p.drawText(QPointF(10, fm.height() * 2), title);
        }
        const auto [freeTop, freeBottom] = InkRows(free, free.rect());
        // Ink above the title's own rectangle counts too: that is where accents go.
        const QRect label = LabelRect(box);
        const auto [top, bottom] =
            InkRows(shot, QRect(label.left(), 0, label.width(), label.bottom() + 1) & shot.rect());
        ASSERT_GE(top, 0) << key.toStdString();
        EXPECT_GT(top, 0) << key.toStdString() << ": the title touches the top edge";
        EXPECT_EQ(bottom - top, freeBottom - freeTop) << key.toStdString();
        EXPECT_GE(choice->geometry().top(), bottom) << key.toStdString();
    }
}

TEST(ProgramStyle, BoxesWithoutTitleKeepTheirPlaces) {
    ProgramStyle style(QStringLiteral("Fusion"));
    std::unique_ptr<QStyle> plain(QStyleFactory::create(QStringLiteral("Fusion")));
    QStyleOptionGroupBox opt;
    opt.rect = QRect(0, 0, 200, 100);
    opt.fontMetrics = QFontMetrics(QApplication::font());
    opt.subControls = QStyle::SC_GroupBoxFrame;
    for (auto sub : {QStyle::SC_GroupBoxFrame, QStyle::SC_GroupBoxContents})
        EXPECT_EQ(style.subControlRect(QStyle::CC_GroupBox, &opt, sub, nullptr),
                  plain->subControlRect(QStyle::CC_GroupBox, &opt, sub, nullptr));
    EXPECT_GE(ProgramStyle::AccentRoom(opt.fontMetrics), 0);
}
