#include "drawing/sheets.h"
#include "shell/settingsstore.h"
#include "support/filerestorer.h"
#include "support/toolrun.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace bw;
using test::ReadPng;
using test::RunTool;
using test::ToolRun;

TEST(SheetTool, WritesTheSameRulingAsTheSheetAndClampsCounts) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("lines.png"));
    const ToolRun r =
        RunTool({QStringLiteral("sheet"), QStringLiteral("lines"), QStringLiteral("0"),
                 QStringLiteral("--size"), QStringLiteral("1000x700"), out});
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out, QByteArray("lines 1000x700 1\n"));
    QImage expected = NewSheetImage({1000, 700});
    RuleLines(expected, 1);
    const QImage got = ReadPng(out);
    ASSERT_EQ(got.size(), expected.size());
    for (int y = 0; y < 700; ++y)
        for (int x = 0; x < 1000; x += 37)
            ASSERT_EQ(got.pixel(x, y) | 0xFF000000u, expected.pixel(x, y)) << x << "," << y;

    const QString table = dir.filePath(QStringLiteral("table.png"));
    const ToolRun t = RunTool({QStringLiteral("sheet"), QStringLiteral("table"),
                               QStringLiteral("12"), QStringLiteral("300"), QStringLiteral("0"),
                               QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("150"),
                               QStringLiteral("--size"), QStringLiteral("200x100"), table});
    ASSERT_EQ(t.status, 0);
    EXPECT_EQ(t.out, QByteArray("table 200x100 12 200 0 0 0 100\n"));
}

TEST(SheetTool, AMalformedCommandLineWritesNothing) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("x.png"));
    const QList<QStringList> bad = {
        {QStringLiteral("sheet"), QStringLiteral("dots"), QStringLiteral("5"),
         QStringLiteral("--size"), QStringLiteral("10x10"), out},
        {QStringLiteral("sheet"), QStringLiteral("lines"), QStringLiteral("--size"),
         QStringLiteral("10x10"), out},
        {QStringLiteral("sheet"), QStringLiteral("lines"), QStringLiteral("ten"),
         QStringLiteral("--size"), QStringLiteral("10x10"), out},
        {QStringLiteral("sheet"), QStringLiteral("blank"), QStringLiteral("--size"),
         QStringLiteral("0x10"), out},
        {QStringLiteral("sheet"), QStringLiteral("table"), QStringLiteral("3"),
         QStringLiteral("--size"), QStringLiteral("10x10"), out},
    };
    for (const QStringList& args : bad) {
        EXPECT_EQ(RunTool(args).status, 2) << args.join(' ').toStdString();
        EXPECT_FALSE(QFile::exists(out));
    }
}

TEST(SheetTool, AControlSizeGivesTheSheetTheWindowWouldMake) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("sheet.png"));
    auto run = [&](QStringList extra) {
        QStringList args{QStringLiteral("sheet"), QStringLiteral("squares"), QStringLiteral("20")};
        args << extra << out;
        return RunTool(args);
    };
    // Without stored settings a new sheet fits the window.
    const test::FileRestorer keep(SettingsStore::DefaultPath());
    QFile::remove(SettingsStore::DefaultPath());
    ToolRun r = run({QStringLiteral("--control"), QStringLiteral("1000x500")});
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out, QByteArray("squares 1000x500 20\n"));
    // Reading the settings writes none.
    EXPECT_FALSE(QFile::exists(SettingsStore::DefaultPath()));

    // With the fixed ratio 10:7 in force and fitting off, the sheet takes the ratio.
    SettingsStore store;
    store.WriteInt(QStringLiteral("Dok-SeitRatioArt"), 1);
    store.WriteInt(QStringLiteral("Dok-SeitRatioBreite"), 10);
    store.WriteInt(QStringLiteral("Dok-SeitRatioHoehe"), 7);
    store.WriteBool(QStringLiteral("Dok-SeitRatioNeuesBlattVollflaeche"), false);
    ASSERT_TRUE(store.Save());
    r = run({QStringLiteral("--control"), QStringLiteral("1000x500")});
    EXPECT_EQ(r.out, QByteArray("squares 1000x700 20\n"));
    EXPECT_EQ(ReadPng(out).size(), QSize(1000, 700));
    // The base edition does not consult the preset.
    r = run({QStringLiteral("--control"), QStringLiteral("1000x500"), QStringLiteral("--edition"),
             QStringLiteral("basis")});
    EXPECT_EQ(r.out, QByteArray("squares 1000x500 20\n"));

    // One of the two sizes, and the edition only with the control.
    EXPECT_EQ(run({QStringLiteral("--control"), QStringLiteral("10x10"), QStringLiteral("--size"),
                   QStringLiteral("10x10")})
                  .status,
              2);
    EXPECT_EQ(run({QStringLiteral("--size"), QStringLiteral("10x10"), QStringLiteral("--edition"),
                   QStringLiteral("basis")})
                  .status,
              2);
    EXPECT_EQ(run({QStringLiteral("--control"), QStringLiteral("10x10"),
                   QStringLiteral("--edition"), QStringLiteral("lehrer")})
                  .status,
              2);
}
