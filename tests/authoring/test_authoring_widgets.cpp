// The authoring windows driven as a user would: the page ratio dialog, the properties
// dialog, the menu entries and undo through the editor's stack.
#include "authoring/newdocument.h"
#include "authoring/widgets/authoringwindows.h"
#include "authoring/widgets/tbilderwform.h"
#include "authoring/widgets/tobjtransform.h"
#include "authoring/widgets/tprojektinfoform.h"
#include "support/dialogdriver.h"
#include "support/scriptedprompter.h"
#include <QDoubleSpinBox>
#include <QSlider>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <gtest/gtest.h>

using namespace bw;
using test::FindButton;
using test::OnDialog;

namespace {

struct WindowsFixture : ::testing::Test {
    bw::test::ScriptedPrompter prompter;
    QWidget window;
    QMenu menu;
    QAction* alleLoeschen = menu.addAction(QStringLiteral("Alle &löschen"));
    QAction* eigenschaften = menu.addAction(QStringLiteral("Dokument&eigenschaften..."));
    Document doc;
    DocumentEditor editor{doc};
    NewDocumentRatio stored;
    AuthoringWindows windows{&window, editor, [] { return QString(); }, [this] { return stored; },
                             [this](const NewDocumentRatio& r) { stored = r; }};

    void SetUp() override {
        QImage base(1000, 500, QImage::Format_RGB32);
        base.fill(Qt::gray);
        MakeNewDocument(doc, 1, {}, base, QStringLiteral("Verben"), {});
        doc.CurrentObjects.push_back(Authoring::MakeNewObject(0, {}));
        editor.DocumentReplaced();
        AuthoringActions a;
        a.menu = &menu;
        a.alleLoeschen = alleLoeschen;
        a.dokumenteigenschaften = eigenschaften;
        windows.Bind(a);
    }
};

} // namespace

TEST_F(WindowsFixture, UndoAndRedoEntriesFollowTheStack) {
    ASSERT_NE(windows.undoAction(), nullptr);
    EXPECT_EQ(menu.actions().value(0), windows.undoAction());
    EXPECT_EQ(windows.undoAction()->shortcut(), QKeySequence(QStringLiteral("Shift+Ctrl+Z")));
    EXPECT_EQ(windows.redoAction()->shortcut(), QKeySequence(QStringLiteral("Ctrl+Y")));
    EXPECT_FALSE(windows.undoAction()->isEnabled());

    prompter.answers = {YesNoCancel::Yes};
    alleLoeschen->trigger();
    EXPECT_EQ(doc.ObjectCount(), 0);
    EXPECT_TRUE(windows.undoAction()->isEnabled());
    windows.undoAction()->trigger();
    EXPECT_EQ(doc.ObjectCount(), 1);
    EXPECT_FALSE(editor.IsModified());
    windows.redoAction()->trigger();
    EXPECT_EQ(doc.ObjectCount(), 0);
}

TEST_F(WindowsFixture, PageRatioDialogStoresBothTabsAndLaysOutThePage) {
    stored = {{0, 4, 3}, false};
    TSeitenverhaeltnisForm* form = windows.ratioForm();
    OnDialog(
        form,
        [form] {
            auto* tabs = form->findChild<QTabWidget*>();
            ASSERT_NE(tabs, nullptr);
            const auto docSpins = tabs->widget(0)->findChildren<QSpinBox*>();
            const auto defSpins = tabs->widget(1)->findChildren<QSpinBox*>();
            ASSERT_EQ(docSpins.size(), 2);
            ASSERT_EQ(defSpins.size(), 2);
            EXPECT_EQ(docSpins[0]->value(), 10); // the document's 10 : 7
            EXPECT_EQ(defSpins[0]->value(), 4);  // the defaults' 4 : 3
            for (QPushButton* b : tabs->widget(0)->findChildren<QPushButton*>())
                if (b->text().startsWith(QStringLiteral("optimiert für Arbeitsblatt"))) b->click();
            defSpins[1]->setValue(5); // editing a field ticks "festlegen" of its tab
        },
        QStringLiteral("OK"));
    ASSERT_TRUE(windows.Seitenverhaeltnis1Click());
    EXPECT_EQ(doc.CurrentHeader.SeitBreite, 10);
    EXPECT_EQ(doc.CurrentHeader.SeitHoehe, 12);
    EXPECT_EQ(doc.PageSize(), QSize(1000, 1200));
    EXPECT_EQ(stored.ratio.seitFest, 1);
    EXPECT_EQ(stored.ratio.hoehe, 5);
    EXPECT_TRUE(editor.IsModified());

    OnDialog(
        form, [] {}, QStringLiteral("Abbrechen"));
    EXPECT_FALSE(windows.Seitenverhaeltnis1Click());
    EXPECT_EQ(editor.undoStack().count(), 1);
}

TEST_F(WindowsFixture, PropertiesDialogAppendsTheTypeAndStoresChanges) {
    TProjektInfoForm* form = windows.infoForm();
    OnDialog(
        form,
        [form] {
            QPushButton* append = FindButton(form, QStringLiteral("Dok.typ an Titel anfügen"));
            ASSERT_NE(append, nullptr);
            append->click();
            append->click();
        },
        QStringLiteral("OK"));
    eigenschaften->trigger();
    EXPECT_EQ(doc.CurrentHeader.titel, QStringLiteral("Verben - Lückentext"));
    EXPECT_EQ(editor.undoStack().count(), 1);

    // Read only: nothing is taken over.
    OnDialog(
        form, [form] { form->findChildren<QLineEdit*>()[0]->setText(QStringLiteral("x")); },
        QStringLiteral("OK"));
    windows.Dokumenteigenschaften1Click(false);
    EXPECT_EQ(doc.CurrentHeader.titel, QStringLiteral("Verben - Lückentext"));
}

TEST_F(WindowsFixture, SizeAndAlignmentDialogClampsAndLaysOutThePage) {
    TBildErwForm* form = windows.sizeForm();
    OnDialog(
        form,
        [form] {
            EXPECT_DOUBLE_EQ(form->GroesseEdit->value(), 100);
            form->GroesseBar->setValue(50); // the field follows the bar
            EXPECT_DOUBLE_EQ(form->GroesseEdit->value(), 50);
            form->PosXEdit->setValue(250); // beyond the range: clamped on OK
            EXPECT_EQ(form->PosXBar->value(), 100);
        },
        QStringLiteral("OK"));
    ASSERT_TRUE(windows.Randzoneerweitern1Click());
    EXPECT_DOUBLE_EQ(doc.CurrentHeader.BildGroesse, 50);
    EXPECT_DOUBLE_EQ(doc.CurrentHeader.BildPosX, 100);
    // 1000 x 500 at 10 : 7 and 50 %: the whole horizontal margin on the left.
    EXPECT_DOUBLE_EQ(doc.CurrentHeader.RandErw.right, 0);
    EXPECT_DOUBLE_EQ(doc.CurrentHeader.RandErw.left, 1.0);
    EXPECT_EQ(editor.undoStack().count(), 1);
}

TEST_F(WindowsFixture, TransformDialogTakesCommasAndRefusesWhatIsNoNumber) {
    TObjtransForm* form = windows.transformForm();
    const double kx = doc.CurrentObjects[0].Kx;
    OnDialog(
        form,
        [form] {
            form->FakXEdit->setText(QStringLiteral("abc"));
            QMetaObject::invokeMethod(form, "accept"); // refused, the dialog stays
            form->FakXEdit->setText(QStringLiteral("0,5"));
            form->OffsetXEdit->setText(QStringLiteral("1000"));
        },
        QStringLiteral("OK"));
    windows.Transformieren1Click();
    EXPECT_EQ(prompter.texts("error").size(), 1);
    EXPECT_DOUBLE_EQ(doc.CurrentObjects[0].Kx, 0.5 * kx + 0.1);
    EXPECT_EQ(form->FakXEdit->text(), QStringLiteral("0,5")); // kept for the next time

    editor.ReplaceObjects({}, QStringLiteral("leer"));
    windows.Transformieren1Click();
    EXPECT_EQ(prompter.texts("info").value(0),
              QStringLiteral("Es sind keine zu transformierenden Objekte vorhanden."));
}
