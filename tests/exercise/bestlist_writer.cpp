// Appends N records to a best list as fast as it can: one of several writers of the test of
// shared best lists. Usage: bestlist_writer FILE WRITER-ID N
#include "exercise/bestlistfile.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 4) return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QString id = QString::fromLocal8Bit(argv[2]);
    const int n = QString::fromLocal8Bit(argv[3]).toInt();
    int failed = 0;
    for (int i = 0; i < n; ++i) {
        bw::BestListDataTyp e;
        e.Name = QStringLiteral("Schüler %1-%2").arg(id).arg(i);
        e.Rechner = QStringLiteral("PC-") + id;
        e.Beginn = 46000.5 + i;
        e.Dauer = i;
        e.Leistung = (i % 100) / 100.0;
        if (!bw::AppendBestListEntry(path, e, true).ok) ++failed;
    }
    std::printf("%d\n", failed);
    return failed == 0 ? 0 : 1;
}
