// The drawing sheet in the main window: BlattBtn and its menu, the start screen, leaving the
// sheet, the tools while the object editor is open, and drawings across a resize.
#include "document/docfile.h"
#include "drawing/widgets/drawingcontrols.h"
#include "drawing/widgets/sheetmenu.h"
#include "shell/widgets/sheetcommands.h"
#include "shell/widgets/tform1.h"
#include "support/scriptedprompter.h"
#include "view/learnview.h"
#include "view/widgets/tlernviewwidget.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace bw;
using test::ScriptedPrompter;

namespace {

constexpr QRgb kGrey = 0xFFB8B8B8u;
const QColor kBlue(0, 0, 255);

struct SheetWindow : ::testing::Test {
    ScriptedPrompter p;
    TForm1 form{Edition::Autor};
    Workspace& ws = form.workspace();
    LearnView& view = form.view();

    void SetUp() override {
        form.SetDisplayOverride(1280, 1024, 32);
        ASSERT_TRUE(form.FormCreate());
        form.resize(1000, 700);
        form.show();
        form.FormActivate();
    }

    QAction* entry(const QString& caption) {
        for (QAction* a : form.sheets()->menu().menu()->findChildren<QAction*>())
            if (a->text() == caption) return a;
        ADD_FAILURE() << caption.toStdString();
        return nullptr;
    }

    void send(QEvent::Type type, QPoint bitmapPoint, Qt::MouseButton button,
              Qt::MouseButtons buttons) {
        TLernViewWidget* w = form.viewWidget();
        const QPoint at = bitmapPoint + w->bitmapOffset();
        QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, buttons,
                      Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    // A pen stroke with the mouse, in view-bitmap pixels.
    void stroke(QPoint from, QPoint to) {
        send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    }
    QColor viewPixel(QPoint p) { return view.ViewImage().pixelColor(p); }
    bool penIsCurrent() {
        return form.tools().currentTool() == form.drawing()->tools().tool(DrawTool::Pen);
    }
};

QString WriteDoc(const QTemporaryDir& dir, const QString& name, int dokTyp, int questions = 0) {
    Document d;
    d.CurrentHeader.titel = name;
    d.CurrentHeader.DokTyp = dokTyp;
    d.CurrentHeader.AnzFrageNummern = questions;
    d.AddGeneratedObject(0, 1, QStringLiteral("Brocken"), 0, 0, 0.5, 0.5, -1);
    const QString path = dir.filePath(name + QStringLiteral(".bwk"));
    EXPECT_TRUE(WriteDocumentFile(path, d).ok);
    return path;
}

} // namespace

TEST_F(SheetWindow, AMenuEntryOpensARuledSheetOfTheControlsSizeWithThePen) {
    ASSERT_TRUE(form.startInfoPan()->isVisible());
    ASSERT_TRUE(form.sidePanel().BlattBtn->isEnabled());
    form.sidePanel().BlattBtn->click();
    QMenu* menu = form.sheets()->menu().menu();
    ASSERT_TRUE(menu->isVisible());
    // Just below the button.
    EXPECT_EQ(
        menu->pos().y(),
        form.sidePanel().BlattBtn->mapToGlobal(QPoint(0, form.sidePanel().BlattBtn->height())).y());
    menu->hide();

    entry(QStringLiteral("Linien weit (10)"))->trigger();
    const QImage& base = ws.doc.BaseImage.image();
    EXPECT_EQ(base.size(), view.ViewSize());
    const int s = base.height() / 10;
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(base.pixel(base.width() / 2, k * s - 1), kGrey) << k;
    EXPECT_EQ(base.pixel(base.width() / 2, 0), 0xFFFFFFFFu);
    EXPECT_EQ(ws.doc.CurrentHeader.titel, QStringLiteral("Neues Zeichenblatt"));
    EXPECT_FALSE(ws.doc.CurrentHeader.Geaendert);
    EXPECT_TRUE(ws.doc.CurrentHeader.Datei.isEmpty());
    EXPECT_FALSE(form.startInfoPan()->isVisible());
    EXPECT_EQ(form.infoPanel().DokTitelLab->text(), QStringLiteral(" Neues Zeichenblatt"));
    EXPECT_TRUE(penIsCurrent());
    EXPECT_TRUE(form.sidePanel().StiftBtn->isChecked());
    // The ruling is on the screen, the page being the sheet.
    EXPECT_EQ(view.ViewImage().pixel(base.width() / 2, s - 1), kGrey);
    EXPECT_TRUE(p.shown.empty());
}

TEST_F(SheetWindow, TheRatioPresetShapesTheSheetExceptInTheBaseEdition) {
    ws.settings.DokSeitRatioNeuesBlattVollflaeche = false;
    ws.settings.DokSeitRatioBreite = 4;
    ws.settings.DokSeitRatioHoehe = 1;
    entry(QStringLiteral("Leeres Blatt"))->trigger();
    const QSize control = view.ViewSize();
    const QSize sheet = ws.doc.BaseImage.image().size();
    EXPECT_EQ(sheet, SheetSize(control, {1, 4, 1, false}, false));
    EXPECT_EQ(sheet.height(), control.height()); // a wide ratio covers the control's height
    EXPECT_EQ(sheet.width(), control.height() * 4);

    ScriptedPrompter basisPrompter;
    TForm1 basis(Edition::Basis);
    basis.SetDisplayOverride(1280, 1024, 32);
    basis.FormCreate();
    basis.resize(1000, 700);
    basis.show();
    basis.FormActivate();
    basis.workspace().settings = ws.settings;
    basis.sheets()->OpenSheet(SheetKind::Blank, 0);
    EXPECT_EQ(basis.workspace().doc.BaseImage.image().size(), basis.view().ViewSize());
}

TEST_F(SheetWindow, CancelInTheSaveQuestionKeepsTheDocument) {
    QTemporaryDir dir;
    const QString path = WriteDoc(dir, QStringLiteral("Harz"), 0);
    ASSERT_TRUE(ws.ReadDocument(path, true));
    ws.doc.CurrentHeader.Geaendert = true;
    p.answers = {YesNoCancel::Cancel};
    entry(QStringLiteral("Kariert groß (20)"))->trigger();
    EXPECT_EQ(p.count(QStringLiteral("yesnocancel")), 1);
    EXPECT_EQ(ws.doc.CurrentHeader.Datei, path);
    EXPECT_EQ(ws.doc.ObjectCount(), 1);
    EXPECT_TRUE(ws.doc.CurrentHeader.Geaendert);
}

TEST_F(SheetWindow, APressOnTheStartScreenOpensABlankSheet) {
    ASSERT_TRUE(form.startInfoPan()->isVisible());
    // The start-screen text lets the press through to the picture below it.
    const QPoint centre = form.startInfoPan()->rect().center();
    QWidget* under =
        form.startInfoPan()->parentWidget()->childAt(form.startInfoPan()->mapToParent(centre));
    EXPECT_EQ(under, form.viewWidget());
    send(QEvent::MouseButtonPress, {50, 50}, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, {50, 50}, Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(form.startInfoPan()->isVisible());
    EXPECT_EQ(ws.doc.CurrentHeader.titel, QStringLiteral("Neues Zeichenblatt"));
    EXPECT_EQ(ws.doc.BaseImage.image().size(), view.ViewSize());
    EXPECT_EQ(ws.doc.BaseImage.image().pixel(10, 10), 0xFFFFFFFFu);
    EXPECT_TRUE(penIsCurrent());
    // The press opened the sheet; it drew nothing on it.
    EXPECT_EQ(viewPixel({50, 50}), QColor(Qt::white));
}

TEST_F(SheetWindow, LeavingTheSheetGoesBackToTheDocumentShownBefore) {
    QTemporaryDir dir;
    const QString path = WriteDoc(dir, QStringLiteral("Rhein"), 0);
    ASSERT_TRUE(ws.ReadDocument(path, true));
    entry(QStringLiteral("Tabelle 6x2"))->trigger();
    ASSERT_EQ(ws.doc.CurrentHeader.titel, QStringLiteral("Neues Zeichenblatt"));
    QToolButton* leave = form.sidePanel().BlattVerlassenPan;
    ASSERT_TRUE(leave->isVisible());
    EXPECT_EQ(leave->toolTip(), QStringLiteral("Zeichenblatt verlassen"));
    leave->click();
    EXPECT_EQ(ws.doc.CurrentHeader.Datei, path);
    EXPECT_EQ(ws.doc.ObjectCount(), 1);
    EXPECT_FALSE(form.startInfoPan()->isVisible());
    // The chronicle question needs the chronicle; without it nothing is asked.
    EXPECT_TRUE(p.shown.empty());
}

TEST_F(SheetWindow, LeavingReturnsToTheQuestionShownBeforeTheSheet) {
    QTemporaryDir dir;
    const QString path = WriteDoc(dir, QStringLiteral("Fragen"), 2, 3);
    for (const auto [shown, expected] : {std::pair{2, 2}, std::pair{3, 3}}) {
        ASSERT_TRUE(ws.ReadDocument(path, true));
        ASSERT_EQ(ws.doc.CurrentHeader.AnzFrageNummern, 3);
        view.SetCurrentQuestion(shown);
        form.sheets()->OpenSheet(SheetKind::Squares, 30);
        ASSERT_TRUE(ws.doc.CurrentHeader.Datei.isEmpty());
        form.sidePanel().BlattVerlassenPan->click();
        EXPECT_EQ(ws.doc.CurrentHeader.Datei, path);
        EXPECT_EQ(view.CurrentQuestion, expected);
    }
    // A question number beyond the reopened document's questions is clamped.
    view.CurrentQuestion = 9;
    form.sheets()->OpenSheet(SheetKind::Blank, 0);
    form.sidePanel().BlattVerlassenPan->click();
    EXPECT_EQ(view.CurrentQuestion, 3);
    EXPECT_TRUE(p.shown.empty());
}

TEST_F(SheetWindow, LeavingAtTheStartScreenAsksNothingAndStaysThere) {
    form.sidePanel().BlattVerlassenPan->click();
    EXPECT_TRUE(form.startInfoPan()->isVisible());
    EXPECT_TRUE(p.shown.empty());
}

TEST_F(SheetWindow, DrawingToolsRefuseWhileTheObjectEditorIsOpen) {
    form.sheets()->OpenSheet(SheetKind::Blank, 0);
    form.sidePanel().ZeigerBtn->click();
    ws.EditorOpen = true;
    Tool* pointer = form.tools().currentTool();
    const auto& side = form.sidePanel();
    for (QToolButton* b : {side.StiftBtn, side.RadierBtn, side.SymbolBtn, side.TexteingabeBtn}) {
        b->click();
        EXPECT_EQ(form.tools().currentTool(), pointer);
        EXPECT_FALSE(b->isChecked());
    }
    EXPECT_TRUE(side.ZeigerBtn->isChecked());
    EXPECT_EQ(p.texts(QStringLiteral("info")),
              QStringList(4, QStringLiteral("Bitte zuerst den Beschriftungseditor schließen.")));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr); // no stamp menu

    ws.EditorOpen = false;
    side.StiftBtn->click();
    EXPECT_TRUE(penIsCurrent());
    EXPECT_EQ(p.count(QStringLiteral("info")), 4);
}

TEST_F(SheetWindow, DrawingsStayWhenTheToolbarFoldsAtTheSameZoom) {
    form.sheets()->OpenSheet(SheetKind::Lines, 10);
    ASSERT_TRUE(penIsCurrent());
    form.drawing()->board().SetDrawColour(24);
    form.drawing()->board().SetStrokeWidth(2);
    stroke({100, 100}, {300, 100});
    ASSERT_EQ(viewPixel({200, 100}), kBlue);
    const QSize page = view.PageBitmap().size();

    // A wider picture control: the sheet, fitted by its height, keeps its size.
    const int before = view.ViewSize().width();
    form.ToggleToolbar();
    QApplication::processEvents();
    ASSERT_GT(view.ViewSize().width(), before);
    ASSERT_EQ(view.PageBitmap().size(), page);
    EXPECT_EQ(viewPixel({200, 100}), kBlue);

    // At 200 % the same, for the part of the page on the screen.
    form.menu().Zoom200->trigger();
    EXPECT_NE(viewPixel({200, 100}), kBlue); // a zoom change drops them
    stroke({100, 300}, {300, 300});
    const QPoint onPage = QPoint(200, 300) + view.ScrollOffset;
    form.ToggleToolbar();
    QApplication::processEvents();
    EXPECT_EQ(viewPixel(onPage - view.ScrollOffset), kBlue);

    // A lower window changes the page: the drawings go, the ruling stays.
    form.menu().Zoom100->trigger();
    stroke({100, 200}, {300, 200});
    form.resize(form.width(), form.height() - 100);
    QApplication::processEvents();
    ASSERT_NE(view.PageBitmap().size(), page);
    int blue = 0;
    for (int x = 0; x < view.ViewImage().width(); ++x)
        for (int y = 0; y < view.ViewImage().height(); ++y)
            blue += viewPixel({x, y}) == kBlue;
    EXPECT_EQ(blue, 0);
}

TEST_F(SheetWindow, NoSheetReplacesTheDocumentOfARunningExercise) {
    QTemporaryDir dir;
    const QString path = WriteDoc(dir, QStringLiteral("Eifel"), 0);
    ASSERT_TRUE(ws.ReadDocument(path, true));
    ws.ViewMode = ViewModeKind::Exercise;
    form.sidePanel().BlattBtn->click();
    EXPECT_FALSE(form.sheets()->menu().menu()->isVisible());
    form.sheets()->OpenSheet(SheetKind::Lines, 10);
    form.sidePanel().BlattVerlassenPan->click();
    EXPECT_EQ(ws.doc.CurrentHeader.Datei, path);
    EXPECT_EQ(ws.doc.ObjectCount(), 1);
    EXPECT_TRUE(p.shown.empty());
    ws.ViewMode = ViewModeKind::Learning;
}
