#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace bw {

// One entry of a best list.
struct BestListDataTyp {
    QString Name;
    QString Rechner;
    double Beginn = 0.0; // date-time value: days since 30 Dec 1899, time as the fraction
    qint32 Dauer = 0;    // milliseconds
    double Leistung = 0.0;
};

// The ".hsc" file: the magic, the field list, then records to the end of the file.
namespace hsc {
inline constexpr char kMagic[] = "QLX-HSC-1.00";
inline constexpr char kFieldList[] = "|HSC-Name|HSC-Rechner|HSC-Beginn|HSC-Dauer|HSC-Leistung|";
} // namespace hsc

// Which fields a file's records hold (their order is fixed).
struct BestListFields {
    bool Name = true, Rechner = true, Beginn = true, Dauer = true, Leistung = true;
    static BestListFields FromFieldList(const QString& fieldList);
};

struct BestListParse {
    bool ok = false; // the magic and field list were there
    BestListFields fields;
    QList<BestListDataTyp> entries;
    qint64 completeBytes = 0; // header and complete records
    bool torn = false;        // bytes after the last complete record
};

// Reads a whole file. Records are read while they are complete; a record cut short ends the
// list without failing it. Without keepEntries only the structure is checked.
BestListParse ParseBestList(const QByteArray& bytes, bool keepEntries = true);

QByteArray BestListHeader();
// One record with only the fields the file lists.
QByteArray EncodeBestListRecord(const BestListDataTyp& e, const BestListFields& fields);

// Date-time values as the file stores them, in local time.
double DateTimeValue(const QDateTime& t);
QDateTime FromDateTimeValue(double v);

// Higher performance first, then the shorter time, then the earlier entry of the file.
void SortBestList(QList<BestListDataTyp>& list);

// The window's grid: the header row and one row per entry (one empty row for none).
QStringList BestListHeaderRow();
QList<QStringList> BestListRows(const QList<BestListDataTyp>& list);
// The grid as text: cells separated by tabs, every row ended by "\r\n", header first.
QString BestListExportText(const QList<BestListDataTyp>& list);

} // namespace bw
