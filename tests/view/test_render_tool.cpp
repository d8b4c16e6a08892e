#include "document/docfile.h"
#include "view/learnview.h"
#include "view/links.h"

#include "support/testfiles.h"
#include "support/toolrun.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace bw;
using test::ReadPng;
using test::RunTool;
using test::Sample;
using test::ToolRun;

namespace {

int CountColour(const QImage& img, QRgb c) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += (img.pixel(x, y) & 0xFFFFFF) == (c & 0xFFFFFF);
    return n;
}

} // namespace

TEST(RenderTool, DrawsTheViewBitmapOfTheLearningView) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("karte.png"));
    const ToolRun r = RunTool({QStringLiteral("render"), Sample(QStringLiteral("insel-karte.bwk")),
                               out, QStringLiteral("--view"), QStringLiteral("1200x800")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QImage img = ReadPng(out);
    ASSERT_EQ(img.size(), QSize(1200, 750)); // the page fitted into the control

    // The same code in this process gives the same pixels.
    Document doc;
    ASSERT_TRUE(ReadDocumentFile(Sample(QStringLiteral("insel-karte.bwk")), doc, false).ok);
    LearnView view(doc);
    view.SetViewSize(1200, 800);
    view.DocumentLoaded();
    EXPECT_EQ(view.ViewImage().convertToFormat(QImage::Format_RGB32),
              img.convertToFormat(QImage::Format_RGB32));
    EXPECT_GT(CountColour(img, qRgb(202, 228, 255)), 1000); // covered fields
}

TEST(RenderTool, UncoverAndZoomOptions) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("l.png"));
    const QString file = Sample(QStringLiteral("insel-lueckentext.bwk"));
    ASSERT_EQ(RunTool({QStringLiteral("render"), file, out, QStringLiteral("--view"),
                       QStringLiteral("1000x700"), QStringLiteral("--uncover")})
                  .status,
              0);
    const QImage open = ReadPng(out);
    EXPECT_EQ(CountColour(open, qRgb(202, 228, 255)), 0);
    EXPECT_GT(CountColour(open, qRgb(0, 0, 255)), 100); // the blue gap texts

    ASSERT_EQ(RunTool({QStringLiteral("render"), file, out, QStringLiteral("--view"),
                       QStringLiteral("1000x700"), QStringLiteral("--zoom"), QStringLiteral("4")})
                  .status,
              0);
    EXPECT_EQ(ReadPng(out).size(), QSize(1000, 700));
}

TEST(RenderTool, RefusesBadArgumentsAndUnreadableFiles) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("x.png"));
    EXPECT_EQ(RunTool({QStringLiteral("render"), Sample(QStringLiteral("insel-karte.bwk")), out,
                       QStringLiteral("--view"), QStringLiteral("12x")})
                  .status,
              2);
    EXPECT_EQ(RunTool({QStringLiteral("render"), Sample(QStringLiteral("insel-karte.bwk")), out,
                       QStringLiteral("--view"), QStringLiteral("100x100"),
                       QStringLiteral("--zoom"), QStringLiteral("3")})
                  .status,
              2);
    const ToolRun missing =
        RunTool({QStringLiteral("render"), dir.filePath(QStringLiteral("no.bwk")), out,
                 QStringLiteral("--view"), QStringLiteral("100x100")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains("existiert nicht"));
    EXPECT_FALSE(QFile::exists(out));
}

TEST(Samples, HoldEveryKindOfObjectAndLinkEachOther) {
    Document map;
    ASSERT_TRUE(ReadDocumentFile(Sample(QStringLiteral("insel-karte.bwk")), map, false).ok);
    std::map<int, int> types;
    int linkIndex = -1;
    for (int i = 0; i < map.ObjectCount(); ++i) {
        ++types[map.CurrentObjects[i].Typ];
        if (map.CurrentObjects[i].Typ == TypLinkIntern) linkIndex = i;
    }
    for (int t : {TypAbfrage, TypFix, TypInfopunkt, TypLinkIntern, TypAbfrageBild, TypFixBild})
        EXPECT_GE(types[t], 1) << t;
    ASSERT_GE(linkIndex, 0);
    EXPECT_TRUE(ResolveLinkPath(map.CurrentObjects[linkIndex].Cap, DocumentFolder(map), {}, {})
                    .endsWith(QStringLiteral("/samples/insel-lueckentext.bwk")));

    Document cloze;
    ASSERT_TRUE(ReadDocumentFile(Sample(QStringLiteral("insel-lueckentext.bwk")), cloze, false).ok);
    EXPECT_EQ(cloze.CurrentHeader.DokTyp, DokLueckentext);
    int gaps = 0;
    QString back;
    for (const ObjDataTyp& o : cloze.CurrentObjects) {
        gaps += o.Typ == TypLuecke;
        if (o.Typ == TypLinkIntern) back = o.Cap;
    }
    EXPECT_EQ(gaps, cloze.CurrentHeader.lueckentext.count(QStringLiteral("<<")));
    EXPECT_TRUE(back.contains(QLatin1Char('\\'))); // written the Windows way
    EXPECT_TRUE(ResolveLinkPath(back, DocumentFolder(cloze), {}, {})
                    .endsWith(QStringLiteral("/samples/insel-karte.bwk")));
}
