#include "authoring/widgets/authoringwindows.h"

#include "authoring/widgets/tbilderwform.h"
#include "authoring/widgets/tobjtransform.h"
#include "authoring/widgets/tprojektinfoform.h"
#include "common/made.h"
#include "platform/prompter.h"

#include <QAction>
#include <QMenu>

namespace bw {

AuthoringWindows::AuthoringWindows(QWidget* window, DocumentEditor& editor,
                                   std::function<QString()> currentFolder,
                                   std::function<NewDocumentRatio()> readDefaults,
                                   std::function<void(const NewDocumentRatio&)> storeDefaults)
    : QObject(window), window_(window), ed_(editor), authoring_(editor), base_(authoring_, editor),
      currentFolder_(std::move(currentFolder)), readDefaults_(std::move(readDefaults)),
      storeDefaults_(std::move(storeDefaults)) {}

AuthoringWindows::~AuthoringWindows() = default;

// The dialogs are made when first opened; a lesson rarely needs them.
TSeitenverhaeltnisForm* AuthoringWindows::ratioForm() {
    return Made(ratio_, window_);
}

TProjektInfoForm* AuthoringWindows::infoForm() {
    if (!info_) {
        info_ = new TProjektInfoForm(window_);
        connect(info_, &TProjektInfoForm::pageRatioAsked, this,
                [this] { Seitenverhaeltnis1Click(); });
    }
    return info_;
}

TBildErwForm* AuthoringWindows::sizeForm() {
    if (!size_) {
        size_ = new TBildErwForm(window_);
        connect(size_, &TBildErwForm::pageRatioAsked, this, [this] {
            if (Seitenverhaeltnis1Click())
                size_->Fill(PageLayout::FromHeader(ed_.document().CurrentHeader));
        });
    }
    return size_;
}

TObjtransForm* AuthoringWindows::transformForm() {
    return Made(transform_, window_);
}

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
    on(a.alleLoeschen, [this] {
        emit editorSelectionClearNeeded();
        base_.AlleBeschriftungenLoeschen();
    });
    on(a.basisbildGroesse, [this] { Randzoneerweitern1Click(); });
    on(a.transformieren, [this] { Transformieren1Click(); });
    if (a.menu) {
        // Ctrl+Z copies the view and Alt+Backspace goes back a document in this program;
        // undo is Ctrl+Z with Shift, redo the usual Ctrl+Y.
        undo_ = ed_.undoStack().createUndoAction(this, QStringLiteral("&Rückgängig"));
        undo_->setShortcut(QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_Z));
        redo_ = ed_.undoStack().createRedoAction(this, QStringLiteral("&Wiederherstellen"));
        redo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
        QAction* first = a.menu->actions().value(0);
        a.menu->insertAction(first, undo_);
        a.menu->insertAction(first, redo_);
        a.menu->insertSeparator(first);
    }
}

bool AuthoringWindows::Seitenverhaeltnis1Click() {
    TSeitenverhaeltnisForm* ratio = ratioForm();
    const HeaderDataTyp& h = ed_.document().CurrentHeader;
    const NewDocumentRatio defaults = readDefaults_();
    ratio->Fill({h.SeitFest, h.SeitBreite, h.SeitHoehe}, defaults.ratio,
                defaults.neuesBlattVollflaeche);
    if (ratio->exec() != QDialog::Accepted) return false;
    storeDefaults_({ratio->DefaultsChoice(), ratio->NeuesBlattVollflaeche()});
    PageLayout layout = PageLayout::FromHeader(h);
    const RatioChoice c = ratio->DocumentChoice();
    layout.SeitFest = c.seitFest;
    layout.SeitBreite = c.breite;
    layout.SeitHoehe = c.hoehe;
    authoring_.SetPageLayout(layout, ratio->TransformObjects());
    return true;
}

void AuthoringWindows::Dokumenteigenschaften1Click(bool editable) {
    TProjektInfoForm* info = infoForm();
    info->Fill(ed_.document().CurrentHeader, editable);
    if (info->exec() != QDialog::Accepted || !editable) return;
    authoring_.SetProperties(info->Titel(), info->Autor(), info->Bemerkung(), info->NumArt(),
                             info->GeordnetArt());
}

bool AuthoringWindows::Randzoneerweitern1Click() {
    TBildErwForm* size = sizeForm();
    size->Fill(PageLayout::FromHeader(ed_.document().CurrentHeader));
    if (size->exec() != QDialog::Accepted) return false;
    // The ratio may have changed meanwhile through "Seitenverhältnis...".
    const PageLayout layout = size->Layout(PageLayout::FromHeader(ed_.document().CurrentHeader));
    authoring_.SetPageLayout(layout, size->TransformObjects());
    return true;
}

void AuthoringWindows::Transformieren1Click() {
    if (ed_.document().CurrentObjects.empty()) {
        prompter().ShowInfo(
            QStringLiteral("Es sind keine zu transformierenden Objekte vorhanden."));
        return;
    }
    TObjtransForm* transform = transformForm();
    if (transform->exec() != QDialog::Accepted) return;
    TObjtransForm::Values v;
    if (!transform->Read(v)) return;
    emit editorSelectionClearNeeded();
    authoring_.TransformObjects(v.fakX, v.offsetX, v.fakY, v.offsetY);
}

} // namespace bw
