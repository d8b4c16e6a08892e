#pragma once

#include "view/viewhost.h"

#include <QObject>
#include <functional>

class QActionGroup;

namespace bw {

class LearnView;
class Workspace;
struct LernInfoPanel;
struct MainMenu;

// What the learning view asks of the window, answered by the workspace.
class WorkspaceViewHost final : public ViewHost {
public:
    explicit WorkspaceViewHost(Workspace& ws) : ws_(ws) {}
    bool AskSaveChanges() override;
    bool ReadDocument(const QString& path, bool makeCurrent) override;
    void CloseDocument() override;
    QString CurrentFolder() const override;
    void SetCurrentFolder(const QString& folder) override;
    QString StartFolder() const override;
    QString ProgramFolder() const override;
    bool StartScreenVisible() const override;
    void StartNewSheet() override;

    // Opens the blank sheet that a press on the start screen asks for.
    std::function<void()> newSheet;

private:
    Workspace& ws_;
};

// Connects the zoom, numbering, layer and cover controls of the toolbar and the menu to the
// learning view: buttons and menu entries share one action each, checked as the view is.
class ViewControls {
public:
    ViewControls(LearnView& view, LernInfoPanel& side, MainMenu& menu);
    void Connect(QObject* context);
    void SyncZoom(int index);
    void SyncNumberMode(int mode);
    void SetEnabled(bool learningView);

private:
    void layerChecksChanged();
    LearnView& view_;
    LernInfoPanel& side_;
    MainMenu& menu_;
    QActionGroup* zoomGroup_ = nullptr;
    QActionGroup* numberGroup_ = nullptr;
};

} // namespace bw
