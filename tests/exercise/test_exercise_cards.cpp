// The card controls of the exercise panel: the cursor a learner sees over them.

#include "common/cursors.h"
#include "exercise/widgets/exercisepanel.h"
#include "exerciserig.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace bw::test {
namespace {

QImage Picture(const QCursor& c) {
    return c.pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void Click(QWidget* w, QEvent::Type type, Qt::MouseButtons buttons) {
    const QPoint at(3, w->height() / 2);
    QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), Qt::LeftButton, buttons,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

TEST(ExerciseCards, LabelAndClozeCardsCarryTheDragCursorThroughADrag) {
    QPoint hot;
    const QImage drag = ProgramCursorImage(QStringLiteral("DRAGBLACK"), &hot);
    for (int dokTyp : {DokBildbeschriftung, DokLueckentext}) {
        ExerciseRig rig(dokTyp);
        rig.Add(TypAbfrage, QStringLiteral("Elbe"), 0.2, 0.2);
        rig.Add(TypAbfrage, QStringLiteral("Donau"), 0.5, 0.4);
        ASSERT_TRUE(rig.Start()) << dokTyp;
        ExercisePanel panel(*rig.ex, nullptr);
        panel.resize(900, 600);
        panel.SyncCards();
        TKarte* card = panel.card(0);
        ASSERT_NE(card, nullptr);
        EXPECT_EQ(card->cursor().shape(), Qt::BitmapCursor) << dokTyp;
        EXPECT_EQ(card->cursor().hotSpot(), hot) << dokTyp;
        EXPECT_EQ(Picture(card->cursor()), drag) << dokTyp;
        // Picking the card up and dropping it where nothing lies keeps the cursor.
        Click(card, QEvent::MouseButtonPress, Qt::LeftButton);
        Click(card, QEvent::MouseButtonRelease, Qt::NoButton);
        EXPECT_EQ(Picture(card->cursor()), drag) << dokTyp;
    }
}

TEST(ExerciseCards, AnswerCardsOfQuestionDocumentsCarryTheHand) {
    ExerciseRig rig(DokEinzelfragen);
    rig.doc.CurrentHeader.fragentext =
        QStringLiteral("Fluss durch Köln? // Rhein\nFluss durch Dresden? // Elbe");
    rig.view->SetViewSize(700, 600);
    rig.view->RedrawView();
    rig.view->BuildQuestionObjects(true);
    ASSERT_TRUE(rig.Start());
    ExercisePanel panel(*rig.ex, nullptr);
    panel.resize(900, 600);
    panel.SyncCards();
    ASSERT_FALSE(rig.ex->cards.empty());
    for (std::size_t i = 0; i < rig.ex->cards.size(); ++i)
        EXPECT_EQ(panel.card(int(i))->cursor().shape(), Qt::PointingHandCursor) << i;
}

} // namespace
} // namespace bw::test
