#include "shell/widgets/viewcontrols.h"
#include "common/helpers.h"

#include "shell/widgets/actionbutton.h"
#include "shell/widgets/mainmenu.h"
#include "shell/widgets/panels.h"
#include "shell/workspace.h"
#include "view/learnview.h"

#include <QActionGroup>
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
    emit ws_.topicListRereadNeeded();
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
    if (newSheet) newSheet();
}

ViewControls::ViewControls(LearnView& view, LernInfoPanel& side, MainMenu& menu)
    : view_(view), side_(side), menu_(menu) {}

namespace {
// An exclusive group in which no entry may be checked (zoom steps without an entry).
QActionGroup* OptionalGroup(QObject* parent, std::initializer_list<QAction*> actions) {
    auto* g = new QActionGroup(parent);
    g->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (QAction* a : actions) {
        a->setCheckable(true);
        g->addAction(a);
    }
    return g;
}

void CheckOnly(QActionGroup* group, QAction* entry) {
    if (entry) {
        entry->setChecked(true);
    } else if (QAction* checked = group->checkedAction()) {
        checked->setChecked(false);
    }
}
} // namespace

void ViewControls::Connect(QObject* ctx) {
    zoomGroup_ = OptionalGroup(ctx, {menu_.Zoom100, menu_.Zoom150, menu_.Zoom200});
    const std::pair<QAction*, int> zoomEntries[] = {
        {menu_.Zoom100, 0}, {menu_.Zoom150, 2}, {menu_.Zoom200, 4}};
    for (auto [a, index] : zoomEntries) {
        const int i = index;
        QObject::connect(a, &QAction::triggered, ctx, [this, i] {
            view_.ChangeZoom(i);
            SyncZoom(view_.ZoomIndex); // a second click keeps the entry checked
        });
    }
    BindButtonToAction(side_.ZoomPan0, menu_.Zoom100);
    BindButtonToAction(side_.ZoomPan2, menu_.Zoom150);
    BindButtonToAction(side_.ZoomPan4, menu_.Zoom200);
    QObject::connect(&view_, &LearnView::zoomChanged, ctx, [this](int i) { SyncZoom(i); });

    numberGroup_ =
        OptionalGroup(ctx, {menu_.NummerFragez1, menu_.NummerGeordnet1, menu_.NummerZufall1});
    const std::pair<QAction*, int> numberEntries[] = {
        {menu_.NummerFragez1, 0}, {menu_.NummerGeordnet1, 1}, {menu_.NummerZufall1, 2}};
    for (auto [a, mode] : numberEntries) {
        const int m = mode;
        QObject::connect(a, &QAction::triggered, ctx, [this, m] { view_.SetNumberMode(m, true); });
    }
    BindButtonToAction(side_.NummerModeFragez, menu_.NummerFragez1);
    BindButtonToAction(side_.NummerModeSort, menu_.NummerGeordnet1);
    BindButtonToAction(side_.NummerModeZufall, menu_.NummerZufall1);
    QObject::connect(&view_, &LearnView::numberModeChanged, ctx,
                     [this](int m) { SyncNumberMode(m); });

    QObject::connect(menu_.AlleAbdecken1, &QAction::triggered, ctx, [this] { view_.CoverAll(); });
    QObject::connect(menu_.AlleAufdecken1, &QAction::triggered, ctx,
                     [this] { view_.UncoverAll(); });
    BindButtonToAction(side_.AlleAbdeckenBtn, menu_.AlleAbdecken1);
    BindButtonToAction(side_.AlleAufdeckenBtn, menu_.AlleAufdecken1);
    side_.EbenenPan->installEventFilter(
        new ClickFilter(side_.EbenenPan, [this] { view_.CoverAll(); }));

    const std::pair<QAction*, QCheckBox*> layers[] = {{menu_.EbeneBasisbild1, side_.Ebene0Check},
                                                      {menu_.EbeneTexteBilder1, side_.Ebene1Check},
                                                      {menu_.EbeneInfopunkte1, side_.Ebene2Check}};
    for (auto [a, check] : layers) {
        a->setCheckable(true);
        a->setChecked(check->isChecked());
        BindButtonToAction(check, a);
        QObject::connect(a, &QAction::triggered, ctx, [this] { layerChecksChanged(); });
    }
    SyncZoom(view_.ZoomIndex);
    SyncNumberMode(view_.NumberMode);
}

void ViewControls::layerChecksChanged() {
    QAction* entries[] = {menu_.EbeneBasisbild1, menu_.EbeneTexteBilder1, menu_.EbeneInfopunkte1};
    for (int layer = 0; layer < 3; ++layer)
        view_.SetLayerVisible(layer, entries[layer]->isChecked());
    view_.RedrawView();
}

void ViewControls::SyncZoom(int index) {
    QAction* entry = index == 0   ? menu_.Zoom100
                     : index == 2 ? menu_.Zoom150
                     : index == 4 ? menu_.Zoom200
                                  : nullptr;
    CheckOnly(zoomGroup_, entry);
}

void ViewControls::SyncNumberMode(int mode) {
    QAction* entries[] = {menu_.NummerFragez1, menu_.NummerGeordnet1, menu_.NummerZufall1};
    CheckOnly(numberGroup_, mode >= 0 && mode < 3 ? entries[mode] : nullptr);
}

void ViewControls::SetEnabled(bool on) {
    for (QAction* a :
         {menu_.EbeneBasisbild1, menu_.EbeneTexteBilder1, menu_.EbeneInfopunkte1,
          menu_.AlleAbdecken1, menu_.AlleAufdecken1, menu_.NummerGeordnet1, menu_.NummerZufall1,
          menu_.NummerFragez1, menu_.Zoom100, menu_.Zoom150, menu_.Zoom200})
        a->setEnabled(on);
}

} // namespace bw
