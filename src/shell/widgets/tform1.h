#pragma once

#include "shell/edition.h"
#include "shell/sounds.h"
#include "shell/widgets/mainmenu.h"
#include "shell/widgets/panels.h"
#include "shell/workspace.h"
#include "view/tool.h"

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>

class QLabel;
class QTimer;
class QToolButton;

namespace bw {

class AuthoringConnector;
class PointerTool;
class TInfoBox;
class TMeldForm;
class TEndeInfoForm;
class LearnView;
class TLernViewWidget;
class DrawingControls;
class ViewControls;
class WorkspaceViewHost;
class TopicMenu;
class TEditorSchriftartForm;
class ResultWindows;
class ExerciseController;
class SheetCommands;
class NetworkCommands;

// The main window: it owns the shared state and hands each command to the part that does it.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(Edition edition, QWidget* parent = nullptr);
    ~TForm1() override;

    // Display check, cursors, styles and the stamp-font check; false ends the program.
    bool FormCreate();
    // The start-up steps of the first activation (settings, command line, topic list).
    void FormActivate();
    void SetCommandLine(const QStringList& args) { commandLine_ = args; }

    Workspace& workspace() { return ws_; }
    ToolManager& tools() { return tools_; }
    LearnView& view() { return *view_; }
    TLernViewWidget* viewWidget() const { return LernKartPicImg; }
    const MainMenu& menu() const { return menu_; }
    const LernInfoPanel& sidePanel() const { return side_; }
    const InfoPanel& infoPanel() const { return info_; }
    Sounds& sounds() { return sounds_; }
    ExerciseController* exerciseController() const { return exercise_.get(); }
    NetworkCommands* network() const { return network_.get(); }
    AuthoringConnector* authoring() const { return authoring_; }
    TMeldForm* meldForm();
    ResultWindows* results() const { return results_; }
    SheetCommands* sheets() const { return sheets_; }
    DrawingControls* drawing() const { return drawing_; }
    QLabel* startInfoPan() const { return StartInfoPan; }
    QToolButton* klappPan() const { return KlappPan; }
    int ToolbarExpanded() const { return toolbarExpanded_; }

    // Replaces the quit window of the base edition (tests answer it).
    void SetQuitConfirmer(std::function<bool()> f) { quitConfirmer_ = std::move(f); }
    // Screen figures for the display check (tests give their own).
    void SetDisplayOverride(int width, int height, int depth);

    void ShowLearningView(bool redraw = true);
    void UpdateModeControls();
    void UpdateWindowTitle();
    void ToggleToolbar();
    void ToggleTitleShown();

    QString PlaySoundFile(const QString& name, bool wait, bool loop);
    void PlayRightSound(bool wait) { sounds_.PlayRightSound(wait); }
    void PlayWrongSound(bool wait) { sounds_.PlayWrongSound(wait); }

    // The close sequence; true when the window may close.
    bool FormCloseQuery();

    // Handlers of the menu commands.
    void Oeffnen1Click() { ws_.Oeffnen(); }
    void Speichern1Click() { ws_.Speichern(); }
    void SpeichernUnter1Click() { ws_.SpeichernUnter(); }
    void Schliessen1Click() { ws_.Schliessen(); }
    void Info1Click();
    void Vollbild1Click();
    void Fenster1Click();
    void Minimieren1Click();

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void BuildWindow();
    // The screen's work area, or the figures tests give.
    QRect WorkArea() const;
    // Outer rectangle, window frame included.
    void SetFrameGeometry(const QRect& frame);
    void PlaceOnScreen();
    void ConnectCommands();
    void ConnectAuthoring();
    void ConnectNavigation();
    void ConnectExercise();
    void ApplyOptionsToMenu();
    void ReadOptionsFromMenu();
    void LayoutViewArea();
    QString StartScreenText() const;
    void DeleteChronicleFiles();
    bool HandleViewKey(QKeyEvent* e);

    Workspace ws_;
    ToolManager tools_;
    PointerTool* pointerTool_ = nullptr;
    Tool* handTool_ = nullptr;
    std::unique_ptr<LearnView> view_;
    std::unique_ptr<WorkspaceViewHost> viewHost_;
    std::unique_ptr<ViewControls> viewControls_;
    DrawingControls* drawing_ = nullptr;
    SheetCommands* sheets_ = nullptr;
    Sounds sounds_;
    MainMenu menu_;
    LernInfoPanel side_;
    InfoPanel info_;

    QWidget* LernPan = nullptr;
    QWidget* LernKartPan = nullptr;
    TLernViewWidget* LernKartPicImg = nullptr;
    QLabel* StartInfoPan = nullptr;
    QWidget* UebungPan = nullptr;
    QToolButton* KlappPan = nullptr;
    QTimer* ZeitTimer = nullptr;

    TInfoBox* infoBox_ = nullptr;
    TMeldForm* meldForm_ = nullptr;
    TEndeInfoForm* endeInfoForm_ = nullptr;
    TEditorSchriftartForm* editorFont_ = nullptr;
    TopicMenu* topicMenu_ = nullptr;
    ResultWindows* results_ = nullptr;
    AuthoringConnector* authoring_ = nullptr;
    std::unique_ptr<ExerciseController> exercise_;
    std::unique_ptr<NetworkCommands> network_; // reports on exercise_, so it goes first

    std::function<bool()> quitConfirmer_;
    QStringList commandLine_;
    QStringList chronicleFiles_; // screenshots stored in this run
    QString chronicleFolder_;
    int toolbarExpanded_ = 1;
    bool resizeEnabled_ = true;
    bool titleShown_ = true;
    bool closeAccepted_ = false;
    bool activationArmed_ = false;
    int displayW_ = -1, displayH_ = -1, displayDepth_ = -1;
};

} // namespace bw
