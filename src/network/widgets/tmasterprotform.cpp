#include "network/widgets/tmasterprotform.h"

#include "common/messages.h"
#include "document/safefile.h"
#include "exercise/bestlistfile.h"
#include "exercise/widgets/tprotkomform.h"
#include "network/netteacher.h"
#include "platform/prompter.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMimeData>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QVBoxLayout>

namespace bw {

namespace {

constexpr int kWidths[] = {30, 60, 60, 45, 50, 40, 40, 40, 40, 40, 40, 50, 30};
constexpr int kObjectWidth = 25;
constexpr int kRowHeight = 16;
const QString kCaption = QStringLiteral("Netzwerk-Übung - Kontrollanzeige");

// The name and computer columns read from the left; everything else is centred.
Qt::Alignment CellAlignment(int column) {
    return Qt::AlignVCenter | (column == 1 || column == 2 ? Qt::AlignLeft : Qt::AlignHCenter);
}

} // namespace

TMasterProtForm::TMasterProtForm(NetTeacher& teacher, QWidget* parent)
    : QDialog(parent), teacher_(teacher), grid_(new QTableWidget(this)), info_(new QTextEdit(this)),
      pages_(new QStackedWidget(this)), comment_(new TProtKomForm(this)) {
    setObjectName(QStringLiteral("MasterProtForm"));
    setModal(false);
    comment_->setWindowTitle(QStringLiteral("Kommentar zur Übungsinformation hinzufügen"));

    gridBtn_ = new QPushButton(QStringLiteral("Teilnehmer- Protokoll"), this);
    infoBtn_ = new QPushButton(QStringLiteral("Übungs- Information"), this);
    for (QPushButton* b : {gridBtn_, infoBtn_}) {
        b->setCheckable(true);
        b->setAutoDefault(false);
    }
    connect(gridBtn_, &QPushButton::clicked, this, [this] { ShowPage(true); });
    connect(infoBtn_, &QPushButton::clicked, this, [this] { ShowPage(false); });

    grid_->setObjectName(QStringLiteral("TabGrid"));
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(kRowHeight);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    // The columns are as narrow as the dialog font of the classroom PCs; cells are cut, not
    // shortened with dots, so that "ff ok" stays readable as far as it goes.
    QFont small = grid_->font();
    small.setPixelSize(11);
    grid_->setFont(small);
    grid_->horizontalHeader()->setFont(small);
    grid_->setTextElideMode(Qt::ElideNone);
    grid_->setWordWrap(false);
    info_->setObjectName(QStringLiteral("RichEdit1"));
    info_->setReadOnly(true);
    pages_->addWidget(grid_);
    pages_->addWidget(info_);

    allow_ = new QCheckBox(QStringLiteral("Anmeldung weiterer Teilnehmer zulassen"), this);
    allow_->setChecked(true);
    allow_->setToolTip(QStringLiteral(
        "An den Teilnehmer-PCs muss \"Übung / An Netzwerk-Übung teilnehmen\" aufgerufen werden, "
        "solange Sie weitere Teilnehmer zulassen."));
    connect(allow_, &QCheckBox::clicked, this, [this] { ZulassenClick(); });

    auto* top = new QHBoxLayout;
    top->addWidget(gridBtn_);
    top->addWidget(infoBtn_);
    top->addStretch(1);
    top->addWidget(allow_);
    auto* buttons = new QHBoxLayout;
    auto add = [&](const QString& caption, auto handler) {
        auto* b = new QPushButton(caption, this);
        b->setAutoDefault(false);
        buttons->addWidget(b);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    add(QStringLiteral("In Zw.abl. kopieren"), [this] { ZwAblKopierenClick(); });
    add(QStringLiteral("Speichern..."), [this] { SpeichernClick(); });
    // The grid goes to paper through the table printer of the printing subsystem.
    add(QStringLiteral("Drucken..."), [] {})->setEnabled(false);
    add(QStringLiteral("Kommentar hinzufügen..."), [this] { KommentarClick(); });
    add(QStringLiteral("Bestenliste..."), [this] { emit bestListAsked(); });
    buttons->addStretch(1);
    add(QStringLiteral("Netz-Übung beenden und schließen"), [this] { BeendenClick(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(pages_, 1);
    layout->addLayout(buttons);
    resize(900, 500);

    connect(&teacher_, &NetTeacher::rowChanged, this, &TMasterProtForm::RowChanged);
    PrepareParticipantGrid();
    UpdateCaption();
}

void TMasterProtForm::PrepareParticipantGrid() {
    const TeacherGrid& g = teacher_.grid;
    const QStringList& header = g.Header();
    grid_->clear();
    grid_->setColumnCount(int(header.size()));
    grid_->setRowCount(std::max(1, int(g.Rows().size())));
    grid_->setHorizontalHeaderLabels(header);
    for (int c = 0; c < header.size(); ++c)
        grid_->setColumnWidth(c, c < TeacherGrid::kFixedColumns ? kWidths[c] : kObjectWidth);
    for (int r = 0; r < g.Rows().size(); ++r)
        FillRow(r);
    allow_->setChecked(true);
    RefreshInformation();
}

void TMasterProtForm::RefreshInformation() {
    information_.Clear();
    information_.Append(teacher_.info);
    information_.FillDocument(*info_->document(), 160.0 * logicalDpiX() / 72.0);
}

void TMasterProtForm::FillRow(int row) {
    const QStringList& cells = teacher_.grid.Rows()[row];
    for (int c = 0; c < grid_->columnCount(); ++c) {
        const QString text = c < cells.size() ? cells[c] : QString();
        QTableWidgetItem* item = grid_->item(row, c);
        if (!item) {
            item = new QTableWidgetItem;
            item->setTextAlignment(CellAlignment(c));
            grid_->setItem(row, c, item);
        }
        if (item->text() != text) item->setText(text);
    }
}

void TMasterProtForm::RowChanged(int row, bool) {
    if (row >= grid_->rowCount()) grid_->setRowCount(row + 1);
    FillRow(row);
}

void TMasterProtForm::UpdateCaption() {
    setWindowTitle(kCaption + (teacher_.Initiated() ? QStringLiteral(" - Status: aktiv")
                                                    : QStringLiteral(" - Status: beendet")));
}

void TMasterProtForm::ShowDisplay() {
    UpdateCaption();
    ShowPage(true);
    show();
    raise();
    activateWindow();
}

bool TMasterProtForm::GridPageShown() const {
    return pages_->currentWidget() == grid_;
}

void TMasterProtForm::ShowPage(bool grid) {
    pages_->setCurrentWidget(grid ? static_cast<QWidget*>(grid_) : info_);
    gridBtn_->setChecked(grid);
    infoBtn_->setChecked(!grid);
}

void TMasterProtForm::ZwAblKopierenClick() {
    if (GridPageShown()) {
        QApplication::clipboard()->setText(teacher_.grid.GridText());
        return;
    }
    auto* data = new QMimeData;
    data->setData(QStringLiteral("text/rtf"), information_.Rtf());
    data->setHtml(information_.Html());
    data->setText(information_.PlainText());
    QApplication::clipboard()->setMimeData(data);
}

void TMasterProtForm::SpeichernClick() {
    if (GridPageShown()) {
        QString path = prompter().GetSaveFileName(
            QStringLiteral("Teilnehmerprotokoll in Datei speichern"), QString(), QString(),
            QStringLiteral("Textdatei (*.txt)|*.txt|Alle Dateien (*.*)|*.*"),
            QStringLiteral("txt"));
        if (path.isEmpty()) return;
        if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".txt");
        const QString error = SaveBestListText(path, teacher_.grid.GridText());
        if (!error.isEmpty()) prompter().ShowError(error);
        return;
    }
    QString path = prompter().GetSaveFileName(
        QStringLiteral("Übungsinformation in Datei speichern"), QString(), QString(),
        QStringLiteral("Rich Text Dokument (*.rtf)|*.rtf|Alle Dateien (*.*)|*.*"),
        QStringLiteral("rtf"));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".rtf");
    if (!WriteFileSafely(path, information_.Rtf()).ok)
        prompter().ShowError(FileWriteErrorText(path));
}

void TMasterProtForm::KommentarClick() {
    const std::optional<QString> text = comment_->Execute();
    if (!text || !information_.AppendComment(*text)) return;
    information_.FillDocument(*info_->document(), 160.0 * logicalDpiX() / 72.0);
}

void TMasterProtForm::ZulassenClick() {
    if (!teacher_.Initiated()) {
        if (allow_->isChecked())
            prompter().ShowInfo(QStringLiteral("Es ist keine Netzwerk-Übung aktiv."));
        return;
    }
    const QString error = teacher_.SetJoinAllowed(allow_->isChecked());
    if (!error.isEmpty()) prompter().ShowError(error);
}

void TMasterProtForm::BeendenClick() {
    if (endNetworkExercise && !endNetworkExercise()) return;
    UpdateCaption();
    close();
}

} // namespace bw
