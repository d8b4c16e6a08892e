#include "shell/navigation.h"
#include "shell/topiclist.h"
#include "shell/workspace.h"
#include "support/scriptedprompter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace bw;
using test::ScriptedPrompter;

namespace {

void PutInt32(QByteArray& b, qint32 v) {
    for (int i = 0; i < 4; ++i)
        b += char((quint32(v) >> (8 * i)) & 0xff);
}

void PutLengthString(QByteArray& b, const QByteArray& s) {
    PutInt32(b, qint32(s.size()));
    b += s;
}

QByteArray SmallPng() {
    QImage img(8, 6, QImage::Format_RGB32);
    img.fill(Qt::white);
    QBuffer buf;
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "PNG");
    return buf.data();
}

// The smallest complete document: magic, an empty field list, vers, titel, autor,
// bemerkung, no objects, the base image.
QByteArray DocumentBytes(const QString& titel, const QByteArray& magic = "BWK-2.10") {
    QByteArray b;
    PutLengthString(b, magic);
    PutLengthString(b, QByteArray());
    PutLengthString(b, "1.00");
    PutLengthString(b, titel.toLatin1());
    PutLengthString(b, QByteArray());
    PutLengthString(b, QByteArray());
    PutInt32(b, 0);
    b += SmallPng();
    return b;
}

QString WriteFile(const QString& folder, const QString& name, const QByteArray& bytes) {
    const QString path = QDir(folder).filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
}

QString WriteDoc(const QString& folder, const QString& name, const QString& titel) {
    return WriteFile(folder, name, DocumentBytes(titel));
}

QStringList FileNames(const std::vector<ThemenDataTyp>& list) {
    QStringList out;
    for (const auto& t : list)
        out << QFileInfo(t.Pfad).fileName();
    return out;
}

QString Slash(const QString& folder) {
    return folder + QLatin1Char('/');
}

// A workspace over a folder of three topics, wired as the window wires it.
struct Fixture {
    ScriptedPrompter p;
    QTemporaryDir dir;
    QString a, b, c;
    Workspace ws{Edition::Autor};
    int replaced = 0;

    Fixture() {
        a = WriteDoc(dir.path(), QStringLiteral("a_alpen.bwk"), QStringLiteral("Alpen"));
        b = WriteDoc(dir.path(), QStringLiteral("b_berge.bwk"), QStringLiteral("Berge"));
        c = WriteDoc(dir.path(), QStringLiteral("c_china.bwk"), QStringLiteral("China"));
        QObject::connect(&ws, &Workspace::topicListRereadNeeded, [this] { ws.ReadTopicList(); });
        QObject::connect(&ws, &Workspace::documentReplaced, [this] { ++replaced; });
        ws.ProgramFolder = Slash(dir.path());
        ws.CurrentFolder = Slash(dir.path());
        ws.ReadTopicList();
    }
    const QString& datei() const { return ws.doc.CurrentHeader.Datei; }
};

} // namespace

TEST(TopicList, FortyDocumentsGiveASecondMenuColumnFromIndex16) {
    QTemporaryDir dir;
    for (int i = 40; i >= 1; --i)
        WriteDoc(dir.path(), QStringLiteral("thema%1.bwk").arg(i, 2, 10, QLatin1Char('0')),
                 QStringLiteral("Thema %1").arg(i));
    const auto list = ReadTopicList(dir.path());
    ASSERT_EQ(list.size(), 40u);
    EXPECT_EQ(list[0].Titel, QStringLiteral("Thema 1"));
    EXPECT_EQ(list[39].Titel, QStringLiteral("Thema 40"));
    EXPECT_EQ(TopicMenuColumnBreak(int(list.size())), 16);
    EXPECT_EQ(TopicMenuColumnBreak(31), 12);
    EXPECT_EQ(TopicMenuColumnBreak(30), -1);
    EXPECT_EQ(TopicMenuColumnBreak(0), -1);
}

TEST(TopicList, OnlyReadableBwkDocumentsAreListed) {
    QTemporaryDir dir;
    const QString d = dir.path();
    WriteDoc(d, QStringLiteral("gut.bwk"), QStringLiteral("Gut"));
    WriteDoc(d, QStringLiteral("GROSS.BWK"), QStringLiteral("Groß"));
    WriteDoc(d, QStringLiteral(".versteckt.bwk"), QStringLiteral("Versteckt"));
    WriteDoc(d, QStringLiteral("ohne.bwk"), QString());
    WriteFile(d, QStringLiteral("kev.bwk"), DocumentBytes(QStringLiteral("Alt"), "KEV-1.01"));
    WriteDoc(d, QStringLiteral("alt.qlx"), QStringLiteral("QLX"));
    WriteFile(d, QStringLiteral("falsch.bwk"), DocumentBytes(QStringLiteral("Falsch"), "XYZ-2.10"));
    WriteFile(d, QStringLiteral("leer.bwk"), QByteArray());
    WriteFile(d, QStringLiteral("kurz.bwk"), DocumentBytes(QStringLiteral("Kurz")).left(14));
    WriteDoc(d, QStringLiteral("nicht.bwkx"), QStringLiteral("Nicht"));
    QDir(d).mkdir(QStringLiteral("ordner.bwk"));
    // A pipe must neither be listed nor block the listing.
    ASSERT_EQ(mkfifo(QFile::encodeName(d + QStringLiteral("/rohr.bwk")).constData(), 0600), 0);
    ASSERT_EQ(symlink("rohr.bwk", QFile::encodeName(d + QStringLiteral("/verweis.bwk")).constData()),
              0);

    const auto list = ReadTopicList(d);
    QStringList names = FileNames(list);
    names.sort();
    EXPECT_EQ(names,
              (QStringList{".versteckt.bwk", "GROSS.BWK", "gut.bwk", "kev.bwk", "ohne.bwk"}));
    for (const auto& t : list)
        EXPECT_EQ(t.Sortierschluessel, QFileInfo(t.Pfad).fileName().toLower());

    // A document without a title is listed under its file name.
    const int ohne = int(FileNames(list).indexOf(QStringLiteral("ohne.bwk")));
    ASSERT_GE(ohne, 0);
    EXPECT_TRUE(list[ohne].Titel.isEmpty());
    EXPECT_EQ(TopicMenuCaption(ohne, list[ohne]), QStringLiteral("&%1:  ohne.bwk").arg(ohne + 1));

    // A header longer than the first block the reader takes at once is still read.
    QDir().mkdir(d + QStringLiteral("/lang"));
    const QString longTitle(6000, QLatin1Char('T'));
    WriteDoc(d + QStringLiteral("/lang"), QStringLiteral("lang.bwk"), longTitle);
    const auto longList = ReadTopicList(d + QStringLiteral("/lang"));
    ASSERT_EQ(longList.size(), 1u);
    EXPECT_EQ(longList[0].Titel, longTitle);

    EXPECT_TRUE(ReadTopicList(d + QStringLiteral("/gibtsnicht")).empty());
    EXPECT_TRUE(ReadTopicList(QString()).empty());
}

TEST(TopicList, SortedByLowerCaseNameInTheLocaleKeepingEqualKeysTogether) {
    QTemporaryDir dir;
    for (const char* n : {"Zebra.bwk", "äpfel.bwk", "Apfel.bwk", "birne.bwk", "9.bwk", "10.bwk",
                          "Karte.bwk", "karte.bwk"})
        WriteDoc(dir.path(), QString::fromUtf8(n), QString::fromUtf8(n));
    const auto list = ReadTopicList(dir.path(), QLocale(QLocale::German, QLocale::Germany));
    const QStringList names = FileNames(list);
    ASSERT_EQ(names.size(), 8);
    EXPECT_EQ(names.mid(0, 5),
              (QStringList{"10.bwk", "9.bwk", "Apfel.bwk", "äpfel.bwk", "birne.bwk"}));
    // Equal keys stay side by side in one fixed order, the same on every read.
    EXPECT_EQ(names.mid(5, 2).join(u',').toLower(), QStringLiteral("karte.bwk,karte.bwk"));
    EXPECT_EQ(names[7], QStringLiteral("Zebra.bwk"));
    EXPECT_EQ(FileNames(ReadTopicList(dir.path(), QLocale(QLocale::German))), names);
}

TEST(TopicList, MenuCaptions) {
    const ThemenDataTyp t{QStringLiteral("Flüsse"), QStringLiteral("/x/f.bwk"),
                          QStringLiteral("f.bwk")};
    EXPECT_EQ(TopicMenuCaption(0, t), QStringLiteral("&1:  Flüsse"));
    EXPECT_EQ(TopicMenuCaption(8, t), QStringLiteral("&9:  Flüsse"));
    EXPECT_EQ(TopicMenuCaption(9, t), QStringLiteral("10:  Flüsse"));
    const ThemenDataTyp blank{QStringLiteral("  \t"), QStringLiteral("/x/Leer.bwk"), {}};
    EXPECT_EQ(TopicMenuCaption(11, blank), QStringLiteral("12:  Leer.bwk"));
    // '&' is shown, not taken as an accelerator; a title stays on one line.
    const ThemenDataTyp amp{QStringLiteral("Lesen & Schreiben\r\nTeil 2"), {}, {}};
    EXPECT_EQ(TopicMenuCaption(1, amp), QStringLiteral("&2:  Lesen && Schreiben  Teil 2"));
}

TEST(Navigation, NextAndPreviousStepThroughTheListAndStopAtItsEnds) {
    Fixture f;
    ASSERT_EQ(f.ws.TopicList.size(), 3u);
    EXPECT_EQ(f.ws.SelectedTopic, -1);

    OpenNextTopic(f.ws); // nothing selected: the first entry
    EXPECT_EQ(f.datei(), f.a);
    EXPECT_EQ(f.ws.SelectedTopic, 0);
    OpenNextTopic(f.ws);
    OpenNextTopic(f.ws);
    EXPECT_EQ(f.datei(), f.c);
    EXPECT_EQ(f.ws.SelectedTopic, 2);
    const int replaced = f.replaced;
    OpenNextTopic(f.ws); // the last topic: nothing happens
    EXPECT_EQ(f.replaced, replaced);
    EXPECT_EQ(f.ws.SelectedTopic, 2);

    OpenPreviousTopic(f.ws);
    OpenPreviousTopic(f.ws);
    EXPECT_EQ(f.datei(), f.a);
    OpenPreviousTopic(f.ws);
    EXPECT_EQ(f.replaced, replaced + 2);

    f.ws.ViewMode = ViewModeKind::Exercise;
    OpenNextTopic(f.ws);
    EXPECT_EQ(f.datei(), f.a);
    EXPECT_TRUE(f.p.shown.empty());
}

TEST(Navigation, PreviousWithNothingSelectedOpensTheFirstAndAnEmptyListDoesNothing) {
    Fixture f;
    OpenPreviousTopic(f.ws);
    EXPECT_EQ(f.datei(), f.a);

    QTemporaryDir empty;
    Workspace ws(Edition::Autor);
    ws.CurrentFolder = Slash(empty.path());
    ws.ReadTopicList();
    OpenNextTopic(ws);
    OpenPreviousTopic(ws);
    EXPECT_TRUE(ws.doc.CurrentHeader.Datei.isEmpty());
}

TEST(Navigation, OpenTopicAsksAboutUnsavedChangesFirst) {
    Fixture f;
    int selections = 0;
    QObject::connect(&f.ws, &Workspace::selectedTopicChanged, [&] { ++selections; });
    OpenTopic(f.ws, 0);
    EXPECT_EQ(selections, 1);
    f.ws.doc.CurrentHeader.Geaendert = true;
    f.p.answers = {YesNoCancel::Cancel};
    OpenTopic(f.ws, 1);
    EXPECT_EQ(f.datei(), f.a);
    EXPECT_EQ(f.ws.SelectedTopic, 0);
    EXPECT_TRUE(f.ws.doc.CurrentHeader.Geaendert);

    f.p.answers = {YesNoCancel::No};
    OpenTopic(f.ws, 1);
    EXPECT_EQ(f.datei(), f.b);
    EXPECT_EQ(f.ws.SelectedTopic, 1);
    EXPECT_EQ(f.p.count(QStringLiteral("yesnocancel")), 2);

    // Outside the list: ignored without a question.
    f.ws.doc.CurrentHeader.Geaendert = true;
    OpenTopic(f.ws, -1);
    OpenTopic(f.ws, 3);
    EXPECT_EQ(f.p.count(QStringLiteral("yesnocancel")), 2);
}

TEST(Navigation, ATopicOpensAfterTheSaveQuestionStoredANewDocumentElsewhere) {
    // Saving the unsaved new document into another folder re-reads the list from there;
    // the topic that was clicked is still the one that opens.
    Fixture f;
    QTemporaryDir other;
    f.ws.doc.CurrentHeader.Geaendert = true;
    f.p.answers = {YesNoCancel::Yes};
    f.p.fileAnswers = {QDir(other.path()).filePath(QStringLiteral("neu.bwk"))};
    OpenTopic(f.ws, 2);
    EXPECT_EQ(f.datei(), f.c);
    EXPECT_EQ(f.ws.SelectedTopic, 2);
    ASSERT_EQ(f.ws.TopicList.size(), 3u);
    EXPECT_EQ(f.ws.TopicList[2].Pfad, f.c);
}

TEST(Navigation, ATopicThatNoLongerReadsLeavesNothingSelected) {
    Fixture f;
    OpenTopic(f.ws, 1);
    QFile::remove(f.c);
    WriteFile(f.dir.path(), QStringLiteral("c_china.bwk"), "kaputt");
    OpenTopic(f.ws, 2);
    EXPECT_TRUE(f.datei().isEmpty());
    EXPECT_EQ(f.ws.SelectedTopic, -1);
    EXPECT_EQ(f.ws.TopicList.size(), 2u); // the failed read closed and re-read the folder
    EXPECT_GE(f.p.count(QStringLiteral("error")), 1);
}

TEST(Navigation, TheListComesFromTheOpenDocumentsFolderAndSelectsIt) {
    Fixture f;
    QTemporaryDir other;
    WriteDoc(other.path(), QStringLiteral("x.bwk"), QStringLiteral("X"));
    ASSERT_TRUE(f.ws.ReadDocument(f.b, false));
    f.ws.CurrentFolder = Slash(other.path());
    int changed = 0;
    QObject::connect(&f.ws, &Workspace::topicListChanged, [&] { ++changed; });
    f.ws.ReadTopicList();
    EXPECT_EQ(changed, 1);
    ASSERT_EQ(f.ws.TopicList.size(), 3u);
    EXPECT_EQ(f.ws.SelectedTopic, 1);
}

TEST(Navigation, RereadingAndChoosingAFolderReportTheCount) {
    Fixture f;
    RereadCurrentFolder(f.ws);
    WriteDoc(f.dir.path(), QStringLiteral("d_donau.bwk"), QStringLiteral("Donau"));
    RereadCurrentFolder(f.ws);
    EXPECT_EQ(f.p.texts(QStringLiteral("info")),
              (QStringList{"3 Themendokument(e) eingelesen.\r\nWählen Sie das gewünschte "
                           "Dokument im Menü \"Themenauswahl\".",
                           "4 Themendokument(e) eingelesen.\r\nWählen Sie das gewünschte "
                           "Dokument im Menü \"Themenauswahl\"."}));

    QTemporaryDir other;
    WriteDoc(other.path(), QStringLiteral("x.bwk"), QStringLiteral("X"));
    OpenTopic(f.ws, 1);
    f.p.shown.clear();
    f.p.fileAnswers = {other.path()};
    ChooseFolder(f.ws);
    ASSERT_EQ(f.p.texts(QStringLiteral("folder")),
              QStringList{QStringLiteral("Aktuellen Ordner wählen|") + Slash(f.dir.path())});
    EXPECT_EQ(f.ws.CurrentFolder, Slash(other.path()));
    EXPECT_TRUE(f.datei().isEmpty());
    EXPECT_EQ(FileNames(f.ws.TopicList), QStringList{QStringLiteral("x.bwk")});
    EXPECT_EQ(f.p.texts(QStringLiteral("info")).value(0).left(29),
              QStringLiteral("1 Themendokument(e) eingelese"));

    // Cancelled: nothing changes.
    f.p.shown.clear();
    f.p.fileAnswers = {QString()};
    ChooseFolder(f.ws);
    EXPECT_EQ(f.ws.CurrentFolder, Slash(other.path()));
    EXPECT_EQ(f.p.count(QStringLiteral("info")), 0);
}

TEST(Navigation, ChoosingAFolderDoesNotDropUnsavedChanges) {
    Fixture f;
    QTemporaryDir other;
    OpenTopic(f.ws, 0);
    f.ws.doc.CurrentHeader.Geaendert = true;
    f.p.fileAnswers = {other.path()};
    f.p.answers = {YesNoCancel::Cancel};
    ChooseFolder(f.ws);
    EXPECT_EQ(f.datei(), f.a);
    EXPECT_TRUE(f.ws.doc.CurrentHeader.Geaendert);
    EXPECT_EQ(f.ws.CurrentFolder, Slash(f.dir.path()));
    EXPECT_EQ(f.p.count(QStringLiteral("info")), 0);
}

TEST(Navigation, PreviouslyShownDocumentReturnsAndAsksAboutChanges) {
    Fixture f;
    OpenPreviousDocument(f.ws); // none yet
    EXPECT_TRUE(f.datei().isEmpty());
    OpenTopic(f.ws, 0);
    OpenTopic(f.ws, 2);
    EXPECT_EQ(f.ws.PreviousDocument, f.a);
    OpenPreviousDocument(f.ws);
    EXPECT_EQ(f.datei(), f.a);
    EXPECT_EQ(f.ws.SelectedTopic, 0);
    EXPECT_EQ(f.ws.PreviousDocument, f.c);

    f.ws.doc.CurrentHeader.Geaendert = true;
    f.p.answers = {YesNoCancel::Cancel};
    OpenPreviousDocument(f.ws);
    EXPECT_EQ(f.datei(), f.a);
    EXPECT_EQ(f.p.count(QStringLiteral("yesnocancel")), 1);
}

TEST(CommandLine, AFolderIsListedAndNothingOpens) {
    Fixture f;
    Workspace& ws = f.ws;
    ws.StartFolder.clear();
    EvaluateCommandLine(ws, {f.dir.path()});
    EXPECT_EQ(ws.StartFolder, Slash(f.dir.path()));
    EXPECT_EQ(ws.CurrentFolder, ws.StartFolder);
    EXPECT_TRUE(ws.StartDocument.isEmpty());
    EXPECT_TRUE(f.datei().isEmpty());
    ws.ReadTopicList();
    EXPECT_EQ(ws.TopicList.size(), 3u);
    EXPECT_EQ(ws.SelectedTopic, -1);
    EXPECT_TRUE(f.p.shown.empty());
}

TEST(CommandLine, ADocumentOpensAndStartPageReopensIt) {
    Fixture f;
    Workspace& ws = f.ws;
    EvaluateCommandLine(ws, {QStringLiteral("file://") + f.b});
    EXPECT_EQ(f.datei(), f.b);
    EXPECT_EQ(ws.StartDocument, f.b);
    EXPECT_EQ(ws.StartFolder, Slash(f.dir.path()));
    ws.ReadTopicList();
    EXPECT_EQ(ws.SelectedTopic, 1);

    OpenTopic(ws, 2);
    QTemporaryDir other;
    f.p.fileAnswers = {other.path()};
    ChooseFolder(ws);
    EXPECT_TRUE(f.datei().isEmpty());

    ShowStartPage(ws);
    EXPECT_EQ(f.datei(), f.b);
    EXPECT_EQ(ws.SelectedTopic, 1);
    EXPECT_EQ(ws.TopicList.size(), 3u);
}

TEST(CommandLine, WithoutArgumentStartPageShowsTheProgramFolderWithoutADocument) {
    Fixture f;
    Workspace& ws = f.ws;
    EvaluateCommandLine(ws, {});
    EXPECT_EQ(ws.StartFolder, ws.ProgramFolder);
    OpenTopic(ws, 0);
    QTemporaryDir other;
    f.p.fileAnswers = {other.path()};
    ChooseFolder(ws);
    ShowStartPage(ws);
    EXPECT_EQ(ws.CurrentFolder, ws.StartFolder);
    EXPECT_TRUE(f.datei().isEmpty());
    EXPECT_TRUE(ws.StartScreenVisible);
    EXPECT_EQ(ws.TopicList.size(), 3u);
}

TEST(CommandLine, ADocumentThatDoesNotOpenIsNotTheStartPage) {
    Fixture f;
    Workspace& ws = f.ws;
    EvaluateCommandLine(ws, {f.dir.filePath(QStringLiteral("fehlt.bwk"))});
    EXPECT_EQ(f.p.count(QStringLiteral("error")), 1);
    EXPECT_TRUE(ws.StartDocument.isEmpty());
    EXPECT_EQ(ws.StartFolder, Slash(f.dir.path()));
    f.p.shown.clear();
    ShowStartPage(ws);
    EXPECT_TRUE(f.p.shown.empty());
    EXPECT_TRUE(f.datei().isEmpty());
}
