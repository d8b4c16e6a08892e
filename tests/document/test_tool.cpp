#include "bytebuilder.h"
#include "docsamples.h"

#include "document/docfile.h"
#include "document/imagecodec.h"

#include "support/toolrun.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace bw;
using test::ToolRun;

namespace {

QString SaveSample(const QTemporaryDir& dir, Document d) {
    const QString path = dir.filePath(QStringLiteral("probe.bwk"));
    EXPECT_TRUE(WriteDocumentFile(path, d).ok);
    return path;
}

// brettwerk-tool settings for a user whose configuration folder is dir and whose stored
// settings are content.
ToolRun SettingsOfStore(const QTemporaryDir& dir, const QByteArray& content) {
    const QString folder = dir.filePath(QStringLiteral("brettwerk"));
    QDir().mkpath(folder);
    QFile store(folder + QStringLiteral("/settings.conf"));
    if (!store.open(QIODevice::WriteOnly) || store.write(content) != content.size()) {
        ADD_FAILURE() << "cannot write " << store.fileName().toStdString();
        return {};
    }
    store.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path());
    return test::RunTool(
        {QStringLiteral("settings"), QStringLiteral("--program-folder"), dir.path()}, {}, env);
}

} // namespace

TEST(BrettwerkTool, DumpShowsEveryStoredFieldAsJson) {
    QTemporaryDir dir;
    const Document sample = test::SampleDocument();
    const ToolRun r = test::RunTool({QStringLiteral("dump"), SaveSample(dir, sample)});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QJsonParseError error;
    const QJsonObject root = QJsonDocument::fromJson(r.out, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError);

    const QJsonObject h = root[QStringLiteral("header")].toObject();
    EXPECT_EQ(h[QStringLiteral("titel")].toString(), sample.CurrentHeader.titel);
    EXPECT_EQ(h[QStringLiteral("DokTyp")].toInt(), 2);
    EXPECT_EQ(h[QStringLiteral("RandErw")].toObject()[QStringLiteral("right")].toDouble(), 0.2);
    for (const char* key : {"vers", "autor", "bemerkung", "lueckentext", "fragentext",
                            "AnzFrageNummern", "NumArt", "GeordnetArt"})
        EXPECT_TRUE(h.contains(QLatin1String(key))) << key;

    const QJsonArray objects = root[QStringLiteral("objects")].toArray();
    ASSERT_EQ(objects.size(), sample.ObjectCount());
    const QJsonObject mc = objects.last().toObject();
    EXPECT_EQ(mc[QStringLiteral("Typ")].toInt(), 21);
    EXPECT_EQ(mc[QStringLiteral("Cap")].toString(), sample.CurrentObjects.back().Cap);
    EXPECT_EQ(mc[QStringLiteral("Ky")].toDouble(), sample.CurrentObjects.back().Ky);
    EXPECT_EQ(mc[QStringLiteral("Bild")].toObject()[QStringLiteral("width")].toInt(),
              sample.CurrentObjects.back().Bild.width());
    const QJsonArray answers = mc[QStringLiteral("BildAntw")].toArray();
    EXPECT_EQ(answers[0].toObject()[QStringLiteral("height")].toInt(), 6);
    EXPECT_TRUE(answers[3].isNull());
    for (const char* key : {"Sx", "Sy", "Kx", "KAusr", "TAusr", "Ebene", "Sline", "Fsize",
                            "KAusrAkt", "FrageNummer", "Stil", "Farbe", "Untertyp", "AntwortAnz"})
        EXPECT_TRUE(mc.contains(QLatin1String(key))) << key;
    EXPECT_TRUE(objects.first().toObject()[QStringLiteral("Bild")].isNull());
    EXPECT_EQ(root[QStringLiteral("baseImage")].toObject()[QStringLiteral("width")].toInt(), 64);
}

TEST(BrettwerkTool, InfoNamesTitleTypeCountAndImageSize) {
    QTemporaryDir dir;
    const ToolRun r =
        test::RunTool({QStringLiteral("info"), SaveSample(dir, test::SampleDocument())});
    ASSERT_EQ(r.status, 0);
    const QString out = QString::fromUtf8(r.out);
    EXPECT_TRUE(out.contains(QStringLiteral("title: Europa – Flüsse & Städte €"))) << r.out.data();
    EXPECT_TRUE(out.contains(QStringLiteral("type: 2 (Einzelfragen)")));
    EXPECT_TRUE(out.contains(QStringLiteral("objects: 18")));
    EXPECT_TRUE(out.contains(QStringLiteral("base image: 64 x 48")));
}

TEST(BrettwerkTool, UnreadableFileGivesTheReadersMessageAndStatus1) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kaputt.bwk"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("kein Dokument");
    f.close();
    for (const char* cmd : {"info", "dump"}) {
        const ToolRun r = test::RunTool({QLatin1String(cmd), path});
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.contains(QStringLiteral("Ungültiges Dateiformat.\n")))
            << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("Die Datei \"") + path +
                                   QStringLiteral("\" kann nicht gelesen werden.")));
    }
    const ToolRun missing =
        test::RunTool({QStringLiteral("dump"), dir.filePath(QStringLiteral("fehlt.bwk"))});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("\" existiert nicht.")));
}

TEST(BrettwerkTool, ConvertBringsAnOldDocumentToTheCurrentFormat) {
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("alt.qlx"));
    const QByteArray base = EncodePng(test::SamplePicture(12, 9, 4), 5);
    test::Bytes b;
    b.str("KEV-1.01")
        .str("|HD-vers|HD-titel|HD-autor|HD-bemerkung|OB-Sx|OB-Sy|OB-Kx|OB-Ky|"
             "OB-Cap|OB-KAusr|OB-TAusr|OB-Ebene|OB-Typ|OB-Sline|OB-Fsize|"
             "OB-KAusrAkt|");
    b.str("1.00").str("Alt").str("").str("").i32(1);
    b.f64(0.1).f64(0.2).f64(0.3).f64(0.4).str("\"Le Mans\"").i32(0).i32(0).i32(1).i32(0);
    b.i32(1).i32(0).i32(1).raw(base);
    QFile f(in);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(b.data);
    f.close();

    const QString out = dir.filePath(QStringLiteral("neu.bwk"));
    const ToolRun r = test::RunTool({QStringLiteral("convert"), in, out});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QFile o(out);
    ASSERT_TRUE(o.open(QIODevice::ReadOnly));
    const QByteArray converted = o.readAll();
    EXPECT_TRUE(converted.startsWith(test::Bytes().str("BWK-2.10").data));
    EXPECT_TRUE(converted.endsWith(base)); // the picture is copied, not encoded again
    Document doc;
    ASSERT_TRUE(ReadDocumentBytes(converted, doc, false).ok);
    EXPECT_EQ(doc.CurrentHeader.titel, QStringLiteral("Alt"));
    ASSERT_EQ(doc.ObjectCount(), 1);
    EXPECT_EQ(doc.CurrentObjects[0].Cap, QStringLiteral("Le Mans"));
    EXPECT_EQ(doc.CurrentObjects[0].FrageNummer, -1);

    const QString none = dir.filePath(QStringLiteral("nichts.bwk"));
    EXPECT_EQ(
        test::RunTool({QStringLiteral("convert"), dir.filePath(QStringLiteral("fehlt.qlx")), none})
            .status,
        1);
    EXPECT_FALSE(QFile::exists(none));
}

TEST(BrettwerkTool, SettingsOnlyReadsADamagedStore) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("brettwerk"));
    const ToolRun r = SettingsOfStore(dir, "kein Einstellungsformat\n");
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("beschädigt")) << r.err.toStdString();
    EXPECT_TRUE(QJsonDocument::fromJson(r.out).isObject());
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("settings.conf")});
}

TEST(BrettwerkTool, SettingsMaskThePasswordAndTheAccessCode) {
    QTemporaryDir dir;
    const ToolRun r =
        SettingsOfStore(dir, "# brettwerk-settings 1\nstring TB-Zugangscode=Zugang123\n"
                             "string TB-Kennwort=Geheim456\nstring TB-Benutzer=lehrer\n");
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QJsonObject& o = r.json;
    EXPECT_EQ(o.value(QStringLiteral("TB-Benutzer")).toString(), QStringLiteral("lehrer"));
    EXPECT_EQ(o.value(QStringLiteral("TB-Zugangscode")).toString(), QStringLiteral("********"));
    EXPECT_EQ(o.value(QStringLiteral("TB-Kennwort")).toString(), QStringLiteral("********"));
    EXPECT_FALSE(r.out.contains("Zugang123") || r.out.contains("Geheim456")) << r.out.data();
}

TEST(BrettwerkTool, ConvertAndRenderRefuseAPipeAsTargetAndKeepIt) {
    QTemporaryDir dir;
    const QString in = SaveSample(dir, test::SampleDocument());
    const QString fifo = dir.filePath(QStringLiteral("rohr.bwk"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString link = dir.filePath(QStringLiteral("bild.png"));
    ASSERT_TRUE(QFile::link(fifo, link));
    for (const QStringList& args :
         {QStringList{QStringLiteral("convert"), in, fifo},
          QStringList{QStringLiteral("render"), in, link, QStringLiteral("--view"),
                      QStringLiteral("64x48")}}) {
        const ToolRun r = test::RunTool(args);
        EXPECT_EQ(r.status, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains("kann nicht geschrieben werden")) << r.err.toStdString();
    }
    struct stat st {};
    ASSERT_EQ(::lstat(QFile::encodeName(fifo).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
}
