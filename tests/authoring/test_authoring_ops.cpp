// The authoring commands as undo steps: each one gives back the exact object list and
// header on undo and the edited ones on redo, and the modified flag follows the stack.
#include "authoring/authoring.h"
#include "authoring/newdocument.h"
#include "authoring/objecttypes.h"
#include "document/docfile.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace bw;

namespace {

// The fields a file keeps, compared exactly.
void ExpectSameObjects(const std::vector<ObjDataTyp>& a, const std::vector<ObjDataTyp>& b) {
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(a[i].Sx, b[i].Sx);
        EXPECT_EQ(a[i].Sy, b[i].Sy);
        EXPECT_EQ(a[i].Kx, b[i].Kx);
        EXPECT_EQ(a[i].Ky, b[i].Ky);
        EXPECT_EQ(a[i].Cap, b[i].Cap);
        EXPECT_EQ(a[i].Typ, b[i].Typ);
        EXPECT_EQ(a[i].Ebene, b[i].Ebene);
        EXPECT_EQ(a[i].KAusr, b[i].KAusr);
        EXPECT_EQ(a[i].KAusrAkt, b[i].KAusrAkt);
        EXPECT_EQ(a[i].TAusr, b[i].TAusr);
        EXPECT_EQ(a[i].Sline, b[i].Sline);
        EXPECT_EQ(a[i].Fsize, b[i].Fsize);
        EXPECT_EQ(a[i].Stil, b[i].Stil);
        EXPECT_EQ(a[i].Farbe, b[i].Farbe);
        EXPECT_EQ(a[i].Bild.image(), b[i].Bild.image());
    }
}

struct AuthoringFixture : ::testing::Test {
    Document doc;
    DocumentEditor editor{doc};
    Authoring authoring{editor};

    void SetUp() override {
        QImage base(1000, 500, QImage::Format_RGB32);
        base.fill(Qt::darkGreen);
        MakeNewDocument(doc, 0, {}, base, QStringLiteral("Flüsse"), QStringLiteral("Frau Lehmann"));
        editor.DocumentReplaced();
    }

    // Runs a step, then checks undo gives back the list before and redo the list after.
    template <typename F> void ExpectUndoable(F&& step) {
        const std::vector<ObjDataTyp> before = doc.CurrentObjects;
        const HeaderDataTyp headerBefore = doc.CurrentHeader;
        const int at = editor.undoStack().index();
        step();
        ASSERT_EQ(editor.undoStack().index(), at + 1) << "one step per command";
        const std::vector<ObjDataTyp> after = doc.CurrentObjects;
        const DoubleRect marginsAfter = doc.CurrentHeader.RandErw;
        editor.undoStack().undo();
        ExpectSameObjects(doc.CurrentObjects, before);
        EXPECT_EQ(doc.CurrentHeader.RandErw, headerBefore.RandErw);
        EXPECT_EQ(doc.CurrentHeader.titel, headerBefore.titel);
        editor.undoStack().redo();
        ExpectSameObjects(doc.CurrentObjects, after);
        EXPECT_EQ(doc.CurrentHeader.RandErw, marginsAfter);
    }
};

} // namespace

TEST_F(AuthoringFixture, NewObjectsArePlacedFromTheVisiblePart) {
    ExpectUndoable([&] { EXPECT_EQ(authoring.NewObject(0, {}), 0); });
    const ObjDataTyp& o = doc.CurrentObjects[0];
    EXPECT_DOUBLE_EQ(o.Sx, 0.1);
    EXPECT_DOUBLE_EQ(o.Sy, 0.15);
    EXPECT_DOUBLE_EQ(o.Kx, 0.4);
    EXPECT_DOUBLE_EQ(o.Ky, 0.15);
    EXPECT_EQ(o.Cap, QStringLiteral("NEU"));
    EXPECT_EQ(o.Ebene, 1);
    EXPECT_EQ(o.Sline, 1);
    EXPECT_EQ(o.FrageNummer, -1);
    EXPECT_TRUE(editor.IsModified());

    NewObjectDefaults zoomed;
    zoomed.viewport = {0.5, 0.5, 1.0, 1.0};
    zoomed.sline = false;
    zoomed.kausr = 3;
    ExpectUndoable([&] { EXPECT_EQ(authoring.NewObject(5, zoomed), 1); });
    const ObjDataTyp& link = doc.CurrentObjects[1];
    EXPECT_DOUBLE_EQ(link.Sx, 0.15);
    EXPECT_DOUBLE_EQ(link.Sy, 0.225);
    EXPECT_EQ(link.Typ, TypLinkExtern);
    EXPECT_EQ(link.Ebene, 2);
    EXPECT_EQ(link.Sline, 0);
    EXPECT_EQ(link.KAusr, 3);
    EXPECT_TRUE(link.Cap.isEmpty());
    EXPECT_EQ(authoring.NewObject(7, {}), -1);
    EXPECT_EQ(doc.ObjectCount(), 2);

    // Undoing every step to the saved state clears the modified flag.
    editor.undoStack().undo();
    editor.undoStack().undo();
    EXPECT_FALSE(editor.IsModified());
    EXPECT_EQ(doc.ObjectCount(), 0);
}

TEST_F(AuthoringFixture, StoreDuplicateDeleteAndDeleteAllAreStepsThatUndo) {
    authoring.NewObject(0, {});
    authoring.NewObject(4, {});
    ObjDataTyp edited = doc.CurrentObjects[0];
    edited.Cap = QStringLiteral("Rhein");
    edited.KAusr = 2;
    edited.Fsize = 12;
    edited.Stil = 1 | 4;
    edited.Farbe = 0x0000FF; // red as 0x00BBGGRR
    edited.Sy = 0.98;
    edited.Ky = 0.97;
    ExpectUndoable([&] { EXPECT_EQ(authoring.StoreObject(0, edited), 0); });
    EXPECT_EQ(doc.CurrentObjects[0].KAusrAkt, 2);
    EXPECT_EQ(authoring.StoreObject(9, edited), -1);

    edited.KAusr = 0; // "automatisch": the renderer chooses again
    authoring.StoreObject(0, edited);
    EXPECT_EQ(doc.CurrentObjects[0].KAusrAkt, 0);

    ExpectUndoable([&] { EXPECT_EQ(authoring.DuplicateObject(0), 1); });
    EXPECT_EQ(doc.CurrentObjects[1].Cap, QStringLiteral("KOPIE von Rhein"));
    EXPECT_DOUBLE_EQ(doc.CurrentObjects[1].Sy, 1.0);
    EXPECT_DOUBLE_EQ(doc.CurrentObjects[1].Ky, 1.0);
    EXPECT_EQ(doc.CurrentObjects[2].Typ, TypInfopunkt); // the rest moved up by one

    ExpectUndoable([&] { EXPECT_TRUE(authoring.DeleteObject(1)); });
    EXPECT_EQ(doc.ObjectCount(), 2);
    EXPECT_FALSE(authoring.DeleteObject(2));

    doc.AddGeneratedObject(TypAntwortFeld, 1, QStringLiteral("Antwort"), 0, 0, 0.5, 0.5, 1);
    ExpectUndoable([&] { EXPECT_TRUE(authoring.DeleteAllObjects()); });
    ASSERT_EQ(doc.ObjectCount(), 1);
    EXPECT_EQ(doc.CurrentObjects[0].Typ, TypAntwortFeld);
    EXPECT_FALSE(authoring.DeleteAllObjects());
}

TEST_F(AuthoringFixture, DuplicatedPictureIsItsOwn) {
    authoring.NewObject(1, {});
    ObjDataTyp pic = doc.CurrentObjects[0];
    QImage img(20, 10, QImage::Format_RGB32);
    img.fill(Qt::blue);
    pic.Bild = Picture(img);
    authoring.StoreObject(0, pic);
    authoring.DuplicateObject(0);
    doc.CurrentObjects[1].Bild.mutableImage().fill(Qt::red);
    EXPECT_EQ(doc.CurrentObjects[0].Bild.image().pixel(0, 0), QColor(Qt::blue).rgb());
}

TEST_F(AuthoringFixture, BaseImageAndLayoutStepsMoveOrKeepObjects) {
    authoring.NewObject(0, {});
    const ObjDataTyp o = doc.CurrentObjects[0];
    // 1000 x 500 on 10:7: 0.2 above and below.
    EXPECT_NEAR(doc.CurrentHeader.RandErw.top, 0.2, 1e-12);

    PageLayout l = PageLayout::FromHeader(doc.CurrentHeader);
    l.BildGroesse = 50;
    ExpectUndoable([&] { authoring.SetPageLayout(l, true); });
    EXPECT_EQ(doc.CurrentHeader.BildGroesse, 50);
    EXPECT_NEAR(doc.CurrentObjects[0].Sx, (0.1 * 1.0 + 0.5) / 2.0, 1e-12);
    editor.undoStack().undo();
    EXPECT_EQ(doc.CurrentHeader.BildGroesse, 100); // undo gives the layout values back too

    l.BildGroesse = 150;
    ExpectUndoable([&] { authoring.SetPageLayout(l, false); });
    EXPECT_EQ(doc.CurrentObjects[0].Sx, o.Sx);
    EXPECT_LT(doc.CurrentHeader.RandErw.left, 0);

    QImage tall(300, 600, QImage::Format_RGB32);
    tall.fill(Qt::yellow);
    ExpectUndoable([&] { authoring.ReplaceBaseImage(tall); });
    EXPECT_EQ(doc.BaseImage.width(), 300);
    EXPECT_EQ(doc.CurrentObjects[0].Sx, o.Sx);
    editor.undoStack().undo();
    EXPECT_EQ(doc.BaseImage.width(), 1000);
    editor.undoStack().redo();

    ExpectUndoable([&] { authoring.DeleteBaseImage(); });
    EXPECT_EQ(doc.BaseImage.image().size(), QSize(300, 210));
    EXPECT_EQ(doc.CurrentObjects[0].Sx, o.Sx);

    ExpectUndoable([&] { EXPECT_TRUE(authoring.TransformObjects(2, 0, 1, 1000)); });
    EXPECT_DOUBLE_EQ(doc.CurrentObjects[0].Kx, 0.8);
    EXPECT_DOUBLE_EQ(doc.CurrentObjects[0].Ky, 0.25);
}

TEST_F(AuthoringFixture, PropertiesOnlyChangeWhenAValueDid) {
    authoring.SetProperties(QStringLiteral("Flüsse"), QStringLiteral("Frau Lehmann"), {}, 0, 0);
    EXPECT_EQ(editor.undoStack().count(), 0);
    EXPECT_FALSE(editor.IsModified());
    ExpectUndoable([&] {
        authoring.SetProperties(AppendDokTypToTitle(QStringLiteral("Flüsse"), 0),
                                QStringLiteral("Frau Lehmann"), QStringLiteral("Kl. 5"), 1, 1);
    });
    EXPECT_EQ(doc.CurrentHeader.titel, QStringLiteral("Flüsse - Bildbeschriftung"));
    EXPECT_EQ(doc.CurrentHeader.NumArt, 1);
    editor.MarkSaved();
    editor.undoStack().undo();
    EXPECT_TRUE(editor.IsModified()); // away from the saved state again
}

TEST_F(AuthoringFixture, EditedDocumentReadsBackWithEveryField) {
    authoring.NewObject(0, {});
    ObjDataTyp e = doc.CurrentObjects[0];
    e.Cap = QStringLiteral("Zeile 1\r\nZeile 2");
    e.Sx = 1234 / 10000.0;
    e.Fsize = 92;
    e.Stil = 7;
    e.Farbe = 0x00336699;
    e.KAusr = 4;
    e.TAusr = 2;
    authoring.StoreObject(0, e);
    authoring.DuplicateObject(0);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("neu.bwk"));
    ASSERT_TRUE(WriteDocumentFile(path, doc).ok);
    Document read;
    ASSERT_TRUE(ReadDocumentFile(path, read, false).ok);
    ExpectSameObjects(read.CurrentObjects, doc.CurrentObjects);
    EXPECT_EQ(read.CurrentHeader.titel, QStringLiteral("Flüsse"));
    EXPECT_EQ(read.CurrentHeader.autor, QStringLiteral("Frau Lehmann"));
}

TEST(AuthoringTexts, DeleteQuestionNamesWhatAndTheId) {
    EXPECT_EQ(DeleteObjectQuestion(TypAbfrage, 3, {}, QStringLiteral("Rhein")),
              QStringLiteral("Soll die Beschriftung \"Rhein\" (ID 3) wirklich gelöscht werden?"));
    EXPECT_EQ(
        DeleteObjectQuestion(TypLinkIntern, 0, QStringLiteral("a.bwk"), {}),
        QStringLiteral("Soll die Dateiverknüpfung \"a.bwk\" (ID 0) wirklich gelöscht werden?"));
    EXPECT_EQ(DeleteObjectQuestion(TypFixBild, 1, {}, {}),
              QStringLiteral("Soll das Bild (ID 1) wirklich gelöscht werden?"));
    EXPECT_EQ(DeleteObjectQuestion(TypInfopunkt, 2, {}, QStringLiteral("i")),
              QStringLiteral("Soll der Infopunkt \"i\" (ID 2) wirklich gelöscht werden?"));
}

TEST(AuthoringPictures, ExtensionDecidesAndCaseDoesNot) {
    QTemporaryDir dir;
    QImage img(8, 6, QImage::Format_RGB32);
    img.fill(Qt::red);
    const QString jpg = dir.filePath(QStringLiteral("foto.JPG"));
    ASSERT_TRUE(img.save(jpg, "JPEG"));
    QImage out;
    EXPECT_EQ(LoadAuthoringPicture(jpg, out), PictureLoad::Ok);
    EXPECT_EQ(out.size(), QSize(8, 6));
    const QString gif = dir.filePath(QStringLiteral("foto.gif"));
    QFile::copy(jpg, gif);
    QImage untouched;
    EXPECT_EQ(LoadAuthoringPicture(gif, untouched), PictureLoad::BadExtension);
    EXPECT_TRUE(untouched.isNull());
    const QString broken = dir.filePath(QStringLiteral("kaputt.png"));
    QFile f(broken);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a png");
    f.close();
    EXPECT_EQ(LoadAuthoringPicture(broken, untouched), PictureLoad::Unreadable);
}
