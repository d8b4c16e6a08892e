#include "drawing/widgets/sheetdialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace bw {

namespace {

constexpr int kTableMinWidth = 360;
constexpr int kTableHeightPlain = 145;
constexpr int kTableHeightMargins = 275;

QSpinBox* NumberEdit(QWidget* parent, const char* name, int min, int max, int value) {
    auto* e = new QSpinBox(parent);
    e->setObjectName(QLatin1String(name));
    e->setRange(min, max);
    e->setValue(value);
    // A typed number outside the range becomes the nearest one (0 becomes 1).
    e->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    e->setMinimumWidth(60);
    return e;
}

QDialogButtonBox* OkCancel(QDialog* d) {
    auto* box = new QDialogButtonBox(d);
    QPushButton* ok = box->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    box->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    QObject::connect(box, &QDialogButtonBox::accepted, d, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, d, &QDialog::reject);
    return box;
}

void CentreOnScreen(QWidget* w) {
    if (const QScreen* screen = w->screen()) {
        QRect r = w->frameGeometry();
        r.moveCenter(screen->availableGeometry().center());
        w->move(r.topLeft());
    }
}

// A small button beside a number edit that steps it by delta.
QPushButton* StepButton(QWidget* parent, const QString& text, QSpinBox* edit, int delta) {
    auto* b = new QPushButton(text, parent);
    b->setFixedWidth(24);
    b->setAutoDefault(false);
    QObject::connect(b, &QPushButton::clicked, edit,
                     [edit, delta] { edit->setValue(edit->value() + delta); });
    return b;
}

} // namespace

TBlattAnzahlForm::TBlattAnzahlForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("BlattAnzahlForm"));
    auto* lay = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral(" Freie Eingabe "), this);
    auto* row = new QHBoxLayout(group);
    auto* label = new QLabel(QStringLiteral("&Anzahl:"), group);
    AnzEdit = NumberEdit(group, "AnzEdit", 1, 200, 1);
    label->setBuddy(AnzEdit);
    row->addWidget(label);
    row->addWidget(AnzEdit);
    row->addStretch(1);
    lay->addWidget(group);
    lay->addWidget(OkCancel(this));
    setFixedSize(qMax(260, sizeHint().width()), sizeHint().height());
}

bool TBlattAnzahlForm::Execute(const QString& caption, int* count) {
    setWindowTitle(caption);
    AnzEdit->setValue(*count);
    if (exec() != QDialog::Accepted) return false;
    // A number typed but not yet committed counts too.
    AnzEdit->interpretText();
    *count = AnzEdit->value();
    return true;
}

void TBlattAnzahlForm::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    CentreOnScreen(this);
    AnzEdit->setFocus();
    AnzEdit->selectAll();
}

TBlattTabelleForm::TBlattTabelleForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("BlattTabelleForm"));
    setWindowTitle(QStringLiteral("Blatt mit Tabelle"));
    auto* lay = new QVBoxLayout(this);

    auto* size = new QGroupBox(QStringLiteral(" &Tabellengröße "), this);
    auto* sizeRow = new QHBoxLayout(size);
    ZeilenEdit = NumberEdit(size, "ZeilenEdit", 1, 200, 6);
    SpaltenEdit = NumberEdit(size, "SpaltenEdit", 1, 200, 3);
    const std::pair<const char*, QSpinBox*> counts[] = {{"&Zeilen:", ZeilenEdit},
                                                        {"&Spalten:", SpaltenEdit}};
    for (auto [caption, edit] : counts) {
        auto* label = new QLabel(QString::fromUtf8(caption), size);
        label->setBuddy(edit);
        sizeRow->addWidget(label);
        sizeRow->addWidget(edit);
        sizeRow->addWidget(StepButton(size, QStringLiteral("+"), edit, +1));
        sizeRow->addWidget(StepButton(size, QStringLiteral("-"), edit, -1));
        sizeRow->addSpacing(8);
    }
    lay->addWidget(size);

    FreiraumCheck = new QCheckBox(QStringLiteral("&Freiraum um die Tabelle einstellen"), this);
    FreiraumCheck->setObjectName(QStringLiteral("FreiraumCheck"));
    lay->addWidget(FreiraumCheck);

    FreiraumGroup = new QGroupBox(this);
    FreiraumGroup->setObjectName(QStringLiteral("FreiraumGroup"));
    auto* grid = new QGridLayout(FreiraumGroup);
    ObenEdit = NumberEdit(FreiraumGroup, "ObenEdit", 0, 100, 5);
    LinksEdit = NumberEdit(FreiraumGroup, "LinksEdit", 0, 100, 5);
    RechtsEdit = NumberEdit(FreiraumGroup, "RechtsEdit", 0, 100, 5);
    UntenEdit = NumberEdit(FreiraumGroup, "UntenEdit", 0, 100, 5);
    const std::tuple<const char*, QSpinBox*, int, int> margins[] = {{"Oben:", ObenEdit, 0, 2},
                                                                    {"Links:", LinksEdit, 1, 0},
                                                                    {"Rechts:", RechtsEdit, 1, 4},
                                                                    {"Unten:", UntenEdit, 2, 2}};
    for (auto [caption, edit, r, c] : margins) {
        auto* label = new QLabel(QString::fromUtf8(caption), FreiraumGroup);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* cell = new QHBoxLayout;
        cell->addWidget(label);
        cell->addWidget(edit);
        cell->addWidget(new QLabel(QStringLiteral("%"), FreiraumGroup));
        grid->addLayout(cell, r, c, 1, 2);
    }
    lay->addWidget(FreiraumGroup);
    lay->addStretch(1);
    lay->addWidget(OkCancel(this));

    // Wide enough for every caption in the desktop's font, margins shown or not.
    width_ = std::max(kTableMinWidth, sizeHint().width());
    connect(FreiraumCheck, &QCheckBox::clicked, this, [this] { FreiraumCheckClick(); });
    FreiraumCheckClick();
}

void TBlattTabelleForm::FreiraumCheckClick() {
    const bool shown = FreiraumCheck->isChecked();
    FreiraumGroup->setVisible(shown);
    setFixedSize(width_, shown ? kTableHeightMargins : kTableHeightPlain);
}

TableRuling TBlattTabelleForm::Table() const {
    TableRuling t;
    t.rows = ZeilenEdit->value();
    t.columns = SpaltenEdit->value();
    t.left = LinksEdit->value();
    t.top = ObenEdit->value();
    t.right = RechtsEdit->value();
    t.bottom = UntenEdit->value();
    return ClampTable(t);
}

bool TBlattTabelleForm::Execute(TableRuling* table) {
    if (exec() != QDialog::Accepted) return false;
    for (QSpinBox* e : {ZeilenEdit, SpaltenEdit, ObenEdit, LinksEdit, RechtsEdit, UntenEdit})
        e->interpretText();
    *table = Table();
    return true;
}

void TBlattTabelleForm::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    FreiraumCheckClick();
    CentreOnScreen(this);
    ZeilenEdit->setFocus();
    ZeilenEdit->selectAll();
}

} // namespace bw
