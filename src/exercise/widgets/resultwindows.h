#pragma once

#include "exercise/bestlistfolders.h"
#include "exercise/protocolend.h"
#include "exercise/protocoltext.h"

#include <QObject>
#include <array>
#include <functional>

class QWidget;

namespace bw {

class TBestListForm;
class TBestListVerzForm;
class TNameEingabeForm;
class TNotenskalaForm;
class TUebFertigForm;
class TUebProtokollForm;
class Exercise;

// What the window that runs the exercise does for the finish window.
struct FinishWindowHooks {
    // Starts the repeat (0 everything, 1 what was not right at once); false when it did not.
    std::function<bool(int repeatItem)> repeat;
    // Back to the learning view.
    std::function<void()> learningView;
    // The settings as they are now (the folder dialog may have changed them).
    std::function<RunEndSettings()> endSettings;
};

// The windows of the end of an exercise: protocol, grading scale,
// name entry, best list and data folders. Holds the protocol of the last finished exercise.
class ResultWindows : public QObject {
    Q_OBJECT
public:
    explicit ResultWindows(QWidget* window);

    // The protocol the windows show: the exercise's, once there is one.
    ProtocolText& protocol() { return *protocol_; }
    void SetProtocol(ProtocolText& protocol);

    // The finish window until the learner repeats (and the repeat starts) or goes back to
    // the learning view.
    void RunFinishWindow(Exercise& ex, const FinishWindowHooks& hooks);

    // "&Protokoll der letzten Übung..." and the finish window's "Übungsprotokoll...".
    void ShowProtocol(const QString& protocolFolder);
    // "Notens&kala...": true when the boundaries were changed.
    bool EditGradingScale(std::array<double, 5>& boundaries);
    // "&Dateiordner...": true when the folders were changed.
    bool EditFolders(DataFolders& folders);
    // The name dialog before an individual exercise.
    QString AskName();
    // Loads, sorts and shows a best list. An empty path for the individual list means the
    // document has no file yet.
    void ShowBestList(bool network, const QString& path, const QString& saveFolder);

    // The folder dialog with the settings' folders (the menu's "&Dateiordner..."); the finish
    // window opens it when "In Bestenliste eintragen" failed.
    std::function<void()> editFolders;

    // Each window is made when first needed and then kept.
    TUebFertigForm* finishForm();
    TUebProtokollForm* protocolForm();
    TNotenskalaForm* gradingForm();
    TNameEingabeForm* nameForm();
    TBestListForm* bestListForm();
    TBestListVerzForm* foldersForm();

private:
    ProtocolText noProtocol_;
    ProtocolText* protocol_ = &noProtocol_;
    QWidget* window_;
    TUebFertigForm* finishForm_ = nullptr;
    TUebProtokollForm* protocolForm_ = nullptr;
    TNotenskalaForm* gradingForm_ = nullptr;
    TNameEingabeForm* nameForm_ = nullptr;
    TBestListForm* bestListForm_ = nullptr;
    TBestListVerzForm* foldersForm_ = nullptr;
};

} // namespace bw
