#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace bw {

enum class SheetKind { Blank, Lines, Squares, Staves, Class1, Class2, Class3, Class4, Table };

// The grey of every ruling line.
constexpr QRgb kRulingGrey = 0xFFB8B8B8u;

// Table grid: rows and columns 1..200, margins in percent 0..100.
struct TableRuling {
    int rows = 6;
    int columns = 3;
    int left = 5;
    int top = 5;
    int right = 5;
    int bottom = 5;
};

// The largest count a kind's free variant accepts (the smallest is 1); 0 for kinds without.
int SheetCountMax(SheetKind kind);
// A count clamped to the kind's range, as the free dialogs clamp it.
int ClampSheetCount(SheetKind kind, int n);
TableRuling ClampTable(TableRuling t);

// The sheet kind for its command-line name (blank, lines, squares, staves, class1..4, table).
bool SheetKindFromName(const QString& name, SheetKind* kind);

// The page-ratio preset of new documents.
struct SheetRatioPreset {
    int kind = 1; // 1 = fixed ratio
    int width = 10;
    int height = 7;
    bool fitWindow = true; // a new sheet always has the control's size
};

// The longest side a sheet may have.
constexpr int kMaxSheetSide = 16384;

// The sheet size for a picture control of the given size. With a fixed ratio and the
// fit-the-window option off, the sheet takes the preset ratio and covers the control; the
// base edition always uses the control's size. No side exceeds kMaxSheetSide: an extreme
// ratio gives up its proportion there rather than a picture that cannot be held.
QSize SheetSize(QSize control, const SheetRatioPreset& preset, bool baseEdition);

// A white opaque sheet bitmap.
QImage NewSheetImage(QSize size);
// A new sheet of the given size with the ruling of a kind (count clamped to its range): what
// the window's new sheets and the command line both start from.
QImage MakeSheet(QSize size, SheetKind kind, int n, const TableRuling& table = {});

// The caption of a kind's free count dialog; empty for kinds without one.
QString FreeSheetCaption(SheetKind kind);

// The counts last entered in the free variants, one per kind, kept until the program ends.
class SheetCounts {
public:
    int count(SheetKind kind) const;
    // Clamps to the kind's range, remembers and returns the count.
    int remember(SheetKind kind, int n);

private:
    // In the order of SheetKind; what each free variant offers before a count was entered.
    int counts_[9] = {0, 25, 50, 8, 8, 8, 8, 8, 0};
    static_assert(int(SheetKind::Table) == 8);
};

// Rulings: one-pixel grey lines, not antialiased, clipped to the sheet, each drawn from its
// start up to but excluding its end.
void RuleLines(QImage& sheet, int n);
void RuleSquares(QImage& sheet, int n);
void RuleStaves(QImage& sheet, int n);
void RuleClass(QImage& sheet, int classNumber, int n); // 1..4
void RuleTable(QImage& sheet, const TableRuling& table);
// The ruling of a kind, its count clamped to the kind's range (the table's from `table`).
void RuleSheet(QImage& sheet, SheetKind kind, int n, const TableRuling& table = {});

} // namespace bw
