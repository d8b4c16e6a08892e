#include "network/teachergrid.h"

#include "document/document.h"
#include "network/mailslot.h"
#include "network/netmessages.h"

namespace bw {

namespace {

enum Column : int {
    ColNr = 0,
    ColRechner,
    ColTeilnehmer,
    ColStatus,
    ColBeginn,
    ColZeit,
    ColAnz,
    ColRichtig,
    ColFalsch,
    ColQuote,
    ColOffen,
    ColLeistung,
    ColNote,
};

// Line i of l, or empty.
QString At(const QStringList& l, int i) {
    return i < l.size() ? l[i] : QString();
}

QString Bounded(const QString& s) {
    return s.left(TeacherGrid::kMaxCellChars);
}

// Participants make their ids of 30 capital letters; anything else is not one of theirs.
bool IsParticipantId(const QString& id) {
    if (id.size() != 30) return false;
    for (QChar c : id)
        if (c < u'A' || c > u'Z') return false;
    return true;
}

} // namespace

std::vector<int> TeacherNumbers(const Document& doc) {
    std::vector<int> n(doc.CurrentObjects.size(), 0);
    const bool byQuestion = IsQuestionDocument(doc.CurrentHeader.DokTyp);
    for (int i = 0; i < doc.ObjectCount(); ++i) {
        if (!doc.IsAskedQueryObject(i)) continue;
        const ObjDataTyp& o = doc.CurrentObjects[i];
        n[i] = std::max(0, byQuestion ? o.FrageNummer : o.Nummer);
    }
    return n;
}

void TeacherGrid::Prepare(int objectColumns, bool timeLimit, std::vector<int> teacherNumbers) {
    objectColumns_ = std::max(0, objectColumns);
    numbers_ = std::move(teacherNumbers);
    header_ = {QStringLiteral("Nr."),
               QStringLiteral("Rechner"),
               QStringLiteral("Teilnehmer"),
               QStringLiteral("Status"),
               QStringLiteral("Beginn"),
               timeLimit ? QStringLiteral("Restzeit") : QStringLiteral("Zeit"),
               QStringLiteral("Anz."),
               QStringLiteral("Richtig"),
               QStringLiteral("Falsch"),
               QStringLiteral("Quote"),
               QStringLiteral("Offen"),
               QStringLiteral("Leistung"),
               QStringLiteral("Note")};
    for (int n = 1; n <= objectColumns_; ++n)
        header_ << QString::number(n);
    rows_ = {QStringList()};
    ids_.clear();
    computers_.clear();
    rowOfId_.clear();
    bestListed_.clear();
    bestListEntries_ = 0;
}

QString& TeacherGrid::Cell(int row, int column) {
    QStringList& r = rows_[row];
    while (r.size() <= column)
        r << QString();
    return r[column];
}

TeacherGrid::Outcome TeacherGrid::HandleMessage(const QString& computer, const QString& text) {
    const QStringList l = SplitMessageLines(text);
    if (l.isEmpty()) return {};
    const QString& kind = l[0];
    if (kind == QLatin1String(netmsg::kInit)) return Init(computer, l);
    if (kind == QLatin1String(netmsg::kAction)) return Action(l);
    if (kind == QLatin1String(netmsg::kFinish)) return Finish(l);
    if (kind == QLatin1String(netmsg::kBestList)) return BestList(computer, l);
    return {};
}

TeacherGrid::Outcome TeacherGrid::Init(const QString& computer, const QStringList& l) {
    const QString id = At(l, 1);
    // A second report under a known id would take over that participant's row.
    if (ids_.size() >= kMaxParticipants || !IsParticipantId(id) || rowOfId_.contains(id)) return {};
    ids_ << id;
    computers_ << Bounded(computer);
    const int row = static_cast<int>(ids_.size()) - 1;
    rowOfId_.insert(id, row);
    while (rows_.size() <= row)
        rows_ << QStringList();
    Cell(row, ColNr) = QString::number(row + 1);
    Cell(row, ColRechner) = computers_.back();
    Cell(row, ColTeilnehmer) = Bounded(At(l, 2));
    Cell(row, ColStatus) = StatusText(0);
    Cell(row, ColBeginn) = Bounded(At(l, 3));
    return {row, true, std::nullopt};
}

TeacherGrid::Outcome TeacherGrid::Action(const QStringList& l) {
    const auto it = rowOfId_.constFind(At(l, 1));
    if (it == rowOfId_.constEnd()) return {};
    const int row = *it;
    Cell(row, ColStatus) = StatusText(ParseIntField(At(l, 5)));
    Cell(row, ColBeginn) = Bounded(At(l, 6));
    Cell(row, ColAnz) = QString::number(ParseIntField(At(l, 7)));
    Cell(row, ColRichtig) = QString::number(ParseIntField(At(l, 8)));
    Cell(row, ColFalsch) = QString::number(ParseIntField(At(l, 9)));
    Cell(row, ColOffen) = QString::number(ParseIntField(At(l, 10)));
    Cell(row, ColZeit) = Bounded(At(l, 11));
    Cell(row, ColQuote) = Bounded(At(l, 12)) + QStringLiteral(" %");
    Cell(row, ColLeistung) = Bounded(At(l, 13)) + QStringLiteral(" %");
    Cell(row, ColNote) = QString::number(ParseIntField(At(l, 14)));

    const int object = ParseIntField(At(l, 2));
    if (object < 0 || object >= static_cast<int>(numbers_.size())) return {row, false, {}};
    const int n = numbers_[object];
    if (n <= 0 || n > objectColumns_) return {row, false, {}};
    // More marks than a cell can show say nothing more.
    const int wrong = std::clamp(ParseIntField(At(l, 4)), 0, kMaxCellChars);
    const QString state = At(l, 3);
    QString cell = QString(wrong, u'f');
    if (state == QLatin1String("0") || state == QLatin1String("-2")) cell += QStringLiteral(" ok");
    Cell(row, kFixedColumns - 1 + n) = cell.trimmed();
    return {row, false, std::nullopt};
}

TeacherGrid::Outcome TeacherGrid::Finish(const QStringList& l) {
    const auto it = rowOfId_.constFind(At(l, 1));
    if (it == rowOfId_.constEnd()) return {};
    const int row = *it;
    Cell(row, ColStatus) = StatusText(ParseIntField(At(l, 2)));
    Cell(row, ColZeit) = Bounded(At(l, 3));
    return {row, false, std::nullopt};
}

TeacherGrid::Outcome TeacherGrid::BestList(const QString&, const QStringList& l) {
    // Entered for any id (the teacher may have re-initiated), but each id once and only so
    // many per initiation: the shared file must not grow with what a flood sends.
    const QString id = At(l, 1);
    if (bestListEntries_ >= kMaxBestListEntries || !IsParticipantId(id) || bestListed_.contains(id))
        return {};
    BestListDataTyp e;
    e.Name = Bounded(At(l, 2));
    e.Rechner = Bounded(At(l, 3));
    e.Beginn = ParseRealText(At(l, 4));
    e.Dauer = ParseIntField(At(l, 5));
    e.Leistung = ParseRealText(At(l, 6));
    // A result no run can have is not entered.
    if (e.Dauer < 0 || e.Leistung < 0 || e.Leistung > 1) return {};
    bestListed_.insert(id, true);
    ++bestListEntries_;
    Outcome o;
    o.bestList = e;
    const auto it = rowOfId_.constFind(id);
    if (it != rowOfId_.constEnd()) o.row = *it;
    return o;
}

QString TeacherGrid::GridText() const {
    const int columns = kFixedColumns + objectColumns_;
    auto rowText = [columns](const QStringList& cells) {
        QStringList padded = cells;
        while (padded.size() < columns)
            padded << QString();
        return padded.mid(0, columns).join(u'\t') + QStringLiteral("\r\n");
    };
    QString out = rowText(header_);
    for (const QStringList& r : rows_)
        out += rowText(r);
    return out;
}

} // namespace bw
