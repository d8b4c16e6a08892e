#include "exercise/bestlistfile.h"

#include "support/toolrun.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace bw;
using test::RunTool;
using test::ToolRun;

TEST(BestListTool, PrintsTheSortedExportText) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("karte.hsc"));
    BestListDataTyp slow{QStringLiteral("Lena"), QStringLiteral("PC-2"), 46000.25, 95000, 0.875};
    BestListDataTyp quick{QStringLiteral("Ömer"), QStringLiteral("PC-3"), 46000.5, 80000, 0.875};
    ASSERT_TRUE(AppendBestListEntry(path, slow, false).ok);
    ASSERT_TRUE(AppendBestListEntry(path, quick, false).ok);
    const ToolRun r = RunTool({QStringLiteral("bestlist"), path});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    const QList<QByteArray> lines = r.out.split('\n');
    ASSERT_EQ(lines.size(), 4); // three rows and the empty rest after the last "\r\n"
    EXPECT_EQ(lines[0], "Pos.\tName\tRechner\tLeistung\tZeit (Min:Sek)\tDatum/Uhrzeit\r");
    EXPECT_TRUE(lines[1].startsWith("1\t\xc3\x96mer\tPC-3\t87.5 %\t01:20\t"));
    EXPECT_TRUE(lines[2].startsWith("2\tLena\tPC-2\t87.5 %\t01:35\t"));
    EXPECT_TRUE(lines[2].endsWith('\r'));
    EXPECT_TRUE(lines[3].isEmpty());
}

TEST(BestListTool, RefusesWhatIsNotABestList) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("text.hsc"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Pos.\tName\r\n");
    f.close();
    const ToolRun r = RunTool({QStringLiteral("bestlist"), path});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(r.err,
              QStringLiteral("Die Datei \"") + path +
                  QStringLiteral("\" kann nicht gelesen werden. Mögliche Ursachen:\r\n- Datei "
                                 "existiert nicht\r\n- Ungültiges Dateiformat\r\n- Fehlende "
                                 "Lesezugriffsberechtigung im Netzwerk\n"));
    EXPECT_EQ(
        RunTool({QStringLiteral("bestlist"), dir.filePath(QStringLiteral("fehlt.hsc"))}).status, 1);
    EXPECT_EQ(RunTool({QStringLiteral("bestlist")}).status, 2);
}
