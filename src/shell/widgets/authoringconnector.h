#pragma once

#include <QObject>
#include <functional>

class QMainWindow;

namespace bw {

class AuthoringWindows;
class ContentEditors;
class LearnView;
class ObjectEditTool;
class PointerTool;
class TLernViewWidget;
class TAutorAssistForm;
class TObjEditneuForm;
class TVorschaubilderForm;
class ToolManager;
class Workspace;
struct LernInfoPanel;
struct MainMenu;

// Plugs the authoring subsystem into the main window: the "&Autorenfunktion" menu, the
// object editor with its tool in the view, the new-document entries and the tool button.
class AuthoringConnector : public QObject {
    Q_OBJECT
public:
    struct Parts {
        QMainWindow* window;
        Workspace& ws;
        LearnView& view;
        ToolManager& tools;
        PointerTool* pointer;
        TLernViewWidget* viewWidget;
        MainMenu& menu;
        LernInfoPanel& side;
        std::function<void()> updateModeControls;
    };
    explicit AuthoringConnector(const Parts& parts);
    ~AuthoringConnector() override;

    // "&Neues Dokument anlegen": true when a new empty document of dokTyp now stands.
    bool NewDocument(int dokTyp);
    void OpenObjectEditor();
    void CloseObjectEditor();
    // "&Dokument bearbeiten..." (F2): the editor of the document's type.
    void InhalteBearbeiten1Click();
    void Assistenteinblenden1Click();
    void ShowAssistant();
    void Vorschaubildergenerieren1Click();

    // The content editor of a cloze, single-question or multiple-choice document; true when
    // its content was confirmed and stored.
    bool EditContent(int dokTyp);

    TObjEditneuForm* objectEditor();
    ContentEditors* contentEditors() const { return content_; }
    ObjectEditTool* editTool() const { return tool_; }
    AuthoringWindows* windows() const { return windows_; }
    TAutorAssistForm* assistant();
    TVorschaubilderForm* previewForm();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

signals:
    // The notice window is to show text ("|" breaks lines); an empty text hides it.
    void noticeChanged(const QString& text);

private:
    void editorOpened();
    void editorClosed();
    void updateEntries();
    void ApplyEditorFont();

    Parts p_;
    AuthoringWindows* windows_;
    TObjEditneuForm* form_ = nullptr;
    ObjectEditTool* tool_;
    TAutorAssistForm* assistant_ = nullptr;
    TVorschaubilderForm* previews_ = nullptr;
    ContentEditors* content_ = nullptr;
};

} // namespace bw
