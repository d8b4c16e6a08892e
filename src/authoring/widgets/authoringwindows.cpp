#include "authoring/widgets/authoringwindows.h"

#include "authoring/widgets/tprojektinfoform.h"

#include <QAction>
#include <QMenu>

namespace bw {

AuthoringWindows::AuthoringWindows(QWidget* window, DocumentEditor& editor,
                                   std::function<QString()> currentFolder,
                                   std::function<NewDocumentRatio()> readDefaults,
                                   std::function<void(const NewDocumentRatio&)> storeDefaults)
    : QObject(window), window_(window), ed_(editor), authoring_(editor), base_(authoring_, editor),
      currentFolder_(std::move(currentFolder)), readDefaults_(std::move(readDefaults)),
      storeDefaults_(std::move(storeDefaults)), ratio_(new TSeitenverhaeltnisForm(window)),
      info_(new TProjektInfoForm(window)) {
    info_->onSeitenverhaeltnis = [this] { Seitenverhaeltnis1Click(); };
}

AuthoringWindows::~AuthoringWindows() = default;

void AuthoringWindows::Bind(const AuthoringActions& a) {
    auto on = [this](QAction* action, auto&& f) {
        if (action) connect(action, &QAction::triggered, this, f);
    };
    on(a.basisbildAusDatei, [this] { base_.EinfuegenAusDatei(currentFolder_()); });
    on(a.basisbildAusZwischenablage, [this] { base_.EinfuegenAusZwischenablage(); });
    on(a.basisbildKopieren, [this] { base_.KopierenInZwischenablage(); });
    on(a.basisbildLoeschen, [this] { base_.BasisbildLoeschen(); });
    on(a.seitenverhaeltnis, [this] { Seitenverhaeltnis1Click(); });
    on(a.dokumenteigenschaften, [this] { Dokumenteigenschaften1Click(true); });
    on(a.dokumenteigenschaftenLesen, [this] { Dokumenteigenschaften1Click(false); });
    on(a.alleLoeschen, [this] { base_.AlleBeschriftungenLoeschen(); });
    if (a.menu) {
        // Ctrl+Z copies the view and Alt+Backspace goes back a document in this program;
        // undo is Ctrl+Z with Shift, redo the usual Ctrl+Y.
        undo_ = ed_.undoStack().createUndoAction(this, QStringLiteral("&Rückgängig"));
        undo_->setShortcut(QKeySequence(QStringLiteral("Shift+Ctrl+Z")));
        redo_ = ed_.undoStack().createRedoAction(this, QStringLiteral("&Wiederherstellen"));
        redo_->setShortcut(QKeySequence(QStringLiteral("Ctrl+Y")));
        QAction* first = a.menu->actions().value(0);
        a.menu->insertAction(first, undo_);
        a.menu->insertAction(first, redo_);
        a.menu->insertSeparator(first);
    }
}

bool AuthoringWindows::Seitenverhaeltnis1Click() {
    const HeaderDataTyp& h = ed_.document().CurrentHeader;
    const NewDocumentRatio defaults = readDefaults_();
    ratio_->Fill({h.SeitFest, h.SeitBreite, h.SeitHoehe}, defaults.ratio,
                 defaults.neuesBlattVollflaeche);
    if (ratio_->exec() != QDialog::Accepted) return false;
    storeDefaults_({ratio_->DefaultsChoice(), ratio_->NeuesBlattVollflaeche()});
    PageLayout layout = PageLayout::FromHeader(h);
    const RatioChoice c = ratio_->DocumentChoice();
    layout.SeitFest = c.seitFest;
    layout.SeitBreite = c.breite;
    layout.SeitHoehe = c.hoehe;
    authoring_.SetPageLayout(layout, ratio_->TransformObjects());
    return true;
}

void AuthoringWindows::Dokumenteigenschaften1Click(bool editable) {
    info_->Fill(ed_.document().CurrentHeader, editable);
    if (info_->exec() != QDialog::Accepted || !editable) return;
    authoring_.SetProperties(info_->Titel(), info_->Autor(), info_->Bemerkung(), info_->NumArt(),
                             info_->GeordnetArt());
}

} // namespace bw
