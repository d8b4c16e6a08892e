#include "network/netmessages.h"

#include "exercise/bestlist.h"
#include "exercise/grading.h"
#include "exercise/uebdata.h"

#include <QLocale>
#include <cmath>

namespace bw {

QString RealText(double v) {
    if (!std::isfinite(v)) v = 0;
    return QString::number(v, 'g', QLocale::FloatingPointShortest);
}

double ParseRealText(const QString& text) {
    QString t = text.trimmed();
    if (!t.contains(u'.')) t.replace(u',', u'.');
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

int ParseIntField(const QString& text) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok ? v : 0;
}

QString StartTimeText(double startTime) {
    return FromDateTimeValue(startTime).time().toString(QStringLiteral("HH:mm:ss"));
}

QStringList InitMessage(const UebDataTyp& ueb) {
    return {QLatin1String(netmsg::kInit), ueb.ParticipantId, ueb.ParticipantName,
            StartTimeText(ueb.StartTime)};
}

QStringList ActionMessage(const UebDataTyp& ueb, int target, int state, int fehlerPos,
                          const QString& clock) {
    return {QLatin1String(netmsg::kAction),
            ueb.ParticipantId,
            QString::number(target),
            QString::number(state),
            QString::number(fehlerPos),
            QString::number(ueb.EndReason),
            StartTimeText(ueb.StartTime),
            QString::number(ueb.AskedCount),
            QString::number(ueb.RightCount),
            QString::number(ueb.WrongCount),
            QString::number(ueb.OpenCount),
            clock,
            PercentNumber(ueb.SuccessQuota),
            PercentNumber(ueb.Performance),
            QString::number(MarkFor(ueb.Performance, ueb.NoteMinQuote))};
}

QStringList FinishMessage(const UebDataTyp& ueb, const QString& clock) {
    return {QLatin1String(netmsg::kFinish), ueb.ParticipantId, QString::number(ueb.EndReason),
            clock};
}

QStringList BestListMessage(const UebDataTyp& ueb, const QString& computer, qint64 elapsedMs) {
    return {QLatin1String(netmsg::kBestList),
            ueb.ParticipantId,
            ueb.ParticipantName,
            computer,
            RealText(ueb.StartTime),
            QString::number(elapsedMs),
            RealText(ueb.Performance)};
}

QString StatusText(int endReason) {
    switch (endReason) {
    case 0:
        return QStringLiteral("aktiv");
    case 1:
        return QStringLiteral("fertig");
    case 2:
        return QStringLiteral("abgebr.");
    case 3:
        return QStringLiteral("timeout");
    default:
        return {};
    }
}

} // namespace bw
