// The base-image commands with their questions and messages, as the menu runs them.
#include "authoring/basecommands.h"
#include "authoring/newdocument.h"
#include "support/scriptedprompter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace bw;
using bw::test::ScriptedPrompter;

namespace {

struct BaseFixture : ::testing::Test {
    ScriptedPrompter prompter;
    Document doc;
    DocumentEditor editor{doc};
    Authoring authoring{editor};
    BaseImageCommands commands{authoring, editor};
    QTemporaryDir dir;

    void SetUp() override {
        MakeNewDocument(doc, 0, {}, {}, {}, {});
        ObjDataTyp o = Authoring::MakeNewObject(0, {});
        doc.CurrentObjects.push_back(o);
        editor.DocumentReplaced();
    }
    QString PictureFile(const char* name, const char* format, QSize size) {
        QImage img(size, QImage::Format_RGB32);
        img.fill(Qt::magenta);
        const QString path = dir.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(img.save(path, format));
        return path;
    }
};

} // namespace

TEST_F(BaseFixture, PngJpegAndBmpFilesBecomeTheBaseImageAndLayOutThePage) {
    const std::pair<const char*, const char*> files[] = {
        {"karte.png", "PNG"}, {"foto.jpg", "JPEG"}, {"scan.BMP", "BMP"}};
    int steps = 0;
    for (const auto& [name, format] : files) {
        prompter.fileAnswers.push_back(PictureFile(name, format, QSize(600, 300)));
        commands.EinfuegenAusDatei(dir.path());
        EXPECT_EQ(doc.BaseImage.image().size(), QSize(600, 300)) << name;
        EXPECT_EQ(doc.PageSize(), QSize(600, 420)) << name;
        EXPECT_EQ(editor.undoStack().count(), ++steps);
    }
    EXPECT_DOUBLE_EQ(doc.CurrentObjects[0].Sx, 0.1); // objects keep their page fractions
    EXPECT_TRUE(prompter.texts(QStringLiteral("error")).isEmpty());
    EXPECT_TRUE(editor.IsModified());
}

TEST_F(BaseFixture, WrongExtensionOrCancelChangesNothing) {
    prompter.fileAnswers.push_back(PictureFile("bild.gif", "PNG", QSize(10, 10)));
    commands.EinfuegenAusDatei(dir.path());
    EXPECT_EQ(prompter.texts(QStringLiteral("error")),
              QStringList{QStringLiteral(
                  "Öffnen fehlgeschlagen wegen ungültiger Dateinamenserweiterung.")});
    prompter.fileAnswers.push_back(QString());
    commands.EinfuegenAusDatei(dir.path());
    EXPECT_EQ(doc.BaseImage.image().size(), QSize(300, 210));
    EXPECT_EQ(editor.undoStack().count(), 0);
    EXPECT_FALSE(editor.IsModified());
}

TEST_F(BaseFixture, ClipboardInAndOut) {
    QGuiApplication::clipboard()->clear();
    commands.EinfuegenAusZwischenablage();
    EXPECT_EQ(prompter.texts(QStringLiteral("info")),
              QStringList{QStringLiteral("Die Zwischenablage enthält keine Bitmap-Grafik.")});
    QImage img(350, 500, QImage::Format_ARGB32);
    img.fill(Qt::cyan);
    QGuiApplication::clipboard()->setImage(img);
    commands.EinfuegenAusZwischenablage();
    EXPECT_EQ(doc.BaseImage.image().size(), QSize(350, 500));
    EXPECT_EQ(doc.PageSize(), QSize(714, 500));
    QGuiApplication::clipboard()->clear();
    commands.KopierenInZwischenablage();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(350, 500));
}

TEST_F(BaseFixture, DeletingAsksFirst) {
    prompter.fileAnswers.push_back(PictureFile("karte.png", "PNG", QSize(600, 300)));
    commands.EinfuegenAusDatei(dir.path());
    prompter.answers = {YesNoCancel::No, YesNoCancel::Yes};
    commands.BasisbildLoeschen();
    EXPECT_EQ(doc.BaseImage.image().size(), QSize(600, 300));
    commands.BasisbildLoeschen();
    EXPECT_EQ(doc.BaseImage.image().size(), QSize(300, 210));
    EXPECT_EQ(doc.PageSize(), QSize(300, 210));
    EXPECT_EQ(prompter.texts(QStringLiteral("yesno")).size(), 2);
    EXPECT_EQ(prompter.texts(QStringLiteral("yesno"))[0],
              QStringLiteral("Basisbild wirklich löschen?"));
    editor.undoStack().undo();
    EXPECT_EQ(doc.BaseImage.image().size(), QSize(600, 300));

    prompter.answers = {YesNoCancel::No, YesNoCancel::Yes};
    EXPECT_FALSE(commands.AlleBeschriftungenLoeschen());
    EXPECT_TRUE(commands.AlleBeschriftungenLoeschen());
    EXPECT_EQ(doc.ObjectCount(), 0);
    EXPECT_FALSE(commands.AlleBeschriftungenLoeschen());
    EXPECT_EQ(prompter.texts(QStringLiteral("info")).last(),
              QStringLiteral("Es sind keine zu löschenden Objekte vorhanden."));
    editor.undoStack().undo();
    EXPECT_EQ(doc.ObjectCount(), 1);
}
