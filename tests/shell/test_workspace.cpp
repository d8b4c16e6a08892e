#include "document/docfile.h"
#include "shell/workspace.h"
#include "support/scriptedprompter.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

using namespace bw;
using test::ReadFile;
using test::ScriptedPrompter;

namespace {

QString WriteSample(const QTemporaryDir& dir, const QString& name, const QString& titel) {
    Document d;
    d.CurrentHeader.titel = titel;
    d.AddGeneratedObject(0, 1, QStringLiteral("Rhein"), 0, 0, 0.4, 0.3, -1);
    const QString path = dir.filePath(name);
    EXPECT_TRUE(WriteDocumentFile(path, d).ok);
    return path;
}

} // namespace

TEST(Workspace, ReadingMakesTheDocumentCurrent) {
    ScriptedPrompter p;
    QTemporaryDir dir;
    const QString path = WriteSample(dir, QStringLiteral("fluesse.bwk"), QStringLiteral("Flüsse"));
    Workspace ws(Edition::Autor);
    int replaced = 0;
    QObject::connect(&ws, &Workspace::documentReplaced, [&] { ++replaced; });
    ASSERT_TRUE(ws.ReadDocument(path, true));
    EXPECT_EQ(ws.doc.CurrentHeader.titel, QStringLiteral("Flüsse"));
    EXPECT_EQ(ws.doc.CurrentHeader.Datei, path);
    EXPECT_EQ(QDir(ws.CurrentFolder), QDir(dir.path()));
    EXPECT_FALSE(ws.StartScreenVisible);
    EXPECT_FALSE(ws.doc.CurrentHeader.Geaendert);
    EXPECT_EQ(replaced, 1);
    EXPECT_TRUE(p.shown.empty());
}

TEST(Workspace, AFailedReadLeavesTheEmptyStartDocument) {
    ScriptedPrompter p;
    QTemporaryDir dir;
    const QString good = WriteSample(dir, QStringLiteral("a.bwk"), QStringLiteral("A"));
    const QString bad = dir.filePath(QStringLiteral("kaputt.bwk"));
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("kein Dokument");
    f.close();

    Workspace ws(Edition::Autor);
    ASSERT_TRUE(ws.ReadDocument(good, true));
    EXPECT_FALSE(ws.ReadDocument(bad, true));
    EXPECT_EQ(ws.doc.ObjectCount(), 0);
    EXPECT_TRUE(ws.doc.CurrentHeader.Datei.isEmpty());
    EXPECT_EQ(ws.doc.BaseImage.width(), 300);
    EXPECT_TRUE(ws.StartScreenVisible);
    EXPECT_EQ(ws.PreviousDocument, good);
    ASSERT_GE(p.count(QStringLiteral("error")), 1);
    EXPECT_TRUE(p.texts(QStringLiteral("error")).last().contains(
        QStringLiteral("kann nicht gelesen werden")));

    p.shown.clear();
    EXPECT_FALSE(ws.ReadDocument(dir.filePath(QStringLiteral("fehlt.bwk")), true));
    ASSERT_EQ(p.count(QStringLiteral("error")), 1);
    EXPECT_TRUE(p.texts(QStringLiteral("error"))[0].endsWith(QStringLiteral("existiert nicht.")));
}

TEST(Workspace, SaveWithoutFileAsksForOneAndFollowsIt) {
    ScriptedPrompter p;
    QTemporaryDir dir;
    Workspace ws(Edition::Autor);
    ws.CurrentFolder = dir.path();
    ws.doc.CurrentHeader.titel = QStringLiteral("Berge");
    ws.doc.CurrentHeader.Geaendert = true;
    int titles = 0;
    QObject::connect(&ws, &Workspace::titleChanged, [&] { ++titles; });
    p.fileAnswers = {dir.filePath(QStringLiteral("berge"))};
    ASSERT_TRUE(ws.Speichern());
    const QString saved = dir.filePath(QStringLiteral("berge.bwk"));
    EXPECT_EQ(ws.doc.CurrentHeader.Datei, saved);
    EXPECT_FALSE(ws.doc.CurrentHeader.Geaendert);
    EXPECT_GE(titles, 1);
    ASSERT_EQ(p.count(QStringLiteral("save")), 1);
    EXPECT_TRUE(p.texts(QStringLiteral("save"))[0].startsWith(
        QStringLiteral("Dokument speichern unter|")));

    // With a file, "Speichern" asks nothing.
    ws.doc.CurrentHeader.Geaendert = true;
    ASSERT_TRUE(ws.Speichern());
    EXPECT_EQ(p.count(QStringLiteral("save")), 1);
}

// A saved document, read and then changed in memory.
struct ChangedSample : ::testing::Test {
    ScriptedPrompter p;
    QTemporaryDir dir;
    QString path;
    QByteArray before;
    Workspace ws{Edition::Autor};

    void SetUp() override {
        path = WriteSample(dir, QStringLiteral("alt.bwk"), QStringLiteral("Alt"));
        before = ReadFile(path);
        ASSERT_TRUE(ws.ReadDocument(path, true));
        ws.doc.CurrentHeader.titel = QStringLiteral("Neu");
        ws.doc.CurrentHeader.Geaendert = true;
    }
};

TEST_F(ChangedSample, AFailedWriteKeepsModelAndOldFile) {

    const QString missing = dir.filePath(QStringLiteral("gibt/es/nicht.bwk"));
    EXPECT_FALSE(ws.WriteDocument(missing, true));
    ASSERT_EQ(p.count(QStringLiteral("error")), 1);
    EXPECT_TRUE(p.texts(QStringLiteral("error"))[0].startsWith(
        QStringLiteral("Die Datei \"") + missing + QStringLiteral("\" kann nicht geschrieben")));
    EXPECT_EQ(ws.doc.CurrentHeader.Datei, path);
    EXPECT_TRUE(ws.doc.CurrentHeader.Geaendert);
    EXPECT_EQ(ReadFile(path), before);
}

TEST_F(ChangedSample, SavingIntoAReadOnlyFolderKeepsTheOldFile) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    QFile::setPermissions(path, QFile::ReadOwner);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_FALSE(ws.Speichern());
    EXPECT_EQ(ReadFile(path), before);
    EXPECT_TRUE(ws.doc.CurrentHeader.Geaendert);
    EXPECT_EQ(p.count(QStringLiteral("error")), 1);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(Workspace, CloseAsksAndCancelKeepsEverything) {
    ScriptedPrompter p;
    Workspace ws(Edition::Autor);
    ws.doc.AddGeneratedObject(0, 1, QStringLiteral("Elbe"), 0, 0, 0.1, 0.1, -1);
    ws.doc.CurrentHeader.Geaendert = true;
    ws.StartScreenVisible = false;
    p.answers = {YesNoCancel::Cancel};
    ws.Schliessen();
    EXPECT_EQ(ws.doc.ObjectCount(), 1);
    EXPECT_FALSE(ws.StartScreenVisible);

    p.answers = {YesNoCancel::No};
    ws.Schliessen();
    EXPECT_EQ(ws.doc.ObjectCount(), 0);
    EXPECT_TRUE(ws.StartScreenVisible);
    EXPECT_FALSE(ws.doc.CurrentHeader.Geaendert);
}

TEST(Workspace, OpenDialogStartsInTheDocumentsFolder) {
    ScriptedPrompter p;
    QTemporaryDir dir;
    const QString path = WriteSample(dir, QStringLiteral("b.bwk"), QStringLiteral("B"));
    Workspace ws(Edition::Autor);
    ws.CurrentFolder = QStringLiteral("/srv/themen/");
    p.fileAnswers = {path, QString()};
    ws.Oeffnen();
    EXPECT_EQ(p.texts(QStringLiteral("open"))[0], QStringLiteral("Dokument öffnen|/srv/themen/"));
    EXPECT_EQ(ws.doc.CurrentHeader.Datei, path);
    ws.Oeffnen(); // cancelled: nothing changes
    EXPECT_EQ(p.texts(QStringLiteral("open"))[1],
              QStringLiteral("Dokument öffnen|") + QDir(dir.path()).absolutePath());
    EXPECT_EQ(ws.doc.CurrentHeader.Datei, path);
}
