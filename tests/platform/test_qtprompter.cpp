#include "platform/widgets/germanqt.h"
#include "platform/widgets/qtprompter.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QKeySequence>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace bw;

namespace {

// Runs check on the modal dialog once it is up, then closes it.
void WhenModal(std::function<void(QWidget*)> check) {
    QTimer::singleShot(0, [check = std::move(check)] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        check(modal);
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            box->buttons().constLast()->click();
        else if (auto* dlg = qobject_cast<QDialog*>(modal))
            dlg->reject();
    });
}

QStringList LabelTexts(const QWidget* w) {
    QStringList out;
    for (const QLabel* l : w->findChildren<QLabel*>())
        out << l->text();
    for (const QAbstractButton* b : w->findChildren<QAbstractButton*>())
        out << b->text();
    return out;
}

} // namespace

TEST(GermanQt, KeyNamesAndDialogsOfQtReadGerman) {
    ASSERT_TRUE(UseGermanQtTexts(*QCoreApplication::instance()))
        << "qtbase_de.qm missing: tools/setup-debian.sh installs qt6-translations-l10n";
    EXPECT_TRUE(QCoreApplication::testAttribute(Qt::AA_DontUseNativeDialogs));
    const auto shown = [](const char* keys) {
        return QKeySequence(QString::fromLatin1(keys)).toString(QKeySequence::NativeText);
    };
    EXPECT_EQ(shown("Ctrl+O"), QStringLiteral("Strg+O"));
    EXPECT_EQ(shown("PgDown"), QStringLiteral("Bild ab"));
    EXPECT_EQ(shown("PgUp"), QStringLiteral("Bild auf"));
    EXPECT_EQ(shown("Alt+Return"), QStringLiteral("Alt+Eingabe"));
    EXPECT_EQ(shown("Shift+Ctrl+Del"), QStringLiteral("Strg+Umschalt+Entf"));
    EXPECT_EQ(shown("Alt+Backspace"), QStringLiteral("Alt+Rücktaste"));
    EXPECT_EQ(shown("Alt+Home"), QStringLiteral("Alt+Pos1"));
    EXPECT_EQ(shown("Ctrl+Down"), QStringLiteral("Strg+Unten"));

    QWidget window;
    window.setGeometry(100, 100, 600, 400);
    QtPrompter prompter(&window);
    WhenModal([](QWidget* modal) {
        auto* dlg = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dlg, nullptr);
        const QStringList texts = LabelTexts(dlg);
        EXPECT_TRUE(texts.contains(QStringLiteral("Suchen in:"))) << texts.join(u'|').toStdString();
        EXPECT_TRUE(texts.contains(QStringLiteral("Abbrechen"))) << texts.join(u'|').toStdString();
        EXPECT_FALSE(texts.contains(QStringLiteral("Cancel")));
    });
    EXPECT_TRUE(prompter
                    .GetOpenFileName(QStringLiteral("Öffnen"), QDir::tempPath(),
                                     QStringLiteral("Brettwerk-Dokumente|*.bwk"),
                                     QStringLiteral("bwk"))
                    .isEmpty());
}

TEST(QtPrompter, MessagesStandCentredOverAWindowNotYetShown) {
    // As at start-up: the window is placed, but not on screen yet.
    QWidget window;
    const QRect area = window.screen()->availableGeometry();
    window.setGeometry(area.left() + 40, area.top() + 30, 500, 360);
    QtPrompter prompter(&window);
    QPoint boxCentre, windowCentre = window.geometry().center();
    WhenModal([&](QWidget* modal) { boxCentre = modal->frameGeometry().center(); });
    prompter.ShowWarning(QStringLiteral("Die von Windows standardmäßig mitgelieferte Schriftart"));
    EXPECT_LE((boxCentre - windowCentre).manhattanLength(), 4)
        << boxCentre.x() << "," << boxCentre.y() << " vs " << windowCentre.x() << ","
        << windowCentre.y();

    // The same for the questions.
    WhenModal([&](QWidget* modal) { boxCentre = modal->frameGeometry().center(); });
    prompter.AskWarningYesNo(QStringLiteral("Programm trotzdem starten?"));
    EXPECT_LE((boxCentre - windowCentre).manhattanLength(), 4);
}

TEST(QtPrompter, ABoxOverAWindowLargerThanTheScreenStaysOnTheScreen) {
    QWidget window;
    const QRect area = window.screen()->availableGeometry();
    window.setGeometry(area.left() - 900, area.top(), 1000, 300);
    const QPoint at = CentredOver(&window, QSize(200, 100));
    EXPECT_TRUE(area.contains(QRect(at, QSize(200, 100))));
}
