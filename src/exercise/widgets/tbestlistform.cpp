#include "exercise/widgets/tbestlistform.h"

#include "exercise/bestlistfile.h"
#include "platform/prompter.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace bw {

namespace {
constexpr int kWidths[] = {40, 200, 100, 80, 80, 140};
constexpr int kRowHeight = 19;
} // namespace

TBestListForm::TBestListForm(QWidget* parent) : QDialog(parent), grid_(new QTableWidget(this)) {
    setObjectName(QStringLiteral("BestListForm"));
    setWindowTitle(BestListCaption(false));
    grid_->setObjectName(QStringLiteral("BestListGrid"));
    grid_->setColumnCount(6);
    grid_->setHorizontalHeaderLabels(BestListHeaderRow());
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(kRowHeight);
    grid_->horizontalHeader()->setFixedHeight(kRowHeight + 2);
    for (int c = 0; c < 6; ++c)
        grid_->setColumnWidth(c, kWidths[c]);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);

    auto* note =
        new QLabel(QStringLiteral("Teil-Wiederholungen werden nicht berücksichtigt."), this);
    auto* buttons = new QHBoxLayout;
    auto add = [&](const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    connect(add(QStringLiteral("In Zwischenablage")), &QPushButton::clicked, this,
            &TBestListForm::ZwischenablageClick);
    connect(add(QStringLiteral("Speichern...")), &QPushButton::clicked, this,
            &TBestListForm::SpeichernClick);
    // The grid goes to paper through the table printer of the printing subsystem.
    printBtn_ = add(QStringLiteral("Drucken..."));
    printBtn_->setEnabled(false);
    buttons->addStretch(1);
    auto* close = add(QStringLiteral("Schließen"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addWidget(note);
    layout->addLayout(buttons);
    int width = 0;
    for (int w : kWidths)
        width += w;
    resize(width + 48, 420);
}

void TBestListForm::SetList(const QList<BestListDataTyp>& list) {
    list_ = list;
    const QList<QStringList> rows = BestListRows(list_);
    grid_->clearContents();
    grid_->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < 6; ++c) {
            auto* item = new QTableWidgetItem(rows[r][c]);
            const bool centred = c == 0 || c == 3 || c == 4;
            item->setTextAlignment(Qt::AlignVCenter | (centred ? Qt::AlignHCenter : Qt::AlignLeft));
            grid_->setItem(r, c, item);
        }
    }
}

void TBestListForm::ZwischenablageClick() {
    QApplication::clipboard()->setText(ExportText());
}

void TBestListForm::SpeichernClick() {
    QString path = prompter().GetSaveFileName(
        QStringLiteral("Bestenliste in Datei speichern"), folder_, QString(),
        QStringLiteral("Textdatei (*.txt)|*.txt|Alle Dateien (*.*)|*.*"), QStringLiteral("txt"));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".txt");
    const QString error = SaveBestListText(path, ExportText());
    if (!error.isEmpty()) prompter().ShowError(error);
}

} // namespace bw
