// The object editor driven through its window and the view's mouse, as an author works:
// a new query label typed, dragged by its card, styled, duplicated and deleted, saved and
// read back; every step undone and redone.
#include "authoring/authoring.h"
#include "authoring/newdocument.h"
#include "authoring/objectedittool.h"
#include "authoring/objecttypes.h"
#include "authoring/widgets/tobjeditneuform.h"
#include "document/docfile.h"
#include "support/scriptedprompter.h"
#include "view/learnview.h"
#include "view/pointertools.h"
#include "view/widgets/tlernviewwidget.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace bw;

namespace {

struct EditorFixture : ::testing::Test {
    bw::test::ScriptedPrompter prompter;
    Document doc;
    DocumentEditor editor{doc};
    LearnView view{doc};
    Authoring authoring{editor};
    TLernViewWidget widget{view, nullptr};
    ToolManager tools;
    PointerTool* pointer = new PointerTool;
    ObjectEditTool tool;
    TObjEditneuForm form{authoring, editor, view};

    void SetUp() override {
        QImage base(1000, 700, QImage::Format_RGB32);
        base.fill(Qt::white);
        MakeNewDocument(doc, 0, {0, 10, 7}, base, {}, {});
        editor.DocumentReplaced();
        QObject::connect(&editor, &DocumentEditor::objectChanged, &view, &LearnView::ObjectEdited);
        for (auto s : {&DocumentEditor::objectInserted, &DocumentEditor::objectRemoved})
            QObject::connect(&editor, s, &view, [this] { view.RedrawView(); });
        tools.addTool(pointer);
        widget.setToolManager(&tools);
        widget.setDocumentEditor(&editor);
        widget.resize(870, 609);
        view.SetViewSize(870, 609);
        view.editorOpen = true;
        pointer->setOverride(&tool, &widget);
        QObject::connect(&tool, &ObjectEditTool::objectClicked, &form,
                         &TObjEditneuForm::ShowObject);
        QObject::connect(&tool, &ObjectEditTool::dragged, &form, &TObjEditneuForm::ShowDragged);
        QObject::connect(&tool, &ObjectEditTool::dropped, &form, &TObjEditneuForm::ShowDropped);
        form.chooseColour = [](const QColor&) { return QColor(0x11, 0x22, 0x33); };
        form.show();
        view.RedrawView();
    }

    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers mods = {}) {
        const Qt::MouseButton b = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(type, QPointF(at), widget.mapToGlobal(QPointF(at)), b, buttons, mods);
        QApplication::sendEvent(&widget, &e);
    }
    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers mods = {}) {
        Mouse(QEvent::MouseMove, from, Qt::NoButton);
        Mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, mods);
        for (int i = 1; i <= 4; ++i)
            Mouse(QEvent::MouseMove, from + (to - from) * i / 4, Qt::LeftButton, mods);
        Mouse(QEvent::MouseButtonRelease, to, Qt::NoButton, mods);
    }
    QPoint CardCentre(int index) {
        return view.PageRectToView(view.Card(index).KRect).center() + widget.bitmapOffset();
    }
};

bool SameObjects(const std::vector<ObjDataTyp>& a, const std::vector<ObjDataTyp>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!SameStoredFields(a[i], b[i])) return false;
    return true;
}

} // namespace

TEST_F(EditorFixture, ANewQueryLabelStartsWhereTheViewShowsItWithItsTextSelected) {
    form.NewObject(0);
    ASSERT_EQ(doc.ObjectCount(), 1);
    const ObjDataTyp& o = doc.CurrentObjects[0];
    EXPECT_DOUBLE_EQ(o.Sx, 0.1);
    EXPECT_DOUBLE_EQ(o.Sy, 0.15);
    EXPECT_DOUBLE_EQ(o.Kx, 0.4);
    EXPECT_DOUBLE_EQ(o.Ky, 0.15);
    EXPECT_EQ(o.Cap, QStringLiteral("NEU"));
    EXPECT_EQ(o.Ebene, 1);
    EXPECT_EQ(form.SelectedIndex(), 0);
    EXPECT_EQ(form.BezMemo->textCursor().selectedText(), QStringLiteral("NEU"));
    EXPECT_TRUE(form.TypeButtons[0]->isChecked());
    EXPECT_EQ(form.SxEdit->value(), 1000);
    EXPECT_EQ(form.KxEdit->value(), 4000);
    EXPECT_EQ(editor.undoStack().count(), 1); // making it is one step
}

TEST_F(EditorFixture, TypedStyledDraggedDuplicatedDeletedSavedAndUndone) {
    std::vector<std::vector<ObjDataTyp>> states{doc.CurrentObjects};
    auto step = [&] { states.push_back(doc.CurrentObjects); };

    form.NewObject(0);
    step();
    QTest::keyClicks(form.BezMemo, QStringLiteral("Rhein"));
    EXPECT_EQ(doc.CurrentObjects[0].Cap, QStringLiteral("Rhein"));
    step();
    form.FsizeCombo->setCurrentIndex(12); // "+4"
    step();
    form.FettCheck->setChecked(true);
    step();
    form.UnterstrichenCheck->setChecked(true);
    step();
    form.SchriftfarbeBtn->click();
    step();
    form.KAusrCombo->setCurrentIndex(3); // "links"
    EXPECT_EQ(doc.CurrentObjects[0].KAusrAkt, 3);
    step();
    form.TAusrCombo->setCurrentIndex(1);
    step();

    // Drag the card by 100 x 60 pixels: one step, landing on the 0.01 grid.
    view.RedrawView();
    const QPoint c = CardCentre(0);
    const int before = editor.undoStack().count();
    Drag(c, c + QPoint(100, 60));
    EXPECT_EQ(editor.undoStack().count(), before + 1);
    const ObjDataTyp& o = doc.CurrentObjects[0];
    EXPECT_NEAR(o.Kx, 0.4 + 100.0 / view.PageBitmap().width(), 0.006);
    EXPECT_DOUBLE_EQ(o.Kx * 100, std::round(o.Kx * 100));
    EXPECT_DOUBLE_EQ(o.Ky * 100, std::round(o.Ky * 100));
    EXPECT_EQ(form.KxEdit->value(), ToUnits(o.Kx));
    EXPECT_DOUBLE_EQ(o.Sx, 0.1); // the position point stays
    step();

    form.CopyBtnClick();
    ASSERT_EQ(doc.ObjectCount(), 2);
    EXPECT_EQ(doc.CurrentObjects[1].Cap, QStringLiteral("KOPIE von Rhein"));
    EXPECT_EQ(form.SelectedIndex(), 1);
    step();
    prompter.answers = {YesNoCancel::Yes};
    form.EntfBtnClick();
    EXPECT_EQ(prompter.texts("yesno").value(0),
              QStringLiteral(
                  "Soll die Beschriftung \"KOPIE von Rhein\" (ID 1) wirklich gelöscht werden?"));
    EXPECT_EQ(doc.ObjectCount(), 1);
    EXPECT_EQ(form.SelectedIndex(), -1);
    step();

    // Saved and read back: every field as the controls showed it.
    form.ShowObject(0);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("rhein.bwk"));
    ASSERT_TRUE(WriteDocumentFile(path, doc).ok);
    Document back;
    ASSERT_TRUE(ReadDocumentFile(path, back, true).ok);
    ASSERT_EQ(back.ObjectCount(), 1);
    const ObjDataTyp& r = back.CurrentObjects[0];
    EXPECT_EQ(ToUnits(r.Sx), form.SxEdit->value());
    EXPECT_EQ(ToUnits(r.Sy), form.SyEdit->value());
    EXPECT_EQ(ToUnits(r.Kx), form.KxEdit->value());
    EXPECT_EQ(ToUnits(r.Ky), form.KyEdit->value());
    EXPECT_EQ(r.Cap, form.BezMemo->toPlainText());
    EXPECT_EQ(r.Fsize, form.FsizeCombo->currentIndex() - 8);
    EXPECT_EQ(r.Fsize, 4);
    EXPECT_EQ(r.Stil, 1 + 4);
    EXPECT_EQ(r.Farbe, 0x332211); // 0x00BBGGRR
    EXPECT_EQ(r.KAusr, 3);
    EXPECT_EQ(r.KAusrAkt, 3);
    EXPECT_EQ(r.TAusr, 1);
    EXPECT_EQ(r.Ebene, form.EbeneCombo->currentIndex());
    EXPECT_EQ(r.Typ, TypAbfrage);

    // Undo walks back through every state exactly, redo forward again.
    for (int i = int(states.size()) - 2; i >= 0; --i) {
        editor.undoStack().undo();
        EXPECT_TRUE(SameObjects(doc.CurrentObjects, states[i])) << "undo to state " << i;
    }
    EXPECT_FALSE(editor.IsModified());
    for (std::size_t i = 1; i < states.size(); ++i) {
        editor.undoStack().redo();
        EXPECT_TRUE(SameObjects(doc.CurrentObjects, states[i])) << "redo to state " << i;
    }
}

TEST_F(EditorFixture, UndoUnderTheOpenEditorShowsTheObjectAsItWas) {
    form.NewObject(0);
    QTest::keyClicks(form.BezMemo, QStringLiteral("Po"));
    form.FettCheck->setChecked(true);
    editor.undoStack().undo();
    EXPECT_FALSE(form.FettCheck->isChecked());
    // A later change is stored onto the undone state, not onto what the controls showed.
    form.KursivCheck->setChecked(true);
    EXPECT_EQ(doc.CurrentObjects[0].Stil, 2);
    EXPECT_EQ(doc.CurrentObjects[0].Cap, QStringLiteral("Po"));
    // Undoing the new object clears the selection.
    while (editor.undoStack().canUndo())
        editor.undoStack().undo();
    EXPECT_EQ(doc.ObjectCount(), 0);
    EXPECT_EQ(form.SelectedIndex(), -1);
    EXPECT_TRUE(form.HinweisLab->isVisibleTo(&form));
}

TEST_F(EditorFixture, ChangingTheTypeMovesTheLayerOnlyForQueryObjectsAndPoints) {
    form.NewObject(2); // fixed label
    EXPECT_EQ(doc.CurrentObjects[0].Typ, TypFix);
    form.TypeButtons[4]->click(); // info point
    EXPECT_EQ(doc.CurrentObjects[0].Typ, TypInfopunkt);
    EXPECT_EQ(doc.CurrentObjects[0].Ebene, 2);
    EXPECT_EQ(form.PosLab->text(), QStringLiteral("Punktposition:"));
    EXPECT_TRUE(form.TestBtn->isEnabled());
    const int steps = editor.undoStack().count();
    form.TypeButtons[2]->click(); // back to a fixed label: stays on layer 2
    EXPECT_EQ(doc.CurrentObjects[0].Ebene, 2);
    EXPECT_EQ(editor.undoStack().count(), steps + 1); // type and layer in one step
    EXPECT_FALSE(form.TestBtn->isEnabled());
}

TEST_F(EditorFixture, GridMovesAndSnapChangeOnlyTheCardPoint) {
    form.NewObject(0);
    form.KxEdit->setValue(4350);
    form.MoveCard(1, 0);
    EXPECT_EQ(form.KxEdit->value(), 4400);
    form.MoveCard(1, 0);
    EXPECT_EQ(form.KxEdit->value(), 4500);
    form.KxEdit->setValue(4350);
    form.MoveCard(-1, 0);
    EXPECT_EQ(form.KxEdit->value(), 4300);
    form.KyEdit->setValue(1551);
    form.AmRasterausrichten1Click();
    EXPECT_EQ(form.KyEdit->value(), 1600);
    EXPECT_DOUBLE_EQ(doc.CurrentObjects[0].Ky, 0.16);
    EXPECT_DOUBLE_EQ(doc.CurrentObjects[0].Sx, 0.1);
}

TEST_F(EditorFixture, DraggingWithCtrlKeepsTheExactDropAndTheAnchorFollowsItsHandle) {
    form.NewObject(0);
    view.RedrawView();
    const QPoint c = CardCentre(0);
    Drag(c, c + QPoint(37, 13), Qt::ControlModifier);
    const double kx = doc.CurrentObjects[0].Kx;
    EXPECT_NEAR(kx, 0.4 + 37.0 / view.PageBitmap().width(), 1e-9);
    EXPECT_NE(kx * 100, std::round(kx * 100));

    // The position point is grabbed by its handle and lands on the grid.
    const QPoint s = view.PageToView({0.1, 0.15}).toPoint() + widget.bitmapOffset();
    const EditHandle h = HitTestEditHandle(view, s - widget.bitmapOffset());
    EXPECT_EQ(h.part, EditHandle::Anchor);
    Drag(s, s + QPoint(50, 80));
    EXPECT_DOUBLE_EQ(doc.CurrentObjects[0].Sx * 100, std::round(doc.CurrentObjects[0].Sx * 100));
    EXPECT_GT(doc.CurrentObjects[0].Sy, 0.2);
    EXPECT_DOUBLE_EQ(doc.CurrentObjects[0].Kx, kx);
}

TEST_F(EditorFixture, AClickSelectsAndAClickBesideClearsTheSelection) {
    form.NewObject(0);
    form.NewObject(2);
    form.KyEdit->setValue(6000);
    form.SyEdit->setValue(6000);
    view.RedrawView();
    const QPoint c = CardCentre(0);
    Mouse(QEvent::MouseButtonPress, c, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, c, Qt::NoButton);
    EXPECT_EQ(form.SelectedIndex(), 0);
    const int steps = editor.undoStack().count();
    Mouse(QEvent::MouseButtonPress, QPoint(800, 550), Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, QPoint(800, 550), Qt::NoButton);
    EXPECT_EQ(form.SelectedIndex(), -1);
    EXPECT_EQ(editor.undoStack().count(), steps); // selecting changes nothing
}

TEST_F(EditorFixture, PicturesComeFromFilesWithTheRightExtensionOnly) {
    form.NewObject(1); // query picture
    EXPECT_TRUE(form.BildPanel->isVisibleTo(&form));
    QTemporaryDir dir;
    QImage img(40, 30, QImage::Format_RGB32);
    img.fill(Qt::red);
    const QString jpg = dir.filePath(QStringLiteral("bild.JPG"));
    ASSERT_TRUE(img.save(jpg, "JPG"));
    const QString gif = dir.filePath(QStringLiteral("bild.gif"));
    QFile(jpg).copy(gif);
    prompter.fileAnswers = {gif, jpg};
    form.BildAusDateiEinfuegenBtnClick();
    EXPECT_EQ(prompter.texts("error").value(0),
              QStringLiteral("Öffnen fehlgeschlagen wegen ungültiger Dateinamenserweiterung."));
    EXPECT_TRUE(doc.CurrentObjects[0].Bild.isNull());
    form.BildAusDateiEinfuegenBtnClick();
    ASSERT_FALSE(doc.CurrentObjects[0].Bild.isNull());
    EXPECT_EQ(doc.CurrentObjects[0].Bild.width(), 40);
}

TEST_F(EditorFixture, ACardDraggedAcrossItsAnchorChangesSidesAndStaysUnderThePointer) {
    form.NewObject(0);
    form.SxEdit->setValue(5000);
    form.KxEdit->setValue(7000);
    view.RedrawView();
    ASSERT_EQ(doc.CurrentObjects[0].KAusr, 0);
    EXPECT_EQ(doc.CurrentObjects[0].KAusrAkt, 1); // right of its card point
    const QPoint c = CardCentre(0);
    const int s = view.PageToView({0.5, 0.15}).toPoint().x() + widget.bitmapOffset().x();
    const QPoint to(s - 150, c.y());
    Drag(c, to);
    EXPECT_EQ(doc.CurrentObjects[0].KAusrAkt, 3); // now left of it
    view.RedrawView();
    EXPECT_NEAR(CardCentre(0).x(), to.x(), 8);
    // Undo gives back the side too.
    editor.undoStack().undo();
    EXPECT_EQ(doc.CurrentObjects[0].KAusrAkt, 1);
    EXPECT_DOUBLE_EQ(doc.CurrentObjects[0].Kx, 0.7);
}

TEST_F(EditorFixture, EveryCaptionShowsWholeAtTheSmallestSize) {
    // The editor without an object, and with an object of every type.
    for (int type = -1; type < kTypeIndexCount; ++type) {
        if (type >= 0) form.NewObject(type);
        ASSERT_FALSE(form.IsLarge());
        ASSERT_EQ(form.size(), TObjEditneuForm::kSmallSize);
        QApplication::processEvents();
        for (QWidget* w : form.findChildren<QWidget*>()) {
            const auto* label = qobject_cast<QLabel*>(w);
            const auto* button = qobject_cast<QAbstractButton*>(w);
            if (!w->isVisibleTo(&form) || (!label && !button)) continue;
            const QString caption = label ? label->text() : button->text();
            if (caption.isEmpty() || (label && label->wordWrap())) continue;
            const std::string what = std::to_string(type) + " \"" + caption.toStdString() + "\"";
            EXPECT_TRUE(form.rect().contains(QRect(w->mapTo(&form, QPoint(0, 0)), w->size())))
                << what;
            const QFontMetrics fm(w->font());
            EXPECT_GE(w->height(), fm.height()) << what;
            if (qobject_cast<const QPushButton*>(w) || qobject_cast<const QToolButton*>(w)) {
                // Push and tool buttons: the text with a little room at both ends.
                EXPECT_GE(w->width(), fm.size(Qt::TextShowMnemonic, caption).width() + 6) << what;
            } else {
                // Labels and check boxes: all their content.
                EXPECT_GE(w->width(), w->sizeHint().width()) << what;
            }
        }
    }
}

TEST_F(EditorFixture, ALinkPathLeftUnfinishedIsNotStoredWhileTheEditorIsDestroyed) {
    // The program ends with the editor's link field in focus: losing the focus as the window
    // goes must not run the editor's change handling any more.
    auto* other = new TObjEditneuForm(authoring, editor, view);
    other->show();
    QApplication::setActiveWindow(other);
    other->NewObject(5);
    const int n = doc.ObjectCount() - 1;
    ASSERT_GE(n, 0);
    const ObjDataTyp before = doc.CurrentObjects[n];
    other->DateiEdit->setText(QStringLiteral("halb-getippt.txt"));
    ASSERT_TRUE(other->DateiEdit->hasFocus());
    const int steps = editor.undoStack().count();
    delete other;
    EXPECT_TRUE(SameStoredFields(doc.CurrentObjects[n], before));
    EXPECT_EQ(editor.undoStack().count(), steps);
}
