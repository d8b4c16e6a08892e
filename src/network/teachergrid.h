#pragma once

#include "exercise/bestlist.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace bw {

struct Document;

// The teacher numbers: one per object. Label and cloze documents give each query object its
// learning-view number, single questions each answer its question number, multiple choice
// each question its number; everything else 0.
std::vector<int> TeacherNumbers(const Document& doc);

// The participant grid of the control display and the participant lists behind it. Filled
// only from received reports, which are untrusted: ids must have the participants' shape,
// and rows, texts and the best-list entries that one initiation accepts are bounded.
class TeacherGrid {
public:
    static constexpr int kFixedColumns = 13;
    static constexpr int kMaxParticipants = 1000;
    static constexpr int kMaxCellChars = 64;
    static constexpr int kMaxBestListEntries = 2 * kMaxParticipants;

    // PrepareParticipantGrid: the header for N object columns, one empty data row, no
    // participants. timeLimit heads column 5 "Restzeit".
    void Prepare(int objectColumns, bool timeLimit, std::vector<int> teacherNumbers);

    int ObjectColumns() const { return objectColumns_; }
    const QStringList& Header() const { return header_; }
    // Data rows (at least one, empty before anyone registered).
    const QList<QStringList>& Rows() const { return rows_; }
    int ParticipantCount() const { return static_cast<int>(ids_.size()); }
    const QStringList& ComputerNames() const { return computers_; }

    struct Outcome {
        int row = -1;                            // the data row that changed (0-based), or -1
        bool added = false;                      // a new row
        std::optional<BestListDataTyp> bestList; // to be appended to the network list
    };
    // MasterMailslotNewMessage: dispatches on the first line of text.
    Outcome HandleMessage(const QString& computer, const QString& text);

    // Header and rows, cells separated by tabs, each row ended by "\r\n".
    QString GridText() const;

private:
    QString& Cell(int row, int column);
    Outcome Init(const QString& computer, const QStringList& l);
    Outcome Action(const QStringList& l);
    Outcome Finish(const QStringList& l);
    Outcome BestList(const QString& computer, const QStringList& l);

    int objectColumns_ = 0;
    std::vector<int> numbers_;
    QStringList header_;
    QList<QStringList> rows_;
    QStringList ids_;
    QStringList computers_;
    QHash<QString, int> rowOfId_;
    QHash<QString, bool> bestListed_;
    int bestListEntries_ = 0;
};

} // namespace bw
