#include "shell/widgets/resultmenu.h"

#include "exercise/bestlistfile.h"
#include "exercise/widgets/resultwindows.h"
#include "shell/widgets/mainmenu.h"
#include "shell/workspace.h"

namespace bw {

namespace {

DataFolders FoldersOf(const Settings& s) {
    DataFolders f;
    f.folder[DataFolders::BestListen] = s.OptBestListOrdner;
    f.folder[DataFolders::Protokolle] = s.OptProtOrdner;
    f.folder[DataFolders::Chronik] = s.OptChronikOrdner;
    f.folder[DataFolders::Tauschboerse] = s.OptTauschboerseOrdner;
    return f;
}

void StoreFolders(const DataFolders& f, Settings& s) {
    s.OptBestListOrdner = f.folder[DataFolders::BestListen];
    s.OptProtOrdner = f.folder[DataFolders::Protokolle];
    s.OptChronikOrdner = f.folder[DataFolders::Chronik];
    s.OptTauschboerseOrdner = f.folder[DataFolders::Tauschboerse];
}

} // namespace

void ConnectResultMenu(const MainMenu& menu, ResultWindows& windows, Workspace& ws) {
    QObject* ctx = &windows;
    auto connect = [ctx](QAction* a, auto f) {
        a->setEnabled(true);
        QObject::connect(a, &QAction::triggered, ctx, f);
    };
    connect(menu.ProtokollLetzteUebung1,
            [&windows, &ws] { windows.ShowProtocol(ws.settings.OptProtOrdner); });
    connect(menu.Notenskala1, [&windows, &ws] {
        // The scale in force for a run is copied at its start; changing it mid-run is refused.
        if (ws.ViewMode == ViewModeKind::Learning) windows.EditGradingScale(ws.settings.NoteMinQuote);
    });
    windows.editFolders = [&windows, &ws] {
        DataFolders f = FoldersOf(ws.settings);
        if (windows.EditFolders(f)) StoreFolders(f, ws.settings);
    };
    connect(menu.Dateiordner1, [&windows] { windows.editFolders(); });
    connect(menu.BestenlisteIndividual1, [&windows, &ws] {
        const QString& doc = ws.doc.CurrentHeader.Datei;
        windows.ShowBestList(
            false,
            doc.isEmpty() ? QString() : IndividualBestListPath(ws.settings.OptBestListOrdner, doc),
            ws.settings.OptProtOrdner);
    });
    for (QAction* a : {menu.BestenlisteNetz1, menu.LehrerBestenliste1}) {
        connect(a, [&windows, &ws] {
            windows.ShowBestList(
                true, NetworkBestListPath(ws.settings.NetzKomOrdner, ws.settings.NetzKomKanal),
                ws.settings.OptProtOrdner);
        });
    }
}

} // namespace bw
