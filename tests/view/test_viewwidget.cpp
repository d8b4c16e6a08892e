#include "fakehost.h"
#include "support/scriptedprompter.h"
#include "view/widgets/tinfoboxform.h"
#include "view/widgets/tlernviewwidget.h"
#include "viewfixtures.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace bw;
using namespace bw::test;

namespace {

const QColor kFill(202, 228, 255);

struct WidgetFixture : ::testing::Test {
    Document doc = PlainDocument(870, 600);
    LearnView view{doc};
    FakeHost host;
    ToolManager tools;
    PointerTool* pointer = new PointerTool;
    HandTool* hand = new HandTool;
    std::unique_ptr<TLernViewWidget> widget;

    void SetUp() override {
        tools.addTool(pointer);
        tools.addTool(hand);
        widget = std::make_unique<TLernViewWidget>(view, &host);
        widget->setToolManager(&tools);
        widget->resize(1000, 620); // the bitmap (899 x 620) sits centred in the control
    }
    void show() {
        widget->show();
        widget->RedrawForSize();
    }
    QPoint widgetPoint(int index) const {
        return view.PageRectToView(view.Card(index).KRect).center() + widget->bitmapOffset();
    }
};

} // namespace

TEST_F(WidgetFixture, ClickingACoveredFieldUncoversItAndASecondClickCoversIt) {
    const int i = AddObject(doc, TypAbfrage, QStringLiteral("Rhein"), 0.5, 0.5);
    show();
    EXPECT_EQ(widget->bitmapOffset(), QPoint(50, 0));
    const QPoint at = widgetPoint(i);
    const QRect box = BoxOf(view, i);

    QTest::mouseClick(widget.get(), Qt::LeftButton, {}, at);
    EXPECT_EQ(doc.CurrentObjects[i].Abgedeckt, 0);
    EXPECT_EQ(Pixel(view.ViewImage(), box.left() + 2, box.top() + 2), QColor(Qt::white));
    // What the control paints is the view bitmap.
    const QImage shot = widget->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(at + QPoint(0, 0))),
              Pixel(view.ViewImage(), at - widget->bitmapOffset()));

    QTest::mouseClick(widget.get(), Qt::LeftButton, {}, at);
    EXPECT_EQ(doc.CurrentObjects[i].Abgedeckt, -1);
    EXPECT_EQ(Pixel(view.ViewImage(), box.left() + 2, box.top() + 2), kFill);

    // The middle button toggles too; the hand tool does not.
    QTest::mouseClick(widget.get(), Qt::MiddleButton, {}, at);
    EXPECT_EQ(doc.CurrentObjects[i].Abgedeckt, 0);
    tools.selectTool(hand);
    QTest::mouseClick(widget.get(), Qt::LeftButton, {}, at);
    EXPECT_EQ(doc.CurrentObjects[i].Abgedeckt, 0);
}

TEST_F(WidgetFixture, ClicksDuringAnExerciseLeaveTheFieldStatesAlone) {
    // The exercise owns the fields' states; a click must not turn an open field into a
    // covered one.
    const int i = AddObject(doc, TypAbfrage, QStringLiteral("Rhein"), 0.5, 0.5);
    show();
    view.exercise.running = true;
    widget->setLearningView(false);
    doc.CurrentObjects[i].Abgedeckt = -5;
    view.RedrawView();
    QTest::mouseClick(widget.get(), Qt::LeftButton, {}, widgetPoint(i));
    QTest::mouseClick(widget.get(), Qt::MiddleButton, {}, widgetPoint(i));
    EXPECT_EQ(doc.CurrentObjects[i].Abgedeckt, -5);
}

TEST_F(WidgetFixture, ClickOnTheStartScreenStartsANewSheetInstead) {
    const int i = AddObject(doc, TypAbfrage, QStringLiteral("Rhein"), 0.5, 0.5);
    show();
    host.startScreen = true;
    QTest::mouseClick(widget.get(), Qt::LeftButton, {}, widgetPoint(i));
    EXPECT_EQ(host.newSheets, 1);
    EXPECT_EQ(doc.CurrentObjects[i].Abgedeckt, -1);
}

TEST_F(WidgetFixture, RightButtonDragPansTheZoomedView) {
    show();
    view.ChangeZoom(4);
    const double left = view.Viewport.left;
    int commits = 0;
    QObject::connect(&view, &LearnView::commitDrawings, [&] { ++commits; });
    QTest::mousePress(widget.get(), Qt::RightButton, {}, QPoint(400, 300));
    QMouseEvent move(QEvent::MouseMove, QPointF(300, 300), QPointF(300, 300),
                     widget->mapToGlobal(QPointF(300, 300)), Qt::NoButton, Qt::RightButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget.get(), &move);
    QTest::mouseRelease(widget.get(), Qt::RightButton, {}, QPoint(300, 300));
    EXPECT_EQ(commits, 1);
    EXPECT_NEAR(view.Viewport.left, left + 100.0 / view.PageBitmap().width(), 1e-9);
}

TEST_F(WidgetFixture, PointerShowsAHandOverObjects) {
    const int i = AddObject(doc, TypInfopunkt, QStringLiteral("x"), 0.5, 0.5, 1, 2);
    show();
    QTest::mouseMove(widget.get(), widgetPoint(i));
    EXPECT_EQ(widget->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(widget.get(), QPoint(20, 20));
    EXPECT_EQ(widget->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(WidgetFixture, InfoPointOpensTheInformationWindow) {
    QString text = QStringLiteral("<B>Der Rhein</B>\r\nEr fließt durch <i>sechs</i> Länder.");
    const int i = AddObject(doc, TypInfopunkt, text, 0.5, 0.5, 1, 2);
    show();
    QTest::mouseClick(widget.get(), Qt::LeftButton, {}, widgetPoint(i));
    TInfoboxForm* box = widget->infobox();
    ASSERT_TRUE(box->isVisible());
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Information"));
    EXPECT_LT(box->height(), TInfoboxForm::kMaxHeight);
    EXPECT_EQ(box->copyLines(), (QStringList{QStringLiteral("Der Rhein"),
                                             QStringLiteral("Er fließt durch sechs Länder.")}));
    EXPECT_EQ(box->textImage().width(), box->scrollBox()->width() - 30);

    // A long text gives the highest window and scrolls by pages.
    QStringList many;
    for (int k = 0; k < 200; ++k)
        many << QStringLiteral("Zeile %1").arg(k);
    box->ShowText(many.join(QStringLiteral("\r\n")), QRect(0, 0, 1200, 900));
    EXPECT_EQ(box->height(), TInfoboxForm::kMaxHeight);
    EXPECT_GT(box->textImage().height(), 3000); // nothing is cut off
    QScrollBar* bar = box->scrollBox()->verticalScrollBar();
    EXPECT_EQ(bar->value(), 0);
    QTest::keyClick(box, Qt::Key_PageDown);
    EXPECT_GT(bar->value(), 0);
    box->close();
    EXPECT_EQ(bar->value(), 0);
}

TEST(Infobox, SavesAndCopiesThePlainCopy) {
    ScriptedPrompter prompter;
    TInfoboxForm box;
    box.setSaveFolder(QStringLiteral("/protokolle/"));
    box.ShowText(QStringLiteral("<b>Fluss</b> und <U>See</U>\r\nZweite Zeile"), {});
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("info")); // the default extension is added
    prompter.fileAnswers.push_back(path);
    box.SpeichernClick();
    ASSERT_EQ(prompter.count("save"), 1);
    EXPECT_EQ(prompter.texts("save")[0],
              QStringLiteral("Infotext in Datei speichern|/protokolle/"));
    QFile f(path + QStringLiteral(".rtf"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray rtf = f.readAll();
    EXPECT_TRUE(rtf.contains("Fluss und See\\par"));
    EXPECT_TRUE(rtf.contains("\\fs22"));

    // Cancel writes nothing; an unwritable place shows the write error.
    prompter.fileAnswers.push_back(QString());
    box.SpeichernClick();
    prompter.fileAnswers.push_back(dir.filePath(QStringLiteral("fehlt/x.rtf")));
    box.SpeichernClick();
    EXPECT_EQ(prompter.count("error"), 1);

    box.ZwischenablageClick();
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    ASSERT_NE(mime, nullptr);
    EXPECT_EQ(mime->text(), QStringLiteral("Fluss und See\nZweite Zeile"));
    EXPECT_TRUE(mime->hasHtml());
    EXPECT_TRUE(mime->data(QStringLiteral("text/rtf")).startsWith("{\\rtf1"));
}
