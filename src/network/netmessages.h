#pragma once

#include <QString>
#include <QStringList>

namespace bw {

struct UebDataTyp;

// The reports of a participant, as payload lines after the keyword line.
namespace netmsg {
inline constexpr char kInit[] = "TN-INIT";
inline constexpr char kAction[] = "TN-AKTION";
inline constexpr char kFinish[] = "TN-FERTIG";
inline constexpr char kBestList[] = "TN-BESTLIST";
} // namespace netmsg

// A real as text: the shortest digits that read back as the same value, no group
// separators. Sent with a point; read with
// a point or a decimal comma, as teachers on other locales send it.
QString RealText(double v);
// Nothing that is not a finite number counts; returns 0 then.
double ParseRealText(const QString& text);
// Decimal text; anything that is not a number counts as 0.
int ParseIntField(const QString& text);

// The start time of a run as a time text.
QString StartTimeText(double startTime);

QStringList InitMessage(const UebDataTyp& ueb);
// state and fehlerPos are those of the target object after judging; clock is "mm:ss".
QStringList ActionMessage(const UebDataTyp& ueb, int target, int state, int fehlerPos,
                          const QString& clock);
QStringList FinishMessage(const UebDataTyp& ueb, const QString& clock);
QStringList BestListMessage(const UebDataTyp& ueb, const QString& computer, qint64 elapsedMs);

// The status text of an EndReason: "aktiv", "fertig", "abgebr.", "timeout"; empty otherwise.
QString StatusText(int endReason);

} // namespace bw
