#include "exercise/bestlistfile.h"
#include "exercise/widgets/resultwindows.h"
#include "exercise/widgets/tbestlistform.h"
#include "exercise/widgets/tbestlistverzform.h"
#include "exercise/widgets/tnotenskalaform.h"
#include "exercise/widgets/tprotkomform.h"
#include "exercise/widgets/tuebprotokollform.h"
#include "support/scriptedprompter.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

using namespace bw;

TEST(GradingScaleDialog, ValueAbovePredecessorKeepsTheDialogOpen) {
    test::ScriptedPrompter prompter;
    TNotenskalaForm form;
    form.SetValues({0.85, 0.70, 0.55, 0.40, 0.25});
    EXPECT_EQ(form.field(1)->text(), QStringLiteral("85,0"));
    EXPECT_EQ(form.field(6)->text(), QStringLiteral("0,0"));
    EXPECT_FALSE(form.field(6)->isEnabled());
    form.field(3)->setText(QStringLiteral("75,0"));
    form.accept();
    EXPECT_NE(form.result(), QDialog::Accepted);
    EXPECT_EQ(prompter.texts("error"),
              QStringList{QStringLiteral("Alle Werte müssen im Bereich von 0 bis 100% liegen.\r\n"
                                         "Der Wert für Note 2 darf nicht kleiner sein als der "
                                         "Wert für Note 3.")});
    EXPECT_DOUBLE_EQ(form.Values()[2], 0.55); // nothing stored

    form.field(2)->setText(QStringLiteral("75,0"));
    form.accept();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(prompter.count("error"), 1);
    EXPECT_DOUBLE_EQ(form.Values()[1], 0.75);
    EXPECT_DOUBLE_EQ(form.Values()[2], 0.75);
}

TEST(FoldersDialog, ChecksInOrderAndAddsTheSeparator) {
    test::ScriptedPrompter prompter;
    QTemporaryDir dir;
    TBestListVerzForm form;
    DataFolders f;
    f.folder.fill(dir.path());
    f.folder[DataFolders::Protokolle] = dir.filePath(QStringLiteral("fehlt"));
    f.folder[DataFolders::Tauschboerse] = QString();
    form.SetFolders(f);
    form.accept();
    EXPECT_NE(form.result(), QDialog::Accepted);
    EXPECT_EQ(
        prompter.texts("error"),
        QStringList{QStringLiteral("Der angegebene Ordner für die Protokolle ist ungültig.")});
    EXPECT_EQ(form.field(DataFolders::Chronik)->text(), dir.path() + QLatin1Char('/'));

    form.field(DataFolders::Protokolle)->setText(dir.path());
    form.accept();
    EXPECT_EQ(prompter.texts("error").last(),
              QStringLiteral("Der angegebene Ordner für die Tauschbörse ist ungültig."));
    form.field(DataFolders::Tauschboerse)->setText(dir.path() + QLatin1Char('/'));
    form.accept();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    for (const QString& folder : form.Folders().folder)
        EXPECT_EQ(folder, dir.path() + QLatin1Char('/'));
}

TEST(ProtocolWindow, CommentsPrintAndSave) {
    test::ScriptedPrompter prompter;
    QTemporaryDir dir;
    ProtocolText protocol;
    protocol.Append(QStringLiteral("<tit>Übungsprotokoll\r\nTitel:\tEuropa\r\n"));
    TUebProtokollForm form(protocol);
    form.Refresh();
    EXPECT_FALSE(form.mailButton()->isEnabled());
    EXPECT_EQ(form.view()->document()->firstBlock().text(), QStringLiteral("Übungsprotokoll"));

    auto answerComment = [&](const QString& text) {
        QTimer::singleShot(0, [&form, text] {
            form.commentForm()->memo()->setPlainText(text);
            form.commentForm()->accept();
        });
        form.KommentarClick();
    };
    answerComment(QStringLiteral("   \n  "));
    EXPECT_EQ(protocol.Lines().size(), 2);
    answerComment(QStringLiteral("Gut.\nWeiter so"));
    EXPECT_EQ(protocol.Lines().mid(2),
              (QStringList{QString(), QStringLiteral("<tit>Kommentar"), QStringLiteral("Gut."),
                           QStringLiteral("Weiter so")}));
    EXPECT_TRUE(form.view()->toPlainText().contains(QStringLiteral("Kommentar\n")));

    const QString saved = dir.filePath(QStringLiteral("prot"));
    prompter.fileAnswers.push_back(saved);
    form.SetProtocolFolder(dir.path());
    form.SpeichernClick();
    QFile rtf(saved + QStringLiteral(".rtf"));
    ASSERT_TRUE(rtf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(rtf.readAll().contains("\\b Kommentar\\par"));
    EXPECT_EQ(prompter.shown.back().text,
              QStringLiteral("Übungsprotokoll in Datei speichern|") + dir.path());

    form.ZwischenablageClick();
    EXPECT_TRUE(
        QApplication::clipboard()->text().startsWith(QStringLiteral("Übungsprotokoll\r\n")));

    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("p.pdf")));
    form.PrintTo(printer);
    EXPECT_EQ(printer.docName(), QStringLiteral("Übungsprotokoll"));
    EXPECT_GT(QFileInfo(dir.filePath(QStringLiteral("p.pdf"))).size(), 500);
}

TEST(BestListWindow, GridTextsAndExport) {
    test::ScriptedPrompter prompter;
    QTemporaryDir dir;
    TBestListForm form;
    EXPECT_FALSE(form.printButton()->isEnabled());
    form.SetList({});
    ASSERT_EQ(form.grid()->rowCount(), 1);
    EXPECT_EQ(form.grid()->columnWidth(1), 200);
    EXPECT_EQ(form.grid()->horizontalHeaderItem(4)->text(), QStringLiteral("Zeit (Min:Sek)"));

    form.SetList({{QStringLiteral("Ida"), QStringLiteral("PC-9"), 46000.5, 61000, 0.5},
                  {QString(), QStringLiteral("PC-8"), 46000.5, 1000, 0.25}});
    ASSERT_EQ(form.grid()->rowCount(), 2);
    EXPECT_EQ(form.grid()->item(0, 3)->text(), QStringLiteral("50.0 %"));
    EXPECT_EQ(form.grid()->item(0, 4)->text(), QStringLiteral("01:01"));
    EXPECT_TRUE(form.grid()->item(0, 3)->textAlignment() & Qt::AlignHCenter);
    EXPECT_TRUE(form.grid()->item(0, 1)->textAlignment() & Qt::AlignLeft);

    form.ZwischenablageClick();
    EXPECT_EQ(QApplication::clipboard()->text(), form.ExportText());
    prompter.fileAnswers.push_back(dir.filePath(QStringLiteral("liste")));
    form.SpeichernClick();
    QFile txt(dir.filePath(QStringLiteral("liste.txt")));
    ASSERT_TRUE(txt.open(QIODevice::ReadOnly));
    EXPECT_EQ(txt.readAll(), form.ExportText().toLatin1());
}

TEST(BestListWindow, MessagesBeforeTheWindow) {
    test::ScriptedPrompter prompter;
    QTemporaryDir dir;
    QWidget window;
    ResultWindows windows(&window);
    windows.ShowBestList(false, QString(), dir.path());
    EXPECT_EQ(prompter.texts("info"),
              QStringList{QStringLiteral("Da das aktuelle Dokument nicht gespeichert wurde, bzw. "
                                         "kein Dokument geöffnet wurde, ist keine Bestenliste "
                                         "verfügbar.")});

    // A missing network list: the information, then the window with one empty row.
    QTimer::singleShot(0, windows.bestListForm(), &QDialog::accept);
    windows.ShowBestList(true, dir.filePath(QStringLiteral("K-qlxnetzuebung.hsc")), dir.path());
    EXPECT_EQ(prompter.texts("info").last(),
              QStringLiteral("Die Bestenliste zur aktuellen Netzwerk-Übung enthält noch keine "
                             "Einträge."));
    EXPECT_EQ(windows.bestListForm()->windowTitle(),
              QStringLiteral("Bestenliste - Netzwerk-Übung"));
    EXPECT_EQ(windows.bestListForm()->grid()->rowCount(), 1);
}
