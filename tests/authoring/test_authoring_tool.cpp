// brettwerk-tool new and previews from a script's side.
#include "document/docfile.h"

#include "support/toolrun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace bw;
using test::ReadPng;
using test::ToolRun;

namespace {

ToolRun Tool(const QStringList& args, const QString& home) {
    // The settings in force are the defaults of a user without stored settings.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    return test::RunTool(args, {}, env);
}

} // namespace

TEST(AuthoringTool, NewMakesALaidOutDocumentAndNeverReplacesOne) {
    QTemporaryDir dir;
    QImage photo(1000, 500, QImage::Format_RGB32);
    photo.fill(Qt::darkCyan);
    const QString base = dir.filePath(QStringLiteral("foto.png"));
    ASSERT_TRUE(photo.save(base, "PNG"));
    const QString out = dir.filePath(QStringLiteral("neu.bwk"));
    ToolRun r =
        Tool({QStringLiteral("new"), out, QStringLiteral("--type"), QStringLiteral("1"),
              QStringLiteral("--base"), base, QStringLiteral("--title"), QStringLiteral("Flüsse"),
              QStringLiteral("--author"), QStringLiteral("Hr. Ott")},
             dir.path());
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    Document doc;
    ASSERT_TRUE(ReadDocumentFile(out, doc, false).ok);
    EXPECT_EQ(doc.CurrentHeader.DokTyp, 1);
    EXPECT_EQ(doc.CurrentHeader.titel, QStringLiteral("Flüsse"));
    EXPECT_EQ(doc.CurrentHeader.autor, QStringLiteral("Hr. Ott"));
    EXPECT_EQ(doc.BaseImage.image().size(), QSize(1000, 500));
    EXPECT_EQ(doc.PageSize(), QSize(1000, 700)); // 10:7 of a user without settings
    EXPECT_EQ(doc.ObjectCount(), 0);

    const QByteArray before = [&] {
        QFile f(out);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    r = Tool({QStringLiteral("new"), out, QStringLiteral("--type"), QStringLiteral("0")},
             dir.path());
    EXPECT_EQ(r.status, 1);
    QFile f(out);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);

    const QString gif = dir.filePath(QStringLiteral("foto.gif"));
    QFile::copy(base, gif);
    r = Tool({QStringLiteral("new"), dir.filePath(QStringLiteral("b.bwk")),
              QStringLiteral("--type"), QStringLiteral("0"), QStringLiteral("--base"), gif},
             dir.path());
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("ungültiger Dateinamenserweiterung"));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("b.bwk"))));
    EXPECT_EQ(Tool({QStringLiteral("new"), dir.filePath(QStringLiteral("c.bwk")),
                    QStringLiteral("--type"), QStringLiteral("4")},
                   dir.path())
                  .status,
              2);
}

TEST(AuthoringTool, PreviewsOfAFolderWithProgressAndSkippedDamage) {
    QTemporaryDir dir;
    for (const char* name : {"a.bwk", "b.bwk", "c.bwk"}) {
        const ToolRun r = Tool({QStringLiteral("new"), dir.filePath(QString::fromLatin1(name)),
                                QStringLiteral("--type"), QStringLiteral("0")},
                               dir.path());
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
    }
    QDir(dir.path()).mkdir(QStringLiteral("vorschaubilder"));
    QFile other(dir.filePath(QStringLiteral("vorschaubilder/a-100.png")));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("keep");
    other.close();

    ToolRun r = Tool({QStringLiteral("previews"), dir.path()}, dir.path());
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.err.count("Bearbeite Dokument Nr."), 3);
    EXPECT_TRUE(r.err.contains("Nr. 3 von 3"));
    for (const char* name : {"a-200.png", "b-200.png", "c-200.png"}) {
        const QImage img = ReadPng(dir.filePath(QStringLiteral("vorschaubilder/") + name));
        EXPECT_EQ(img.size(), QSize(286, 200)) << name;
    }
    EXPECT_EQ(QFileInfo(dir.filePath(QStringLiteral("vorschaubilder/a-100.png"))).size(), 4);

    // A damaged document is reported and skipped; the others are still written.
    QFile bad(dir.filePath(QStringLiteral("b.bwk")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("BWK-kaputt");
    bad.close();
    r = Tool(
        {QStringLiteral("previews"), dir.path(), QStringLiteral("--height"), QStringLiteral("10")},
        dir.path());
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("vorschaubilder/c-10.png"))));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("vorschaubilder/b-10.png"))));
    EXPECT_EQ(ReadPng(dir.filePath(QStringLiteral("vorschaubilder/a-10.png"))).size(),
              QSize(14, 10));

    // One file: its folder's preview folder.
    r = Tool({QStringLiteral("previews"), dir.filePath(QStringLiteral("c.bwk")),
              QStringLiteral("--height"), QStringLiteral("50")},
             dir.path());
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("vorschaubilder/c-50.png"))));
    EXPECT_EQ(Tool({QStringLiteral("previews"), dir.path(), QStringLiteral("--height"),
                    QStringLiteral("9")},
                   dir.path())
                  .status,
              2);
}

TEST(AuthoringTool, NewFromTextFilesOfEachTypeAndNothingWrittenForABadCharacter) {
    QTemporaryDir dir;
    auto write = [&](const char* name, const QByteArray& bytes) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    };
    const QString cloze = write("cloze.txt", "\n  Die Sonne geht im <<Osten>> auf.\n\n");
    const QString single = write("fragen.txt", "Wann ist Sommeranfang? // Juni\nWo? //Hier\n");
    const QString choice = write("mc.txt", "Welche sind S\xC3\xA4ugetiere?\n+ Wal\n- Hai\n");
    const QString bad = write("bad.txt", "ok\nWinkel \xCE\xB1\n");
    struct Case {
        QString text;
        int type;
    };
    for (const Case& c : {Case{cloze, 1}, Case{single, 2}, Case{choice, 3}}) {
        const QString out = dir.filePath(QStringLiteral("doc%1.bwk").arg(c.type));
        const ToolRun r = Tool({QStringLiteral("new"), out, QStringLiteral("--type"),
                                QString::number(c.type), QStringLiteral("--text"), c.text},
                               dir.path());
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        Document doc;
        ASSERT_TRUE(ReadDocumentFile(out, doc, false).ok);
        EXPECT_EQ(doc.CurrentHeader.DokTyp, c.type);
        if (c.type == 1) {
            EXPECT_EQ(doc.CurrentHeader.lueckentext,
                      QStringLiteral("Die Sonne geht im <<Osten>> auf."));
            int gaps = 0;
            for (const ObjDataTyp& o : doc.CurrentObjects)
                gaps += o.Typ == TypLuecke && o.Cap == QStringLiteral("Osten");
            EXPECT_EQ(gaps, 1);
        }
        if (c.type == 2) {
            EXPECT_EQ(doc.CurrentHeader.fragentext,
                      QStringLiteral("Wann ist Sommeranfang? // Juni\r\nWo? //Hier"));
            EXPECT_EQ(doc.CurrentHeader.AnzFrageNummern, 2);
            int answers = 0;
            for (const ObjDataTyp& o : doc.CurrentObjects)
                answers += o.Typ == TypAntwortFeld;
            EXPECT_EQ(answers, 2);
        }
        if (c.type == 3) {
            int questions = 0;
            for (const ObjDataTyp& o : doc.CurrentObjects)
                if (o.Typ == TypMCFrage) {
                    ++questions;
                    EXPECT_EQ(o.Cap,
                              QStringLiteral("\"Welche sind Säugetiere?\",\"+ Wal\r\n- Hai\""));
                }
            EXPECT_EQ(questions, 1);
        }
    }
    const QString out = dir.filePath(QStringLiteral("bad.bwk"));
    const ToolRun r = Tool({QStringLiteral("new"), out, QStringLiteral("--type"),
                            QStringLiteral("2"), QStringLiteral("--text"), bad},
                           dir.path());
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("Zeile 2, Spalte 8")) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(out));
    // A text for a labelling document is a mistake of the call.
    EXPECT_EQ(Tool({QStringLiteral("new"), out, QStringLiteral("--type"), QStringLiteral("0"),
                    QStringLiteral("--text"), cloze},
                   dir.path())
                  .status,
              2);
}
