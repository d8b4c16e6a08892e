#include "drawing/sheets.h"

#include <algorithm>
#include <cmath>

namespace bw {

namespace {

// Nearest integer, halves to even (the default rounding mode).
int RoundHalfEven(double v) {
    return int(std::lrint(v));
}

void HLine(QImage& img, int y, int x0, int x1) {
    if (y < 0 || y >= img.height()) return;
    const int a = std::max(0, std::min(x0, x1));
    const int b = std::min(img.width(), std::max(x0, x1));
    auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = a; x < b; ++x)
        row[x] = kRulingGrey;
}

void VLine(QImage& img, int x, int y0, int y1) {
    if (x < 0 || x >= img.width()) return;
    const int a = std::max(0, std::min(y0, y1));
    const int b = std::min(img.height(), std::max(y0, y1));
    for (int y = a; y < b; ++y)
        reinterpret_cast<QRgb*>(img.scanLine(y))[x] = kRulingGrey;
}

bool Usable(const QImage& img) {
    return !img.isNull() && img.depth() == 32;
}

} // namespace

int SheetCountMax(SheetKind kind) {
    switch (kind) {
    case SheetKind::Lines:
    case SheetKind::Squares:
    case SheetKind::Table:
        return 200;
    case SheetKind::Staves:
    case SheetKind::Class1:
    case SheetKind::Class2:
        return 20;
    case SheetKind::Class3:
        return 50;
    case SheetKind::Class4:
        return 100;
    case SheetKind::Blank:
        return 0;
    }
    return 0;
}

int ClampSheetCount(SheetKind kind, int n) {
    return std::clamp(n, 1, std::max(1, SheetCountMax(kind)));
}

TableRuling ClampTable(TableRuling t) {
    t.rows = std::clamp(t.rows, 1, 200);
    t.columns = std::clamp(t.columns, 1, 200);
    for (int* m : {&t.left, &t.top, &t.right, &t.bottom})
        *m = std::clamp(*m, 0, 100);
    return t;
}

bool SheetKindFromName(const QString& name, SheetKind* kind) {
    static const struct {
        const char* name;
        SheetKind kind;
    } kNames[] = {{"blank", SheetKind::Blank},     {"lines", SheetKind::Lines},
                  {"squares", SheetKind::Squares}, {"staves", SheetKind::Staves},
                  {"class1", SheetKind::Class1},   {"class2", SheetKind::Class2},
                  {"class3", SheetKind::Class3},   {"class4", SheetKind::Class4},
                  {"table", SheetKind::Table}};
    for (const auto& e : kNames)
        if (name == QLatin1String(e.name)) {
            *kind = e.kind;
            return true;
        }
    return false;
}

QSize SheetSize(QSize control, const SheetRatioPreset& preset, bool baseEdition) {
    auto side = [](double v) { return int(std::clamp(v, 1.0, double(kMaxSheetSide))); };
    double w = side(control.width());
    double h = side(control.height());
    if (!baseEdition && preset.kind == 1 && !preset.fitWindow && preset.width > 0 &&
        preset.height > 0) {
        const double h2 = std::nearbyint(w * preset.height / preset.width);
        if (h2 < h)
            w = std::nearbyint(h * preset.width / preset.height);
        else
            h = h2;
    }
    return {side(w), side(h)};
}

QImage NewSheetImage(QSize size) {
    QImage img(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    img.fill(0xFFFFFFFFu);
    return img;
}

QImage MakeSheet(QSize size, SheetKind kind, int n, const TableRuling& table) {
    QImage sheet = NewSheetImage(size);
    RuleSheet(sheet, kind, n, table);
    return sheet;
}

QString FreeSheetCaption(SheetKind kind) {
    switch (kind) {
    case SheetKind::Lines:
        return QStringLiteral("Blatt mit Linien");
    case SheetKind::Squares:
        return QStringLiteral("Kariertes Blatt");
    case SheetKind::Staves:
        return QStringLiteral("Blatt mit Notenlinien");
    case SheetKind::Class1:
        return QStringLiteral("Lineatur 1. Klasse");
    case SheetKind::Class2:
        return QStringLiteral("Lineatur 2. Klasse");
    case SheetKind::Class3:
        return QStringLiteral("Lineatur 3. Klasse");
    case SheetKind::Class4:
        return QStringLiteral("Lineatur 4. Klasse");
    case SheetKind::Table:
        return QStringLiteral("Blatt mit Tabelle");
    case SheetKind::Blank:
        break;
    }
    return {};
}

int SheetCounts::count(SheetKind kind) const {
    return counts_[int(kind)];
}

int SheetCounts::remember(SheetKind kind, int n) {
    const int c = ClampSheetCount(kind, n);
    counts_[int(kind)] = c;
    return c;
}

void RuleLines(QImage& sheet, int n) {
    if (!Usable(sheet) || n < 1) return;
    const int W = sheet.width(), H = sheet.height();
    const int s = std::max(1, H / n);
    for (int k = 1; k <= H / s; ++k)
        HLine(sheet, k * s - 1, 0, W);
}

void RuleSquares(QImage& sheet, int n) {
    if (!Usable(sheet) || n < 1) return;
    const int W = sheet.width(), H = sheet.height();
    const int s = std::max(1, H / n);
    for (int k = 0; k <= H / s; ++k)
        HLine(sheet, k * s, 0, W);
    for (int k = 0; k <= W / s; ++k)
        VLine(sheet, k * s, 0, H);
}

void RuleStaves(QImage& sheet, int n) {
    if (!Usable(sheet) || n < 1) return;
    const int W = sheet.width(), H = sheet.height();
    const double g = double(H) / (9.0 * n + 5);
    const int t = int(std::floor(g));
    for (int m = 0; m < n; ++m)
        for (int i = 0; i < 5; ++i)
            HLine(sheet, RoundHalfEven(9.0 * m * g) + (i + 5) * t, 0, W);
}

void RuleClass(QImage& sheet, int classNumber, int n) {
    if (!Usable(sheet) || n < 1 || classNumber < 1 || classNumber > 4) return;
    const int W = sheet.width(), H = sheet.height();
    const int x0 = RoundHalfEven(W * 5 / 100.0), y0 = RoundHalfEven(H * 5 / 100.0);
    const int x1 = RoundHalfEven(0.95 * (W - 1)), y1 = RoundHalfEven(0.95 * (H - 1));
    const double f = classNumber == 1 ? 0.6 : 0.7;
    const double o = classNumber == 1 ? 0.2 : 0.15;
    const double p = double(y1 - y0) / n;
    const int u = RoundHalfEven(p * f);
    for (int k = 0; k < n; ++k) {
        const int a = y0 + RoundHalfEven(k * double(y1 - y0) / n + o * u);
        const int b = a + RoundHalfEven(75.0 * u / 245);
        const int c = b + RoundHalfEven(95.0 * u / 245);
        const int d = c + RoundHalfEven(75.0 * u / 245);
        switch (classNumber) {
        case 1:
        case 2:
            for (int y : {a, b, c, d})
                HLine(sheet, y, x0, x1);
            VLine(sheet, x0, a, d);
            VLine(sheet, x1, a, d);
            break;
        case 3:
            HLine(sheet, b, x0, x1);
            HLine(sheet, c, x0, x1);
            VLine(sheet, x0, b, c);
            VLine(sheet, x1, b, c);
            break;
        default:
            HLine(sheet, c, x0, x1);
            break;
        }
    }
}

void RuleTable(QImage& sheet, const TableRuling& table) {
    if (!Usable(sheet)) return;
    const TableRuling t = ClampTable(table);
    const int W = sheet.width(), H = sheet.height();
    const int left = RoundHalfEven(W * t.left / 100.0);
    const int top = RoundHalfEven(H * t.top / 100.0);
    const int right = RoundHalfEven((1 - t.right / 100.0) * (W - 1));
    const int bottom = RoundHalfEven((1 - t.bottom / 100.0) * (H - 1));
    for (int k = 0; k <= t.rows; ++k)
        HLine(sheet, top + RoundHalfEven(k * double(bottom - top) / t.rows), left, right);
    for (int k = 0; k <= t.columns; ++k)
        VLine(sheet, left + RoundHalfEven(k * double(right - left) / t.columns), top, bottom);
}

void RuleSheet(QImage& sheet, SheetKind kind, int n, const TableRuling& table) {
    const int c = ClampSheetCount(kind, n);
    switch (kind) {
    case SheetKind::Blank:
        break;
    case SheetKind::Lines:
        RuleLines(sheet, c);
        break;
    case SheetKind::Squares:
        RuleSquares(sheet, c);
        break;
    case SheetKind::Staves:
        RuleStaves(sheet, c);
        break;
    case SheetKind::Class1:
        RuleClass(sheet, 1, c);
        break;
    case SheetKind::Class2:
        RuleClass(sheet, 2, c);
        break;
    case SheetKind::Class3:
        RuleClass(sheet, 3, c);
        break;
    case SheetKind::Class4:
        RuleClass(sheet, 4, c);
        break;
    case SheetKind::Table:
        RuleTable(sheet, table);
        break;
    }
}

} // namespace bw
