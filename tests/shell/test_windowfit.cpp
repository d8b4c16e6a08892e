#include "document/docfile.h"
#include "platform/widgets/qtprompter.h"
#include "shell/widgets/tform1.h"
#include "support/scriptedprompter.h"
#include "support/testfiles.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace bw;
using test::ScriptedPrompter;

namespace {

const QString kLongTitle = QStringLiteral(
    "Die Insel Lindholm im Wattenmeer zwischen Ebbe und Flut: Häfen, Deiche, Salzwiesen, "
    "Vogelschutzgebiete und die Wege der Fähren zum Festland!");

QString WriteDoc(const QTemporaryDir& dir, const QString& titel) {
    Document d;
    d.CurrentHeader.titel = titel;
    d.AddGeneratedObject(0, 1, QStringLiteral("Brocken"), 0, 0, 0.5, 0.5, -1);
    const QString path = dir.filePath(QStringLiteral("lang.bwk"));
    EXPECT_TRUE(WriteDocumentFile(path, d).ok);
    return path;
}

// Where a child stands in the window's client area.
QRect InWindow(const QWidget* w) {
    return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
}

void Settle() {
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

} // namespace

TEST(WindowFit, ALongTitleNeitherWidensTheWindowNorHidesTheToolbar) {
    ASSERT_EQ(kLongTitle.size(), 140);
    ScriptedPrompter p;
    QTemporaryDir dir;
    TForm1 form(Edition::Autor);
    form.SetDisplayOverride(1024, 768, 24);
    form.SetCommandLine({WriteDoc(dir, kLongTitle)});
    ASSERT_TRUE(form.FormCreate());
    // The designed 1076 x 780 does not fit: the window starts maximised.
    EXPECT_TRUE(form.windowState() & Qt::WindowMaximized);
    form.setWindowState(Qt::WindowNoState);
    form.resize(1024 - 16, 768 - 48);
    form.show();
    form.FormActivate();
    Settle();
    ASSERT_EQ(form.workspace().doc.CurrentHeader.titel, kLongTitle);

    EXPECT_LT(form.minimumSizeHint().width(), 1024);
    EXPECT_LT(form.minimumSizeHint().height(), 768 - 48);
    const TitleLabel* title = form.infoPanel().DokTitelLab;
    EXPECT_TRUE(title->text().endsWith(kLongTitle));
    EXPECT_TRUE(title->IsElided());
    EXPECT_TRUE(title->ShownText().endsWith(QChar(0x2026)));
    EXPECT_EQ(title->toolTip(), title->text().trimmed() + QStringLiteral("\nTitel verbergen"));

    // At this size and at the smallest the window allows, every part stays in it.
    for (const QSize size : {form.size(), form.minimumSizeHint()}) {
        form.resize(size);
        Settle();
        const QRect client = form.rect();
        const LernInfoPanel& side = form.sidePanel();
        ASSERT_TRUE(side.LernInfoPan->isVisible());
        EXPECT_TRUE(client.contains(InWindow(side.LernInfoPan))) << size.width();
        EXPECT_TRUE(client.contains(InWindow(side.Verknuepfungsfeld3))) << size.width();
        EXPECT_TRUE(client.contains(InWindow(form.infoPanel().LogoImg))) << size.width();
        EXPECT_LE(InWindow(form.infoPanel().HoverPanel1).right(),
                  InWindow(form.infoPanel().LogoImg).left());
        EXPECT_TRUE(client.contains(InWindow(form.klappPan()))) << size.width();
    }
}

// The exercise's status panel takes the title's place in the top bar; its figures must not
// push the window off a 1024 x 768 whiteboard, during the run or after it.
TEST(WindowFit, AnExerciseKeepsTheWindowOnTheScreen) {
    ScriptedPrompter p;
    TForm1 form(Edition::Autor);
    form.SetDisplayOverride(1024, 768, 24);
    form.SetCommandLine({test::Sample(QStringLiteral("insel-karte.bwk"))});
    ASSERT_TRUE(form.FormCreate());
    form.setWindowState(Qt::WindowNoState);
    form.resize(1024 - 16, 768 - 48);
    form.show();
    form.FormActivate();
    Settle();
    Settings& s = form.workspace().settings;
    s.UebOpt.ShowBeforeEachExercise = false;
    s.OptUebNameEingabe = false;
    s.OptUebStatusInfo = true;
    const int width = form.width();

    form.menu().IndividualUebung1->trigger();
    Settle();
    ASSERT_EQ(form.workspace().ViewMode, ViewModeKind::Exercise);
    ASSERT_TRUE(form.infoPanel().UebStatusPan->isVisible());
    EXPECT_LT(form.minimumSizeHint().width(), 1024);
    EXPECT_EQ(form.width(), width);
    EXPECT_TRUE(form.rect().contains(InWindow(form.infoPanel().LogoImg)));

    p.answers.push_back(YesNoCancel::Yes); // should the exercise be left: yes
    form.menu().UebungAbbrechen1->trigger();
    Settle();
    ASSERT_EQ(form.workspace().ViewMode, ViewModeKind::Learning);
    EXPECT_EQ(form.width(), width);
    EXPECT_TRUE(form.rect().contains(InWindow(form.sidePanel().LernInfoPan)));
}

TEST(WindowFit, StartsCentredWithItsDesignedSizeWhereItFits) {
    ScriptedPrompter p;
    TForm1 form(Edition::Autor);
    form.SetDisplayOverride(1600, 1000, 24);
    ASSERT_TRUE(form.FormCreate());
    EXPECT_FALSE(form.windowState() & Qt::WindowMaximized);
    // The frame's guessed share comes off the client area until the window is framed.
    EXPECT_EQ(form.pos(), QPoint(262, 110));
    EXPECT_EQ(form.size(), QSize(1076 - 16, 780 - 48));
}

TEST(WindowFit, TheDisplayWarningStandsCentredOverTheWindowBeforeItIsShown) {
    TForm1 form(Edition::Autor);
    QtPrompter prompter(&form);
    InstallPrompter(&prompter);
    form.SetDisplayOverride(800, 600, 24);
    QRect box;
    QTimer::singleShot(0, [&] {
        auto* modal = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(modal, nullptr);
        box = modal->frameGeometry();
        modal->buttons().constLast()->click(); // "Nein"
    });
    EXPECT_FALSE(form.FormCreate());
    InstallPrompter(nullptr);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(QRect(0, 0, 800, 600).contains(form.geometry()));
    EXPECT_LE((box.center() - form.geometry().center()).manhattanLength(), 4);
}

TEST(WindowFit, ToolbarCaptionsFitAtTheDesktopsFontSizes) {
    ScriptedPrompter p;
    const QFont original = QApplication::font();
    QList<QFont> fonts{original};
    for (const char* family : {"DejaVu Sans", "Liberation Sans"}) {
        for (int size : {9, 10, 11, 12})
            fonts << QFont(QString::fromLatin1(family), size);
    }
    for (const QFont& font : std::as_const(fonts)) {
        QApplication::setFont(font);
        TForm1 form(Edition::Autor);
        form.SetDisplayOverride(1280, 1024, 24);
        ASSERT_TRUE(form.FormCreate());
        form.show();
        form.FormActivate();
        Settle();
        const QString where = font.family() + QLatin1Char(' ') + QString::number(font.pointSize());
        QWidget* pan = form.sidePanel().LernInfoPan;
        const QRect inside = pan->contentsRect();
        QList<QWidget*> captions;
        for (auto* w : pan->findChildren<QAbstractButton*>())
            captions << w;
        for (auto* w : pan->findChildren<QLabel*>())
            captions << w;
        ASSERT_GT(captions.size(), 40);
        for (QWidget* w : std::as_const(captions)) {
            if (!w->isVisibleTo(pan)) continue;
            const auto* b = qobject_cast<QAbstractButton*>(w);
            const QString text = b ? b->text() : static_cast<QLabel*>(w)->text();
            EXPECT_GE(w->width(), w->sizeHint().width())
                << qPrintable(where + QStringLiteral(": ") + text);
            const QRect r(w->mapTo(pan, QPoint(0, 0)), w->size());
            EXPECT_TRUE(inside.contains(r)) << qPrintable(where + QStringLiteral(": ") + text);
        }
        // The button shown on a drawing sheet fits as well.
        QToolButton* leave = form.sidePanel().BlattVerlassenPan;
        EXPECT_LE(leave->sizeHint().width(), inside.width()) << qPrintable(where);
    }
    QApplication::setFont(original);
}
