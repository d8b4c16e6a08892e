#include "drawing/sheetmenu.h"

namespace bw {

namespace {

// A submenu of three fixed counts ("weit", "mittel", "eng") and the free variant.
void AddCounted(std::vector<SheetMenuEntry>& out, const QString& group, const QString& prefix,
                const QString& name, SheetKind kind, std::initializer_list<int> counts,
                std::initializer_list<const char*> widths) {
    auto w = widths.begin();
    for (int n : counts) {
        SheetMenuEntry e;
        e.group = group;
        const QString width = QString::fromUtf8(*w);
        e.caption = prefix + QLatin1Char(' ') + width + QStringLiteral(" (%1)").arg(n);
        // Object names keep to ASCII: "groß" gives "Kariertgro1".
        QString ascii;
        for (QChar ch : width)
            if (ch.unicode() < 128) ascii += ch;
        e.name = name + ascii + QLatin1Char('1');
        e.kind = kind;
        e.n = n;
        out.push_back(e);
        ++w;
    }
    SheetMenuEntry e;
    e.group = group;
    e.caption = prefix + QStringLiteral(" frei...");
    e.name = name + QStringLiteral("frei1");
    e.kind = kind;
    e.free = true;
    out.push_back(e);
}

std::vector<SheetMenuEntry> Build() {
    std::vector<SheetMenuEntry> v;
    SheetMenuEntry blank;
    blank.caption = QStringLiteral("Leeres Blatt");
    blank.name = QStringLiteral("LeeresBlatt1");
    v.push_back(blank);

    AddCounted(v, QStringLiteral("Linien"), QStringLiteral("Linien"), QStringLiteral("Linien"),
               SheetKind::Lines, {10, 15, 20}, {"weit", "mittel", "eng"});
    AddCounted(v, QStringLiteral("Kariert"), QStringLiteral("Kariert"), QStringLiteral("Kariert"),
               SheetKind::Squares, {20, 30, 40}, {"groß", "mittel", "klein"});
    AddCounted(v, QStringLiteral("Notenlinien"), QStringLiteral("Notenlinien"),
               QStringLiteral("Notenlinien"), SheetKind::Staves, {3, 5, 7},
               {"weit", "mittel", "eng"});

    const QString table = QStringLiteral("Tabelle");
    for (int rows : {6, 12})
        for (int columns : {2, 3, 4}) {
            SheetMenuEntry e;
            e.group = table;
            e.caption = QStringLiteral("Tabelle %1x%2").arg(rows).arg(columns);
            e.name = QStringLiteral("Tabelle%1x%21").arg(rows).arg(columns);
            e.kind = SheetKind::Table;
            e.rows = rows;
            e.columns = columns;
            v.push_back(e);
        }
    SheetMenuEntry freeTable;
    freeTable.group = table;
    freeTable.caption = QStringLiteral("Tabelle frei...");
    freeTable.name = QStringLiteral("Tabelle1");
    freeTable.kind = SheetKind::Table;
    freeTable.free = true;
    v.push_back(freeTable);

    const struct {
        SheetKind kind;
        std::initializer_list<int> counts;
    } classes[] = {{SheetKind::Class1, {3, 5, 7}},
                   {SheetKind::Class2, {4, 6, 8}},
                   {SheetKind::Class3, {6, 9, 12}},
                   {SheetKind::Class4, {8, 12, 16}}};
    int number = 1;
    for (const auto& c : classes) {
        const QString caption = QStringLiteral("Lineatur %1. Klasse").arg(number);
        AddCounted(v, caption, caption, QStringLiteral("Lineatur%1Klasse").arg(number), c.kind,
                   c.counts, {"weit", "mittel", "eng"});
        ++number;
    }
    return v;
}

} // namespace

const std::vector<SheetMenuEntry>& SheetMenuEntries() {
    static const std::vector<SheetMenuEntry> entries = Build();
    return entries;
}

} // namespace bw
