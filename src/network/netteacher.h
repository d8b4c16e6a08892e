#pragma once

#include "exercise/exerciseoptions.h"
#include "network/mailslot.h"
#include "network/teachergrid.h"

#include <QObject>
#include <QString>

namespace bw {

struct Document;
struct UebDataTyp;

// The exercise information of an initiation: title, head block, solutions (one line per
// object with a teacher number, sorted as text).
QString ExerciseInformationText(const UebDataTyp& ueb, const Document& doc,
                                const std::vector<int>& teacherNumbers, const QString& folder,
                                const QString& channel);
// The key of teacher number n: right-aligned in 4 characters, or letters when numArt is 1.
QString TeacherNumberKey(int n, int numArt);

// The teacher's side of a network exercise: the files, the listening mailslot, the grid and
// the network best list. The role lives in the exercise state it is given (NetRole 2), so the
// exercise refuses its own runs while one is initiated.
class NetTeacher : public QObject {
    Q_OBJECT
public:
    explicit NetTeacher(UebDataTyp& ueb, QObject* parent = nullptr);
    ~NetTeacher() override;

    TALMailSlot2 MasterMailslot;
    TeacherGrid grid;
    QString info; // the exercise information text

    bool Initiated() const;
    QString Folder() const { return folder_; }
    QString Channel() const { return channel_; }

    struct Initiation {
        bool filesWritten = false; // document copy and settings file
        bool markerWritten = false;
        QStringList errors; // the texts to show, in order
    };
    // Steps 3 to 9 of the initiation: options, files, role, numbers, grid, information,
    // listening. The document must show ordered (or random) numbers, not question marks. The
    // marker follows with WriteMarker once the control display is up.
    Initiation Initiate(Document& doc, const ExerciseOptions& options,
                        const std::array<double, 7>& grading, const QString& folder,
                        const QString& channel);
    // Written only when the document copy and settings are in place, so participants never
    // find a marker beside files they cannot read. The error text, or empty.
    QString WriteMarker();

    // Ends without asking: role 0, mailslot off, copy, settings and marker deleted (the best
    // list stays).
    void End();
    // true writes the marker (the error text on failure), false deletes it.
    QString SetJoinAllowed(bool allowed);
    bool JoinAllowed() const;

    QString BestListPath() const;
    // Best-list entries that could not be written, for the window to report.
    QStringList TakeBestListErrors();

signals:
    void rowChanged(int row, bool added);
    void bestListEntered();

private:
    void MasterMailslotNewMessage(const QString& computer, const QString& text,
                                  const QString& userName);
    QString Path(const char* name) const;

    UebDataTyp& ueb_;
    QString folder_;
    QString channel_;
    bool filesWritten_ = false;
    QStringList bestListErrors_;
};

} // namespace bw
