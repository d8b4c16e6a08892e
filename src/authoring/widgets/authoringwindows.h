#pragma once

#include "authoring/authoring.h"
#include "authoring/basecommands.h"
#include "authoring/widgets/tseitenverhaeltnisform.h"

#include <QObject>
#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace bw {

class TBildErwForm;
class TObjtransForm;
class TProjektInfoForm;

// The authoring menu's entries that this subsystem serves.
struct AuthoringActions {
    QMenu* menu = nullptr; // gets the undo and redo entries
    QAction* basisbildAusDatei = nullptr;
    QAction* basisbildAusZwischenablage = nullptr;
    QAction* basisbildKopieren = nullptr;
    QAction* basisbildLoeschen = nullptr;
    QAction* seitenverhaeltnis = nullptr;
    QAction* dokumenteigenschaften = nullptr;      // authoring menu: editable
    QAction* dokumenteigenschaftenLesen = nullptr; // "&Datei" menu of the base edition
    QAction* alleLoeschen = nullptr;
    QAction* basisbildGroesse = nullptr;
    QAction* transformieren = nullptr;
};

// The page ratio of new documents as the settings keep it.
struct NewDocumentRatio {
    RatioChoice ratio;
    bool neuesBlattVollflaeche = true;
};

// The authoring windows beside the main window: they turn menu commands into the
// authoring commands on the document editor.
class AuthoringWindows : public QObject {
    Q_OBJECT
public:
    AuthoringWindows(QWidget* window, DocumentEditor& editor,
                     std::function<QString()> currentFolder,
                     std::function<NewDocumentRatio()> readDefaults,
                     std::function<void(const NewDocumentRatio&)> storeDefaults);
    ~AuthoringWindows() override;

    void Bind(const AuthoringActions& actions);

    // "&Seitenverhältnis...": true when confirmed (and applied).
    bool Seitenverhaeltnis1Click();
    void Dokumenteigenschaften1Click(bool editable);
    // "&Größe und Ausrichtung...": true when confirmed (and applied).
    bool Randzoneerweitern1Click();
    void Transformieren1Click();

    Authoring& authoring() { return authoring_; }
    TSeitenverhaeltnisForm* ratioForm();
    TProjektInfoForm* infoForm();
    TBildErwForm* sizeForm();
    TObjtransForm* transformForm();
    QAction* undoAction() const { return undo_; }
    QAction* redoAction() const { return redo_; }

signals:
    // The object editor must let go of its selection now: the objects change under it.
    void editorSelectionClearNeeded();

private:
    QWidget* window_;
    DocumentEditor& ed_;
    Authoring authoring_;
    BaseImageCommands base_;
    std::function<QString()> currentFolder_;
    std::function<NewDocumentRatio()> readDefaults_;
    std::function<void(const NewDocumentRatio&)> storeDefaults_;
    TSeitenverhaeltnisForm* ratio_ = nullptr;
    TProjektInfoForm* info_ = nullptr;
    TBildErwForm* size_ = nullptr;
    TObjtransForm* transform_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
};

} // namespace bw
