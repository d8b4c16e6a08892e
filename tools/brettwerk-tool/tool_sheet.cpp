#include "commands.h"

#include "common/messages.h"
#include "document/imagecodec.h"
#include "document/safefile.h"
#include "drawing/sheets.h"
#include "platform/system.h"
#include "shell/folders.h"
#include "shell/settings.h"
#include "shell/settingsstore.h"
#include "shell/sheetflow.h"

#include <QRegularExpression>
#include <algorithm>
#include <cstdio>

namespace bw::tool {

namespace {

void PrintErr(const QString& text) {
    std::fputs(text.toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
}

int Usage() {
    PrintErr(QStringLiteral("usage: brettwerk-tool sheet KIND [N | ROWS COLS [LEFT TOP RIGHT "
                            "BOTTOM]] (--size WxH | --control WxH [--edition autor|basis]) "
                            "OUT.png"));
    return 2;
}

bool ToInt(const QString& s, int* v) {
    bool ok = false;
    // Long digit strings clamp like the dialogs' number edits rather than wrap.
    const qlonglong n = s.toLongLong(&ok);
    if (!ok) return false;
    *v = int(std::clamp<qlonglong>(n, -1000000, 1000000));
    return true;
}

// The settings in force, read without writing anything back (no installation id is made up,
// no copy of a damaged store kept): the program does that at its start.
Settings SettingsInForce() {
    Settings s = DefaultSettings(DefaultFolders(ExecutableFolder()));
    SettingsStore store;
    store.Load();
    ReadStoredSettings(s, store);
    LoadCentralSettings(s, s.ConfigDatei);
    return s;
}

} // namespace

// A sheet's base image with its ruling, as a new sheet of that kind gets it.
int RunSheet(const QStringList& args) {
    QStringList plain;
    QSize size, control;
    Edition edition = Edition::Autor;
    bool editionGiven = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool sizeOption = a == QLatin1String("--size") || a == QLatin1String("--control");
        if (sizeOption && i + 1 < args.size()) {
            static const QRegularExpression re(QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$"));
            const auto m = re.match(args[++i]);
            if (!m.hasMatch()) return Usage();
            (a == QLatin1String("--size") ? size : control) =
                QSize(m.captured(1).toInt(), m.captured(2).toInt());
        } else if (a == QLatin1String("--edition") && i + 1 < args.size()) {
            const QString e = args[++i];
            if (e != QLatin1String("autor") && e != QLatin1String("basis")) return Usage();
            edition = e == QLatin1String("basis") ? Edition::Basis : Edition::Autor;
            editionGiven = true;
        } else if (a.startsWith(QLatin1String("--"))) {
            return Usage();
        } else {
            plain << a;
        }
    }
    auto usable = [](QSize s) {
        return s.width() >= 1 && s.height() >= 1 && s.width() <= kMaxSheetSide &&
               s.height() <= kMaxSheetSide;
    };
    // Either the sheet's own size, or the picture control a new sheet is made for.
    if (plain.size() < 2 || size.isValid() == control.isValid() ||
        (editionGiven && !control.isValid()) || !usable(size.isValid() ? size : control))
        return Usage();
    SheetKind kind;
    if (!SheetKindFromName(plain.first(), &kind)) return Usage();
    const QString out = plain.last();
    QList<int> numbers;
    for (const QString& s : plain.mid(1, plain.size() - 2)) {
        int v;
        if (!ToInt(s, &v)) return Usage();
        numbers << v;
    }

    int n = 0;
    TableRuling table;
    if (kind == SheetKind::Blank) {
        if (!numbers.isEmpty()) return Usage();
    } else if (kind == SheetKind::Table) {
        if (numbers.size() != 0 && numbers.size() != 2 && numbers.size() != 6) return Usage();
        if (numbers.size() >= 2) {
            table.rows = numbers[0];
            table.columns = numbers[1];
        }
        if (numbers.size() == 6) {
            table.left = numbers[2];
            table.top = numbers[3];
            table.right = numbers[4];
            table.bottom = numbers[5];
        }
        table = ClampTable(table);
    } else {
        if (numbers.size() != 1) return Usage();
        n = ClampSheetCount(kind, numbers[0]);
    }

    if (control.isValid()) size = NewSheetSize(SettingsInForce(), edition, control);
    const QByteArray png = EncodePng(MakeSheet(size, kind, n, table));
    if (png.isEmpty() || !WriteFileSafely(out, png)) {
        PrintErr(FileWriteErrorText(out));
        return 1;
    }
    if (kind == SheetKind::Table)
        std::printf("%s %dx%d %d %d %d %d %d %d\n", qPrintable(plain.first()), size.width(),
                    size.height(), table.rows, table.columns, table.left, table.top, table.right,
                    table.bottom);
    else
        std::printf("%s %dx%d %d\n", qPrintable(plain.first()), size.width(), size.height(), n);
    return 0;
}

} // namespace bw::tool
