#include "exercise/grading.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <cmath>

namespace bw {

GradingBoundaries BoundariesFrom(const std::array<double, 5>& editable) {
    GradingBoundaries b = kDefaultGradingBoundaries;
    for (int i = 0; i < 5; ++i)
        b[i + 1] = editable[i];
    return b;
}

int MarkFor(double performance, const GradingBoundaries& b) {
    for (int i = 1; i <= 6; ++i) {
        if (performance >= b[i]) return i;
    }
    return 6;
}

QString MarkWord(int mark) {
    static const char16_t* const kWords[] = {u"sehr gut",    u"gut",        u"befriedigend",
                                             u"ausreichend", u"mangelhaft", u"ungenügend"};
    if (mark < 1 || mark > 6) return {};
    return QString::fromUtf16(kWords[mark - 1]);
}

QColor MarkColour(int mark) {
    static const QColor kColours[] = {QColor(0, 255, 0),   QColor(191, 255, 0), QColor(255, 255, 0),
                                      QColor(255, 224, 0), QColor(255, 160, 0), QColor(255, 0, 0)};
    return mark >= 1 && mark <= 6 ? kColours[mark - 1] : QColor(Qt::white);
}

QString DokTypName(int dokTyp) {
    static const char16_t* const kNames[] = {u"Bildbeschriftung", u"Lückentext", u"Einzelfragen",
                                             u"Multiple-Choice-Fragen"};
    if (dokTyp < 0 || dokTyp > 3) return {};
    return QString::fromUtf16(kNames[dokTyp]);
}

QString PercentNumber(double fraction) {
    return QString::number(fraction * 100.0, 'f', 1);
}

QString BoundariesText(const GradingBoundaries& b) {
    QStringList parts;
    for (int i = 1; i <= 6; ++i)
        parts << PercentNumber(b[i]) + QLatin1Char('%');
    return parts.join(QStringLiteral(" / "));
}

std::optional<BoundaryViolation> CheckBoundaryPercents(const std::array<double, 5>& percents) {
    for (int i = 1; i <= 5; ++i) {
        const double v = percents[i - 1];
        const double next = i < 5 ? percents[i] : 0.0;
        // Written so that a value that is not a number fails too.
        if (!(v >= 0.0 && v <= 100.0 && !(v < next)))
            return BoundaryViolation{
                i, QStringLiteral("Alle Werte müssen im Bereich von 0 bis 100% liegen.\r\n"
                                  "Der Wert für Note %1 darf nicht kleiner sein als der Wert "
                                  "für Note %2.")
                       .arg(i)
                       .arg(i + 1)};
    }
    return std::nullopt;
}

QString BoundaryFieldText(double fraction) {
    return PercentNumber(fraction).replace(QLatin1Char('.'), QLatin1Char(','));
}

std::optional<double> ParseBoundaryField(const QString& text) {
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

void DrawRatingScale(QPainter& p, int w, int h, const GradingBoundaries& b, double performance,
                     const QColor& background) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.fillRect(0, 0, w, h, background);
    const int H = h - 24;
    const int x1 = int(std::lround(w * 0.4));
    const int x2 = int(std::lround(w * 0.6));
    auto yFor = [H](double fraction) {
        if (!std::isfinite(fraction)) fraction = 0.0;
        return int(std::lround((1.0 - std::clamp(fraction, 0.0, 1.0)) * H)) + 12;
    };
    std::array<int, 7> y{};
    for (int i = 0; i <= 6; ++i)
        y[i] = yFor(b[i]);

    QFont digits(QStringLiteral("Arial"));
    digits.setPointSize(7);
    digits.setBold(true);
    p.setFont(digits);
    const QFontMetrics fm(digits);
    p.setPen(Qt::black);
    for (int m = 1; m <= 6; ++m) {
        const int top = y[m - 1];
        const int bottom = y[m] + 1; // exclusive, as the outline of a filled rectangle
        p.setBrush(MarkColour(m));
        p.drawRect(x1, top, x2 - 1 - x1, bottom - 1 - top);
        const QString d = QString::number(m);
        const int baseline = (top + bottom) / 2 + 3;
        p.drawText((x1 + x2 - fm.horizontalAdvance(d)) / 2, baseline, d);
    }
    for (int i = 0; i <= 6; ++i) {
        p.drawLine(x1 - 3, y[i], x1 - 1, y[i]);
        const QString pct = QString::number(std::lround(b[i] * 100.0)) + QLatin1Char('%');
        const int baseline = std::min(y[i] + 3, 12 + H);
        p.drawText(x1 - 7 - fm.horizontalAdvance(pct), baseline, pct);
    }

    const double perf = std::isfinite(performance) ? std::clamp(performance, 0.0, 1.0) : 0.0;
    const int py = yFor(perf);
    p.drawLine(x2, py, x2 + 9, py);
    QFont mark(QStringLiteral("Arial"));
    mark.setPointSize(8);
    mark.setBold(true);
    p.setFont(mark);
    const QFontMetrics mm(mark);
    p.drawText(x2 + 15, py + (mm.ascent() - mm.descent()) / 2,
               PercentNumber(perf) + QLatin1Char('%'));
    p.restore();
}

} // namespace bw
