#include "shell/widgets/viewcontrols.h"
#include "common/helpers.h"

#include "shell/widgets/mainmenu.h"
#include "shell/widgets/panels.h"
#include "shell/workspace.h"
#include "view/learnview.h"

#include <QDir>
#include <QEvent>

namespace bw {

namespace {
// Clicks on the layer panel's free area cover all fields.
class ClickFilter : public QObject {
public:
    ClickFilter(QObject* parent, std::function<void()> f) : QObject(parent), f_(std::move(f)) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonPress) {
            f_();
            return true;
        }
        return false;
    }

private:
    std::function<void()> f_;
};
} // namespace

bool WorkspaceViewHost::AskSaveChanges() {
    return ws_.AskSaveChanges();
}

bool WorkspaceViewHost::ReadDocument(const QString& path, bool makeCurrent) {
    const bool ok = ws_.ReadDocument(path, makeCurrent);
    if (ws_.onTopicListReread) ws_.onTopicListReread();
    return ok;
}

void WorkspaceViewHost::CloseDocument() {
    ws_.CloseDocument();
}
QString WorkspaceViewHost::CurrentFolder() const {
    return FolderWithSlash(ws_.CurrentFolder);
}
void WorkspaceViewHost::SetCurrentFolder(const QString& f) {
    ws_.CurrentFolder = FolderWithSlash(f);
}
QString WorkspaceViewHost::StartFolder() const {
    return FolderWithSlash(ws_.StartFolder);
}
QString WorkspaceViewHost::ProgramFolder() const {
    return FolderWithSlash(ws_.ProgramFolder);
}
bool WorkspaceViewHost::StartScreenVisible() const {
    return ws_.StartScreenVisible;
}

void WorkspaceViewHost::StartNewSheet() {
    // Drawing sheets come with the drawing tools; until then the click only leaves the
    // start screen for the empty page.
    ws_.StartScreenVisible = false;
    if (ws_.onDocumentReplaced) ws_.onDocumentReplaced();
}

ViewControls::ViewControls(LearnView& view, LernInfoPanel& side, MainMenu& menu)
    : view_(view), side_(side), menu_(menu) {}

void ViewControls::Connect(QObject* ctx) {
    const std::pair<QToolButton*, int> zoomButtons[] = {
        {side_.ZoomPan0, 0}, {side_.ZoomPan2, 2}, {side_.ZoomPan4, 4}};
    for (auto [b, index] : zoomButtons) {
        const int i = index;
        QObject::connect(b, &QToolButton::clicked, ctx, [this, i] {
            view_.ChangeZoom(i);
            SyncZoom(view_.ZoomIndex);
        });
    }
    const std::pair<QAction*, int> zoomMenu[] = {
        {menu_.Zoom100, 0}, {menu_.Zoom150, 2}, {menu_.Zoom200, 4}};
    for (auto [a, index] : zoomMenu) {
        const int i = index;
        QObject::connect(a, &QAction::triggered, ctx, [this, i] {
            view_.ChangeZoom(i);
            SyncZoom(view_.ZoomIndex);
        });
    }
    view_.onZoomChanged = [this](int i) { SyncZoom(i); };

    const std::pair<QToolButton*, int> numButtons[] = {
        {side_.NummerModeFragez, 0}, {side_.NummerModeSort, 1}, {side_.NummerModeZufall, 2}};
    for (auto [b, mode] : numButtons) {
        const int m = mode;
        QObject::connect(b, &QToolButton::clicked, ctx, [this, m] {
            view_.SetNumberMode(m, true);
            SyncNumberMode(m);
        });
    }
    const std::pair<QAction*, int> numMenu[] = {
        {menu_.NummerFragez1, 0}, {menu_.NummerGeordnet1, 1}, {menu_.NummerZufall1, 2}};
    for (auto [a, mode] : numMenu) {
        const int m = mode;
        QObject::connect(a, &QAction::triggered, ctx, [this, m] {
            view_.SetNumberMode(m, true);
            SyncNumberMode(m);
        });
    }

    QObject::connect(side_.AlleAbdeckenBtn, &QToolButton::clicked, ctx,
                     [this] { view_.CoverAll(); });
    QObject::connect(side_.AlleAufdeckenBtn, &QToolButton::clicked, ctx,
                     [this] { view_.UncoverAll(); });
    QObject::connect(menu_.AlleAbdecken1, &QAction::triggered, ctx, [this] { view_.CoverAll(); });
    QObject::connect(menu_.AlleAufdecken1, &QAction::triggered, ctx,
                     [this] { view_.UncoverAll(); });
    side_.EbenenPan->installEventFilter(
        new ClickFilter(side_.EbenenPan, [this] { view_.CoverAll(); }));

    for (QCheckBox* c : {side_.Ebene0Check, side_.Ebene1Check, side_.Ebene2Check})
        QObject::connect(c, &QCheckBox::clicked, ctx, [this] { layerChecksChanged(); });
    const std::pair<QAction*, QCheckBox*> layerMenu[] = {
        {menu_.EbeneBasisbild1, side_.Ebene0Check},
        {menu_.EbeneTexteBilder1, side_.Ebene1Check},
        {menu_.EbeneInfopunkte1, side_.Ebene2Check}};
    for (auto [a, check] : layerMenu) {
        QCheckBox* c = check;
        QObject::connect(a, &QAction::triggered, ctx, [this, c] {
            c->setChecked(!c->isChecked());
            layerChecksChanged();
        });
    }
    SyncZoom(view_.ZoomIndex);
    SyncNumberMode(view_.NumberMode);
}

void ViewControls::layerChecksChanged() {
    const QCheckBox* checks[] = {side_.Ebene0Check, side_.Ebene1Check, side_.Ebene2Check};
    QAction* entries[] = {menu_.EbeneBasisbild1, menu_.EbeneTexteBilder1, menu_.EbeneInfopunkte1};
    for (int layer = 0; layer < 3; ++layer) {
        entries[layer]->setChecked(checks[layer]->isChecked());
        view_.SetLayerVisible(layer, checks[layer]->isChecked());
    }
    view_.RedrawView();
}

void ViewControls::SyncZoom(int index) {
    side_.ZoomPan0->setChecked(index == 0);
    side_.ZoomPan2->setChecked(index == 2);
    side_.ZoomPan4->setChecked(index == 4);
    menu_.Zoom100->setChecked(index == 0);
    menu_.Zoom150->setChecked(index == 2);
    menu_.Zoom200->setChecked(index == 4);
}

void ViewControls::SyncNumberMode(int mode) {
    side_.NummerModeFragez->setChecked(mode == 0);
    side_.NummerModeSort->setChecked(mode == 1);
    side_.NummerModeZufall->setChecked(mode == 2);
    menu_.NummerFragez1->setChecked(mode == 0);
    menu_.NummerGeordnet1->setChecked(mode == 1);
    menu_.NummerZufall1->setChecked(mode == 2);
}

void ViewControls::SetEnabled(bool on) {
    for (QAction* a :
         {menu_.EbeneBasisbild1, menu_.EbeneTexteBilder1, menu_.EbeneInfopunkte1,
          menu_.AlleAbdecken1, menu_.AlleAufdecken1, menu_.NummerGeordnet1, menu_.NummerZufall1,
          menu_.NummerFragez1, menu_.Zoom100, menu_.Zoom150, menu_.Zoom200})
        a->setEnabled(on);
}

} // namespace bw
