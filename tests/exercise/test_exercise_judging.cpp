// Judging releases: equal texts, images, the two passes of the target search, the exact
// log lines of each document type and mode.

#include "exercise/cardtext.h"
#include "exerciserig.h"

#include <gtest/gtest.h>

namespace bw::test {
namespace {

TEST(NormalizeCardText, JoinsSoftHyphenationAndKeepsRealHyphens) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"Nord-\r\namerika", "Nordamerika"},  // a lower-case letter follows: soft hyphen
        {"Nord-\r\nAmerika", "Nord-Amerika"}, // capital: the hyphen stays
        {"Jahr-\r\n2000", "Jahr-2000"},       // digits equal their upper case too
        {"ende-\r\n", "ende-"},               // nothing follows the break
        {"a\r\nb\nc\rd", "a b c d"},
        {"a    b", "a  b"}, // one pass: four blanks become two
        {"  \tRom\r\n ", "Rom"},
        {"Ost-\r\nsee-\r\nkueste", "Ostseekueste"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NormalizeCardText(QString::fromUtf8(c.in)), QString::fromUtf8(c.out)) << c.in;
}

TEST(ExerciseJudging, EqualTextsAreInterchangeable) {
    ExerciseRig rig;
    const int a = rig.Add(TypAbfrage, QStringLiteral("Fluss"), 0.2, 0.2);
    const int b = rig.Add(TypAbfrage, QStringLiteral("Fluss"), 0.2, 0.7);
    ASSERT_TRUE(rig.Start());
    EXPECT_EQ(rig.Move(QStringLiteral("drop %1 %2").arg(a).arg(b)), ExerciseDriver::Result::Done);
    EXPECT_EQ(rig.ex->ueb.RightCount, 1);
    EXPECT_EQ(rig.State(b), Aufgedeckt);
    EXPECT_EQ(rig.State(a), StateOffen);
    // The other card now stands for the field still open and is judged right there.
    EXPECT_EQ(rig.Move(QStringLiteral("drop %1 %2").arg(a).arg(a)), ExerciseDriver::Result::Done);
    EXPECT_EQ(rig.ex->ueb.RightCount, 2);
    EXPECT_EQ(rig.ex->ueb.WrongCount, 0);
    EXPECT_EQ(rig.ex->ueb.EndReason, EndFinished);
}

TEST(ExerciseJudging, SingleTextsOffersTheRemainingCardAfterAnEqualTextSwap) {
    ExerciseRig rig;
    rig.ex->options.AbfrageModus = ModusEinzelTexte;
    const int a = rig.Add(TypAbfrage, QStringLiteral("Fluss"), 0.2, 0.2);
    const int b = rig.Add(TypAbfrage, QStringLiteral("Fluss"), 0.2, 0.7);
    ASSERT_TRUE(rig.Start());
    const int first = rig.VisibleCardObject();
    const int other = first == a ? b : a;
    rig.Move(QStringLiteral("drop %1 %2").arg(first).arg(other));
    EXPECT_EQ(rig.ex->ueb.OpenCount, 1);
    // A card is offered although its own field was taken by the first card.
    EXPECT_EQ(rig.VisibleCardObject(), first);
    rig.Move(QStringLiteral("drop %1 %2").arg(first).arg(first));
    EXPECT_EQ(rig.ex->ueb.EndReason, EndFinished);
}

TEST(ExerciseJudging, ImageCardsNeverMatchEachOther) {
    ExerciseRig rig;
    const int a = rig.Add(TypAbfrageBild, QStringLiteral("Bild"), 0.2, 0.2);
    const int b = rig.Add(TypAbfrageBild, QStringLiteral("Bild"), 0.6, 0.6);
    ASSERT_TRUE(rig.Start());
    rig.Move(QStringLiteral("drop %1 %2").arg(a).arg(b));
    EXPECT_EQ(rig.ex->ueb.WrongCount, 1);
    EXPECT_EQ(rig.ex->ueb.RightCount, 0);
    EXPECT_EQ(rig.doc.CurrentObjects[b].FehlerPos, 1);
    EXPECT_EQ(rig.doc.CurrentObjects[a].FehlerKarte, 1);
    // The random keys live in the run: the document's captions stay as written.
    EXPECT_EQ(rig.doc.CurrentObjects[a].Cap, QStringLiteral("Bild"));
    EXPECT_TRUE(rig.ex->ObjectText(a).endsWith(QStringLiteral(" (Zufallskennung für Bild)")));
    EXPECT_NE(rig.ex->ObjectText(a), rig.ex->ObjectText(b));
    rig.Move(QStringLiteral("drop %1 %2").arg(a).arg(a));
    EXPECT_EQ(rig.ex->ueb.RightCount, 1);
}

// Field rectangles set by hand so the geometry of the test is plain.
void PlaceField(ExerciseRig& rig, int i, DoubleRect r) {
    CardPlacement c;
    c.KRect = r;
    rig.view->PlaceCard(i, c);
}

QRect CardAt(ExerciseRig& rig, double x, double y) {
    return QRect(rig.ex->PageToPanel({x, y}), QSize(kCardWidth, kCardHeight));
}

TEST(ExerciseFindTarget, LeftEdgeMiddleWinsOverAnEarlierOverlappingField) {
    ExerciseRig rig;
    const int early = rig.Add(TypAbfrage, QStringLiteral("A"), 0.1, 0.1);
    const int late = rig.Add(TypAbfrage, QStringLiteral("B"), 0.5, 0.5);
    ASSERT_TRUE(rig.Start());
    const QRect card = CardAt(rig, 0.40, 0.40);
    const QPointF mid = rig.ex->PanelToPage(QPointF(card.left(), card.center().y()));
    const QPointF far = rig.ex->PanelToPage(card.bottomRight());
    // "late" holds the middle of the card's left edge; "early" only a corner of the card.
    PlaceField(rig, late, {mid.x() - 0.01, mid.y() - 0.01, mid.x() + 0.01, mid.y() + 0.01});
    PlaceField(rig, early, {far.x() - 0.02, far.y() - 0.02, far.x() + 0.05, far.y() + 0.05});
    EXPECT_EQ(rig.ex->FindTarget(card), late);
    // Without the pass-1 field, the corner overlap decides.
    PlaceField(rig, late, {0.9, 0.9, 0.95, 0.95});
    EXPECT_EQ(rig.ex->FindTarget(card), early);
    // A field lying wholly inside the card (its corners in the card) counts as well.
    const QPointF c = rig.ex->PanelToPage(card.center());
    PlaceField(rig, early, {c.x() - 0.005, c.y() - 0.005, c.x() + 0.005, c.y() + 0.005});
    EXPECT_EQ(rig.ex->FindTarget(card), early);
    PlaceField(rig, early, {0.0, 0.0, 0.01, 0.01});
    EXPECT_EQ(rig.ex->FindTarget(card), -1);
}

TEST(ExerciseFindTarget, OnlyOpenNumberedFieldsAndInSinglePositionsOnlyTheAskedOne) {
    ExerciseRig rig;
    rig.ex->options.AbfrageModus = ModusEinzelPositionen;
    const int a = rig.Add(TypAbfrage, QStringLiteral("A"), 0.2, 0.2);
    const int b = rig.Add(TypAbfrage, QStringLiteral("B"), 0.2, 0.6);
    ASSERT_TRUE(rig.Start());
    const int asked = rig.ex->order[rig.ex->ueb.CurrentIndex].Position;
    const int notAsked = asked == a ? b : a;
    EXPECT_TRUE(rig.ex->IsCandidate(asked));
    EXPECT_FALSE(rig.ex->IsCandidate(notAsked));
    EXPECT_EQ(rig.view->exercise.askedObject, asked);
    // dropat puts the card's corner on the field: FindTarget decides.
    const DoubleRect k = rig.view->Card(asked).KRect;
    rig.Move(QStringLiteral("dropat %1 %2 %3").arg(notAsked).arg(k.left).arg(k.top));
    EXPECT_EQ(rig.ex->ueb.WrongCount, 1);
    EXPECT_EQ(rig.State(asked), StateOffen);
}

TEST(ExerciseJudging, DropAtOnTheRightFieldIsJudgedRight) {
    ExerciseRig rig;
    const int a = rig.Add(TypAbfrage, QStringLiteral("Hamburg"), 0.3, 0.3);
    rig.Add(TypAbfrage, QStringLiteral("Bremen"), 0.7, 0.8);
    ASSERT_TRUE(rig.Start());
    const DoubleRect k = rig.view->Card(a).KRect;
    const double midY = (k.top + k.bottom) / 2;
    // The card's top-left so that the middle of its left edge lies in the field.
    const double cardHalf = double(kCardHeight) / 2 / rig.view->ViewImage().height();
    rig.Move(QStringLiteral("dropat %1 %2 %3").arg(a).arg(k.left + 0.001).arg(midY - cardHalf));
    EXPECT_EQ(rig.ex->ueb.RightCount, 1);
    EXPECT_EQ(rig.State(a), Aufgedeckt);
    EXPECT_EQ(rig.ex->CardOfObject(a), -1);
}

struct LogCase {
    int dokTyp;
    int modus;
    const char* right;
    const char* wrong;
};

TEST(ExerciseLog, ExactLinesForEachDocumentTypeAndMode) {
    const LogCase cases[] = {
        {0, 0, "RICHTIG - Text-/Bildkärtchen \"Alpen\" wird der richtigen Position zugeordnet",
         "FALSCH - Text-/Bildkärtchen \"Alpen\" wird der Position von \"Harz\" zugeordnet"},
        {0, 1, "RICHTIG - Text-/Bildkärtchen \"Alpen\" wird richtig zugeordnet",
         "FALSCH - Text-/Bildkärtchen \"Alpen\" wird der Position von \"Harz\" zugeordnet"},
        {0, 2,
         "RICHTIG - Der Position von \"Alpen\" wird das richtige Text-/Bildkärtchen zugeordnet",
         "FALSCH - Der Position von \"Harz\" wird das Text-/Bildkärtchen \"Alpen\" zugeordnet"},
        {1, 0, "RICHTIG - Lückentext \"Alpen\" wird der richtigen Lücke zugeordnet",
         "FALSCH - Lückentext \"Alpen\" wird der Lücke von \"Harz\" zugeordnet"},
        {1, 1, "RICHTIG - Lückentext \"Alpen\" wird richtig zugeordnet",
         "FALSCH - Lückentext \"Alpen\" wird der Lücke von \"Harz\" zugeordnet"},
        {1, 2, "RICHTIG - Der Lücke \"Alpen\" wird der richtige Lückentext zugeordnet",
         "FALSCH - Der Lücke \"Harz\" wird der Lückentext \"Alpen\" zugeordnet"},
    };
    for (const LogCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "DokTyp " << c.dokTyp << " mode " << c.modus);
        const int typ = c.dokTyp == 1 ? TypLuecke : TypAbfrage;
        {
            ExerciseRig rig(c.dokTyp);
            rig.ex->options.AbfrageModus = c.modus;
            const int alpen = rig.Add(typ, QStringLiteral("Alpen"), 0.2, 0.2);
            rig.Add(typ, QStringLiteral("Har-\r\nz"), 0.2, 0.6);
            ASSERT_TRUE(rig.Start());
            // Cards alphabetical and positions top to bottom: entry 0 is Alpen's twice.
            QStringList expected{QStringLiteral("00:00 - Übung wird gestartet")};
            if (c.modus == 1)
                expected << (c.dokTyp == 1
                                 ? QStringLiteral("00:00 - Lückentext \"Alpen\" soll der "
                                                  "richtigen Lücke zugeordnet werden")
                                 : QStringLiteral("00:00 - Text-/Bildkärtchen \"Alpen\" soll "
                                                  "der richtigen Position zugeordnet werden"));
            if (c.modus == 2)
                expected << (c.dokTyp == 1
                                 ? QStringLiteral("00:00 - Der Lücke \"Alpen\" soll der "
                                                  "richtige Lückentext zugeordnet werden")
                                 : QStringLiteral("00:00 - Der Position \"Alpen\" soll das "
                                                  "richtige Text- oder Bildkärtchen "
                                                  "zugeordnet werden"));
            EXPECT_EQ(rig.Log(), expected);
            rig.clock.Advance(65'000);
            rig.Move(QStringLiteral("drop %1 %2").arg(alpen).arg(alpen));
            EXPECT_EQ(rig.Log().value(expected.size()),
                      QStringLiteral("01:05 - ") + QString::fromUtf8(c.right));
        }
        {
            // For single positions the asked field must be the wrong one: Harz on top.
            ExerciseRig rig(c.dokTyp);
            rig.ex->options.AbfrageModus = c.modus;
            const double alpenY = c.modus == 2 ? 0.6 : 0.2;
            const int alpen = rig.Add(typ, QStringLiteral("Alpen"), 0.2, alpenY);
            const int harz = rig.Add(typ, QStringLiteral("Har-\r\nz"), 0.2, 0.8 - alpenY);
            ASSERT_TRUE(rig.Start());
            rig.Move(QStringLiteral("drop %1 %2").arg(alpen).arg(harz));
            EXPECT_EQ(rig.ex->ueb.WrongCount, 1);
            EXPECT_TRUE(rig.Log().contains(QStringLiteral("00:00 - ") + QString::fromUtf8(c.wrong)))
                << rig.ex->ueb.LogText.toStdString();
        }
    }
}

} // namespace
} // namespace bw::test
