#pragma once

#include "document/document.h"
#include "document/documenteditor.h"
#include "shell/edition.h"
#include "shell/settings.h"
#include "shell/topiclist.h"

#include <QObject>
#include <QString>

namespace bw {

// The state the main window owns, and the flows that act on the open document.
// No widgets here: questions go through the prompter, the window listens to the signals.
class Workspace : public QObject {
    Q_OBJECT
public:
    explicit Workspace(Edition edition, QObject* parent = nullptr)
        : QObject(parent), edition(edition) {}

    const Edition edition;
    Document doc;
    DocumentEditor editor{doc};
    Settings settings;

    // Main-window state that other parts read.
    ViewModeKind ViewMode = ViewModeKind::Learning;
    bool FirstActivation = true;
    bool Closing = false;
    QString PreviousDocument;
    QString StartFolder;
    QString CurrentFolder;
    QString StartDocument;
    QString ProgramFolder; // with a trailing separator
    int SelectedTopic = -1;
    std::vector<ThemenDataTyp> TopicList; // sorted; SelectedTopic indexes it
    // The object editor is open (drawing, exercises and some commands refuse then).
    bool EditorOpen = false;
    void SetEditorOpen(bool open) {
        if (EditorOpen == open) return;
        EditorOpen = open;
        emit editorOpenChanged(open);
    }
    bool StartScreenVisible = true;

    // Whether an exercise runs and has not ended. The exercise engine sets it.
    bool ExerciseRunning() const { return exerciseRunning_; }
    void SetExerciseRunning(bool running) { exerciseRunning_ = running; }

    // Rebuilds TopicList from the folder of the open document (else CurrentFolder) and
    // selects the open document's entry; then topicListChanged and titleChanged.
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

signals:
    void documentReplaced(); // loaded, closed or reset: redraw everything
    void titleChanged();
    void topicListRereadNeeded(); // ReadTopicList must run
    void showLearningView();
    void topicListChanged();     // TopicList rebuilt: refill the topic menu
    void selectedTopicChanged(); // check the entry of SelectedTopic
    void editorOpenChanged(bool open);

private:
    bool exerciseRunning_ = false;
};

} // namespace bw
