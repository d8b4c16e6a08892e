#include "exercise/bestlist.h"

#include "document/cp1252.h"
#include "exercise/exercisetexts.h"
#include "exercise/protocol.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace bw {

namespace {

constexpr qint64 kMsPerDay = 86400000;
const QDate kDateTimeEpoch(1899, 12, 30);

// Reads the primitives of a record; a read past the end marks the record as cut short.
class RecordReader {
public:
    explicit RecordReader(const QByteArray& b, qint64 pos) : b_(b), pos_(pos) {}
    bool ok() const { return ok_; }
    qint64 pos() const { return pos_; }

    QByteArray bytes(qint64 n) {
        if (!ok_ || n < 0 || n > b_.size() - pos_) {
            ok_ = false;
            return {};
        }
        QByteArray out = b_.mid(pos_, n);
        pos_ += n;
        return out;
    }
    qint32 int32() {
        const QByteArray r = bytes(4);
        return ok_ ? qFromLittleEndian<qint32>(r.constData()) : 0;
    }
    double float64() {
        const QByteArray r = bytes(8);
        if (!ok_) return 0.0;
        const quint64 bits = qFromLittleEndian<quint64>(r.constData());
        double v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    QByteArray lengthBytes() { return bytes(int32()); }
    void skip(qint64 n) {
        if (!ok_ || n < 0 || n > b_.size() - pos_)
            ok_ = false;
        else
            pos_ += n;
    }
    void skipLengthBytes() { skip(int32()); }

private:
    const QByteArray& b_;
    qint64 pos_;
    bool ok_ = true;
};

void PutInt32(QByteArray& out, qint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

void PutFloat64(QByteArray& out, double v) {
    quint64 bits;
    std::memcpy(&bits, &v, sizeof v);
    char b[8];
    qToLittleEndian(bits, b);
    out.append(b, 8);
}

void PutString(QByteArray& out, const QByteArray& bytes) {
    PutInt32(out, qint32(bytes.size()));
    out.append(bytes);
}

double SortKey(double leistung) {
    return std::isnan(leistung) ? -INFINITY : leistung;
}

QString ExportCell(QString cell) {
    // A name from a file may hold tabs or line breaks; they would shift the columns.
    for (QChar& c : cell) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    }
    return cell;
}

} // namespace

BestListFields BestListFields::FromFieldList(const QString& fieldList) {
    BestListFields f;
    f.Name = fieldList.contains(QStringLiteral("HSC-Name"));
    f.Rechner = fieldList.contains(QStringLiteral("HSC-Rechner"));
    f.Beginn = fieldList.contains(QStringLiteral("HSC-Beginn"));
    f.Dauer = fieldList.contains(QStringLiteral("HSC-Dauer"));
    f.Leistung = fieldList.contains(QStringLiteral("HSC-Leistung"));
    return f;
}

BestListParse ParseBestList(const QByteArray& bytes, bool keepEntries) {
    BestListParse r;
    RecordReader in(bytes, 0);
    if (in.lengthBytes() != QByteArray(hsc::kMagic)) return r;
    const QString fieldList = DecodeCp1252(in.lengthBytes());
    if (!in.ok()) return r;
    r.ok = true;
    r.fields = BestListFields::FromFieldList(fieldList);
    r.completeBytes = in.pos();
    const BestListFields& f = r.fields;
    // A file whose field list names no field has no records to read.
    const bool anyField = f.Name || f.Rechner || f.Beginn || f.Dauer || f.Leistung;
    while (anyField && in.pos() < bytes.size()) {
        if (!keepEntries) {
            // Only where the records end: the same walk without decoding anything.
            if (f.Name) in.skipLengthBytes();
            if (f.Rechner) in.skipLengthBytes();
            in.skip((f.Beginn ? 8 : 0) + (f.Dauer ? 4 : 0) + (f.Leistung ? 8 : 0));
            if (!in.ok()) break;
            r.completeBytes = in.pos();
            continue;
        }
        BestListDataTyp e;
        if (f.Name) e.Name = DecodeCp1252(in.lengthBytes());
        if (f.Rechner) e.Rechner = DecodeCp1252(in.lengthBytes());
        if (f.Beginn) e.Beginn = in.float64();
        if (f.Dauer) e.Dauer = in.int32();
        if (f.Leistung) e.Leistung = in.float64();
        if (!in.ok()) break;
        r.entries.append(e);
        r.completeBytes = in.pos();
    }
    r.torn = r.completeBytes < bytes.size();
    return r;
}

QByteArray BestListHeader() {
    QByteArray out;
    PutString(out, hsc::kMagic);
    PutString(out, hsc::kFieldList);
    return out;
}

QByteArray EncodeBestListRecord(const BestListDataTyp& e, const BestListFields& f) {
    QByteArray out;
    if (f.Name) PutString(out, EncodeCp1252(e.Name));
    if (f.Rechner) PutString(out, EncodeCp1252(e.Rechner));
    if (f.Beginn) PutFloat64(out, e.Beginn);
    if (f.Dauer) PutInt32(out, e.Dauer);
    if (f.Leistung) PutFloat64(out, e.Leistung);
    return out;
}

double DateTimeValue(const QDateTime& t) {
    const QDateTime local = t.toLocalTime();
    const double days = double(kDateTimeEpoch.daysTo(local.date()));
    const double frac = double(local.time().msecsSinceStartOfDay()) / kMsPerDay;
    // Before the epoch the whole days count back and the time still counts forward.
    return days >= 0 ? days + frac : days - frac;
}

QDateTime FromDateTimeValue(double v) {
    if (!std::isfinite(v) || std::fabs(v) > 3e6) return {};
    const double days = std::trunc(v);
    qint64 ms = qint64(std::llround(std::fabs(v - days) * kMsPerDay));
    QDate date = kDateTimeEpoch.addDays(qint64(days));
    if (ms >= kMsPerDay) {
        ms -= kMsPerDay;
        date = date.addDays(1);
    }
    return QDateTime(date, QTime::fromMSecsSinceStartOfDay(int(ms)));
}

void SortBestList(QList<BestListDataTyp>& list) {
    std::stable_sort(list.begin(), list.end(),
                     [](const BestListDataTyp& a, const BestListDataTyp& b) {
                         const double ka = SortKey(a.Leistung), kb = SortKey(b.Leistung);
                         if (ka != kb) return ka > kb;
                         return a.Dauer < b.Dauer;
                     });
}

QStringList BestListHeaderRow() {
    return {QStringLiteral("Pos."),           QStringLiteral("Name"),
            QStringLiteral("Rechner"),        QStringLiteral("Leistung"),
            QStringLiteral("Zeit (Min:Sek)"), QStringLiteral("Datum/Uhrzeit")};
}

QList<QStringList> BestListRows(const QList<BestListDataTyp>& list) {
    QList<QStringList> rows;
    for (qsizetype i = 0; i < list.size(); ++i) {
        const BestListDataTyp& e = list[i];
        rows.append({QString::number(i + 1), e.Name, e.Rechner, PercentText(e.Leistung),
                     ClockText(e.Dauer / 1000), LocaleDateTimeText(FromDateTimeValue(e.Beginn))});
    }
    if (rows.isEmpty()) rows.append(QStringList(6, QString()));
    return rows;
}

QString BestListExportText(const QList<BestListDataTyp>& list) {
    QString out;
    QList<QStringList> rows = BestListRows(list);
    rows.prepend(BestListHeaderRow());
    for (const QStringList& row : rows) {
        QStringList cells;
        for (const QString& c : row)
            cells << ExportCell(c);
        out += cells.join(QLatin1Char('\t')) + QStringLiteral("\r\n");
    }
    return out;
}

} // namespace bw
