// The document editor as the view and the window meet it: edits reach the view through
// signals, undo brings the saved state back, and several listeners coexist.
#include "document/documenteditor.h"
#include "viewfixtures.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace bw;
using namespace bw::test;

namespace {

struct EditorFixture : ::testing::Test {
    Document doc = PlainDocument(870, 600);
    LearnView view{doc};
    DocumentEditor editor{doc};
    int moved = -1, other = -1;

    void SetUp() override {
        moved = AddObject(doc, TypAbfrage, QStringLiteral("Rhein"), 0.2, 0.2);
        other = AddObject(doc, TypAbfrage, QStringLiteral("Elbe"), 0.7, 0.7);
        view.SetViewSize(870, 600);
        view.RedrawView();
        QObject::connect(&editor, &DocumentEditor::objectChanged, &view, &LearnView::ObjectEdited);
    }
};

} // namespace

TEST_F(EditorFixture, AnEditRedrawsJustItsObjectAndUndoRestoresTheSavedDocument) {
    const std::vector<ObjDataTyp> saved = doc.CurrentObjects;
    const QRect before = BoxOf(view, moved);
    const QRect untouched = BoxOf(view, other);
    const QImage otherPixels = view.PageBitmap().copy(untouched);
    QSignalSpy rects(&view, &LearnView::viewRectChanged);
    QSignalSpy shown(&view, &LearnView::viewShown);
    QSignalSpy modified(&editor, &DocumentEditor::modifiedChanged);

    ObjDataTyp o = doc.CurrentObjects[moved];
    o.Cap = QStringLiteral("Donau");
    o.Kx = o.Sx = 0.4;
    editor.SetObject(moved, o);

    EXPECT_TRUE(doc.CurrentHeader.Geaendert);
    ASSERT_EQ(modified.count(), 1);
    EXPECT_TRUE(modified.at(0).at(0).toBool());
    // Only the object's own old and new boxes reached the screen, never the whole view.
    EXPECT_EQ(shown.count(), 0);
    ASSERT_GE(rects.count(), 1);
    const QRect after = BoxOf(view, moved);
    EXPECT_NE(after, before);
    for (const auto& args : rects) {
        const QRect r = args.at(0).toRect();
        EXPECT_TRUE(r.intersects(after) || r.intersects(before)) << "unrelated repaint";
        EXPECT_FALSE(r.intersects(untouched));
    }
    EXPECT_EQ(view.PageBitmap().copy(untouched), otherPixels);
    // The old place is clean, the new place shows the card's covered fill.
    EXPECT_EQ(Pixel(view.PageBitmap(), before.center()), QColor(Qt::white));
    EXPECT_EQ(Pixel(view.PageBitmap(), after.left() + 2, after.top() + 2), QColor(202, 228, 255));

    editor.undoStack().undo();
    EXPECT_FALSE(doc.CurrentHeader.Geaendert);
    ASSERT_EQ(doc.CurrentObjects.size(), saved.size());
    EXPECT_EQ(doc.CurrentObjects[moved].Cap, saved[moved].Cap);
    EXPECT_EQ(doc.CurrentObjects[moved].Kx, saved[moved].Kx);
    EXPECT_EQ(BoxOf(view, moved), before);
    EXPECT_EQ(modified.count(), 2);

    editor.undoStack().redo();
    EXPECT_TRUE(doc.CurrentHeader.Geaendert);
    editor.MarkSaved();
    EXPECT_FALSE(doc.CurrentHeader.Geaendert);
    // Undoing past the save modifies the document again.
    editor.undoStack().undo();
    EXPECT_TRUE(doc.CurrentHeader.Geaendert);
}

TEST_F(EditorFixture, ASecondListenerDoesNotDisplaceTheFirst) {
    std::vector<int> first, second;
    QObject::connect(&editor, &DocumentEditor::objectChanged, [&](int i) { first.push_back(i); });
    QObject::connect(&editor, &DocumentEditor::objectChanged, [&](int i) { second.push_back(i); });
    QSignalSpy viewRepaints(&view, &LearnView::viewRectChanged);
    editor.MovePoint(other, DocumentEditor::Point::Card, 0.5, 0.5);
    EXPECT_EQ(first, std::vector<int>{other});
    EXPECT_EQ(second, std::vector<int>{other});
    EXPECT_GE(viewRepaints.count(), 1); // the view, connected first, still redraws
}

TEST_F(EditorFixture, ADragIsOneStepAndRuntimeStatesAreNoModification) {
    for (double x : {0.3, 0.35, 0.4, 0.45})
        editor.MovePoint(moved, DocumentEditor::Point::Anchor, x, 0.25);
    EXPECT_EQ(editor.undoStack().count(), 1);
    EXPECT_DOUBLE_EQ(doc.CurrentObjects[moved].Sx, 0.45);
    editor.undoStack().undo();
    EXPECT_DOUBLE_EQ(doc.CurrentObjects[moved].Sx, 0.2);
    EXPECT_FALSE(doc.CurrentHeader.Geaendert);

    QSignalSpy changed(&editor, &DocumentEditor::objectChanged);
    editor.SetRuntimeState(moved, Aufgedeckt);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_FALSE(doc.CurrentHeader.Geaendert);
    EXPECT_EQ(editor.undoStack().count(), 1);
}

TEST_F(EditorFixture, RemoveAndAddComeBackInPlaceWithTheirFields) {
    const ObjDataTyp first = doc.CurrentObjects[moved];
    editor.RemoveObject(moved);
    ASSERT_EQ(doc.ObjectCount(), 1);
    EXPECT_EQ(doc.CurrentObjects[0].Cap, QStringLiteral("Elbe"));
    editor.undoStack().undo();
    ASSERT_EQ(doc.ObjectCount(), 2);
    EXPECT_EQ(doc.CurrentObjects[moved].Cap, first.Cap);
    EXPECT_EQ(doc.CurrentObjects[moved].Kx, first.Kx);

    HeaderDataTyp h = doc.CurrentHeader;
    h.titel = QStringLiteral("Flüsse");
    editor.SetHeader(h);
    EXPECT_TRUE(doc.CurrentHeader.Geaendert);
    editor.undoStack().undo();
    EXPECT_TRUE(doc.CurrentHeader.titel.isEmpty());
    EXPECT_FALSE(doc.CurrentHeader.Geaendert);

    // A document read anew has no history to undo into.
    editor.AddObject(first);
    editor.DocumentReplaced();
    EXPECT_EQ(editor.undoStack().count(), 0);
    EXPECT_FALSE(doc.CurrentHeader.Geaendert);
}

TEST(ObjectTypes, TheTableGivesTheFieldKindsOfTheFileFormat) {
    std::vector<int> query, generated, clickable;
    for (int typ = -1; typ <= 30; ++typ) {
        if (IsQueryFieldType(typ)) query.push_back(typ);
        if (IsRuntimeLayoutType(typ)) generated.push_back(typ);
    }
    EXPECT_EQ(query, (std::vector<int>{0, 3, 6, 10, 24}));
    EXPECT_EQ(generated, (std::vector<int>{22, 23, 24, 25, 26, 27}));
    EXPECT_EQ(ObjectTraits(8), 0u); // unknown numbers from damaged files
    EXPECT_TRUE(IsAskedType(DokMultipleChoice, TypMCFrageBild));
    EXPECT_FALSE(IsAskedType(DokEinzelfragen, TypAbfrage));
}

TEST(DocumentEditorLifetime, GoingWithUnsavedStepsTellsNobody) {
    // The main window's listeners are gone by the time its document editor goes.
    Document doc;
    int heard = 0;
    {
        DocumentEditor editor(doc);
        QObject::connect(&editor, &DocumentEditor::modifiedChanged, [&](bool) { ++heard; });
        ObjDataTyp o;
        editor.AddObject(o);
        ASSERT_EQ(heard, 1);
    }
    EXPECT_EQ(heard, 1);
}
