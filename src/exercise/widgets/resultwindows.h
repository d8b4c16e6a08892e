#pragma once

#include "exercise/bestlistfolders.h"
#include "exercise/protocoltext.h"

#include <QObject>
#include <array>

class QWidget;

namespace bw {

class TBestListForm;
class TBestListVerzForm;
class TNameEingabeForm;
class TNotenskalaForm;
class TUebProtokollForm;

// The windows of the end of an exercise, created once and kept: protocol, grading scale,
// name entry, best list and data folders. Holds the protocol of the last finished exercise.
class ResultWindows : public QObject {
    Q_OBJECT
public:
    explicit ResultWindows(QWidget* window);

    ProtocolText& protocol() { return protocol_; }

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

    TUebProtokollForm* protocolForm() const { return protocolForm_; }
    TNotenskalaForm* gradingForm() const { return gradingForm_; }
    TNameEingabeForm* nameForm() const { return nameForm_; }
    TBestListForm* bestListForm() const { return bestListForm_; }
    TBestListVerzForm* foldersForm() const { return foldersForm_; }

private:
    ProtocolText protocol_;
    TUebProtokollForm* protocolForm_;
    TNotenskalaForm* gradingForm_;
    TNameEingabeForm* nameForm_;
    TBestListForm* bestListForm_;
    TBestListVerzForm* foldersForm_;
};

} // namespace bw
