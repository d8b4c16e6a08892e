#pragma once

#include "document/document.h"
#include "shell/edition.h"
#include "shell/settings.h"
#include "shell/topiclist.h"

#include <QString>
#include <functional>

namespace bw {

// The state the main window owns, and the flows that act on the open document.
// No widgets here: questions go through the prompter, the window listens to the hooks.
class Workspace {
public:
    explicit Workspace(Edition edition) : edition(edition) {}

    const Edition edition;
    Document doc;
    Settings settings;

    // Main-window state that other parts read.
    int ViewMode = 2; // 2 learning view, 3 exercise running
    bool FirstActivation = true;
    bool Closing = false;
    QString PreviousDocument;
    QString StartFolder;
    QString CurrentFolder;
    QString StartDocument;
    QString ProgramFolder; // with a trailing separator
    int SelectedTopic = -1;
    std::vector<ThemenDataTyp> TopicList; // sorted; SelectedTopic indexes it
    bool EditorOpen = false;
    bool StartScreenVisible = true;

    // Whether an exercise runs and has not ended; exercises are not built yet.
    bool ExerciseRunning() const { return false; }

    // Hooks for the window.
    std::function<void()> onDocumentReplaced; // loaded, closed or reset: redraw everything
    std::function<void()> onTitleChanged;
    std::function<void()> onTopicListReread; // ReadTopicList must run
    std::function<void()> onShowLearningView;
    std::function<void()> onTopicListChanged;    // TopicList rebuilt: refill the topic menu
    std::function<void()> onSelectedTopicChanged; // check the entry of SelectedTopic

    // Rebuilds TopicList from the folder of the open document (else CurrentFolder) and
    // selects the open document's entry; then onTopicListChanged and onTitleChanged.
    // Defined in navigation.cpp.
    void ReadTopicList();

    bool ConfirmLeaveExercise();
    bool AskSaveChanges();

    void ResetHeader();
    void ResetDocument();
    void CloseDocument();

    // Read and write with the messages and fall-backs of the document commands.
    bool ReadDocument(const QString& path, bool makeCurrent);
    bool WriteDocument(const QString& path, bool makeCurrent);

    // Commands of the file menu.
    void Oeffnen();
    bool Speichern();
    bool SpeichernUnter();
    void Schliessen();

    // The folder a document dialog starts in.
    QString DialogFolder() const;

    static const QString kDocumentFilter;

private:
    void notify(const std::function<void()>& f) {
        if (f)
            f();
    }
};

} // namespace bw
