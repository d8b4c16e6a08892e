#include "fakehost.h"
#include "support/scriptedprompter.h"
#include "view/links.h"
#include "view/rtfwriter.h"
#include "viewfixtures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace bw;
using namespace bw::test;

namespace {

void Touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

struct LinkFixture : ::testing::Test {
    QTemporaryDir dir;
    QString root() const { return dir.path() + QLatin1Char('/'); }
};

} // namespace

TEST_F(LinkFixture, WindowsRelativePathsResolveAgainstTheDocumentFolder) {
    Touch(root() + QStringLiteral("bilder/karte.bwk"));
    const QString docFolder = root() + QStringLiteral("themen/");
    QDir().mkpath(docFolder);
    EXPECT_EQ(ResolveLinkPath(QStringLiteral("..\\bilder\\karte.bwk"), docFolder, {}, {}),
              root() + QStringLiteral("bilder/karte.bwk"));
    // A different letter case in the link still finds the only matching file.
    EXPECT_EQ(ResolveLinkPath(QStringLiteral("..\\Bilder\\KARTE.BWK"), docFolder, {}, {}),
              root() + QStringLiteral("bilder/karte.bwk"));
}

TEST_F(LinkFixture, FoldersAreTriedInOrderAndAddressesStayUnchanged) {
    Touch(root() + QStringLiteral("start/a.bwk"));
    Touch(root() + QStringLiteral("prog/a.bwk"));
    Touch(root() + QStringLiteral("prog/b.bwk"));
    const QString start = root() + QStringLiteral("start/");
    const QString prog = root() + QStringLiteral("prog/");
    EXPECT_EQ(ResolveLinkPath(QStringLiteral("a.bwk"), root() + QStringLiteral("x/"), start, prog),
              start + QStringLiteral("a.bwk"));
    EXPECT_EQ(ResolveLinkPath(QStringLiteral("b.bwk"), {}, start, prog),
              prog + QStringLiteral("b.bwk"));
    EXPECT_EQ(ResolveLinkPath(QStringLiteral("fehlt.bwk"), {}, start, prog),
              QStringLiteral("fehlt.bwk"));
    EXPECT_EQ(ResolveLinkPath(QStringLiteral("HTTPS://example.org/a\\b"), {}, start, prog),
              QStringLiteral("HTTPS://example.org/a\\b"));
}

TEST_F(LinkFixture, AmbiguousLetterCaseIsNotGuessed) {
    Touch(root() + QStringLiteral("Karte.bwk"));
    Touch(root() + QStringLiteral("karte.bwk"));
    EXPECT_EQ(ResolveLinkPath(QStringLiteral("KARTE.bwk"), root(), {}, {}),
              QStringLiteral("KARTE.bwk"));
}

TEST_F(LinkFixture, InternalLinkReadsTheResolvedDocument) {
    Touch(root() + QStringLiteral("zwei.bwk"));
    Document doc = PlainDocument(100, 100);
    doc.CurrentHeader.Datei = root() + QStringLiteral("eins.bwk");
    const int i = AddObject(doc, TypLinkIntern, QStringLiteral("Zwei.bwk"), 0.5, 0.5, 1, 2);
    FakeHost host;
    ScriptedPrompter prompter;
    EXPECT_TRUE(OpenInternalLink(doc, i, host));
    EXPECT_EQ(host.readPaths, QStringList{root() + QStringLiteral("zwei.bwk")});

    // Cancel in the save question stops.
    host.saveAnswer = false;
    EXPECT_FALSE(OpenInternalLink(doc, i, host));
    EXPECT_EQ(host.readPaths.size(), 1);
}

TEST_F(LinkFixture, InternalLinkToAMissingFileShowsTheError) {
    Document doc = PlainDocument(100, 100);
    const int i = AddObject(doc, TypLinkIntern, QStringLiteral("weg.bwk"), 0.5, 0.5, 1, 2);
    FakeHost host;
    ScriptedPrompter prompter;
    EXPECT_FALSE(OpenInternalLink(doc, i, host));
    EXPECT_EQ(prompter.texts("error"),
              QStringList{QStringLiteral("Die Datei \"weg.bwk\" existiert nicht.")});
    EXPECT_TRUE(host.readPaths.isEmpty());
}

TEST_F(LinkFixture, InternalLinkToAFolderSwitchesTheTopicFolder) {
    QDir().mkpath(root() + QStringLiteral("Erdkunde"));
    Document doc = PlainDocument(100, 100);
    const int i = AddObject(doc, TypLinkIntern, QStringLiteral("erdkunde\\"), 0.5, 0.5, 1, 2);
    FakeHost host;
    host.currentFolder = root();
    ScriptedPrompter prompter;
    EXPECT_TRUE(OpenInternalLink(doc, i, host));
    EXPECT_EQ(host.currentFolder, root() + QStringLiteral("Erdkunde/"));
    EXPECT_EQ(host.closed, 1);

    // A folder that does not exist keeps the document open.
    doc.CurrentObjects[i].Cap = QStringLiteral("Gibtsnicht\\");
    EXPECT_FALSE(OpenInternalLink(doc, i, host));
    EXPECT_EQ(host.closed, 1);
    EXPECT_EQ(prompter.count("error"), 1);
}

TEST_F(LinkFixture, ExternalLinkThatCannotOpenShowsItsMessage) {
    Document doc = PlainDocument(100, 100);
    const int i =
        AddObject(doc, TypLinkExtern, QStringLiteral("C:\\gibt\\es\\nicht.pdf"), 0.5, 0.5, 1, 2);
    FakeHost host;
    ScriptedPrompter prompter;
    EXPECT_FALSE(OpenExternalLink(doc, i, host));
    EXPECT_EQ(prompter.texts("error"),
              QStringList{QStringLiteral("Die Datei oder Internet-Adresse "
                                         "\"C:\\gibt\\es\\nicht.pdf\" kann nicht geöffnet "
                                         "werden.")});
}

TEST(InfoCopy, RtfEscapesAndEncodesWindows1252) {
    const QStringList lines = InfoTextCopyLines(QStringLiteral("<B>Grüße</b> {x}\\y\r\n€ ≠"));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], QStringLiteral("Grüße {x}\\y"));
    const QByteArray rtf = PlainLinesToRtf(lines, 11);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    EXPECT_TRUE(rtf.contains("\\fs22 "));
    EXPECT_TRUE(rtf.contains("Gr\\'fc\\'dfe \\{x\\}\\\\y\\par"));
    EXPECT_TRUE(rtf.contains("\\'80 \\u8800?\\par"));
    EXPECT_TRUE(rtf.trimmed().endsWith('}'));
    const QString html = PlainLinesToHtml(lines, 11);
    EXPECT_TRUE(html.contains(QStringLiteral("Grüße {x}\\y<br>")));
}

TEST(InfoCopy, RtfFileIsWrittenWhole) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/info.rtf");
    ASSERT_TRUE(WriteRtfFile(path, PlainLinesToRtf({QStringLiteral("a")}, 11)));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("a\\par"));
    EXPECT_FALSE(WriteRtfFile(dir.path() + QStringLiteral("/no/such/dir/x.rtf"), "x"));
}
