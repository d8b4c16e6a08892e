#include "authoring/widgets/tbilderwform.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace bw {

namespace {

// A number field and its track bar, with the three marks under the bar.
void AddRow(QWidget* parent, QGridLayout* grid, int row, const QString& caption, int lo, int hi,
            const QStringList& marks, QDoubleSpinBox*& field, QSlider*& bar) {
    field = new QDoubleSpinBox(parent);
    field->setDecimals(2);
    field->setRange(0, 1000);
    bar = new QSlider(Qt::Horizontal, parent);
    bar->setRange(lo, hi);
    bar->setTickPosition(QSlider::TicksBelow);
    bar->setTickInterval(10);
    bar->setMinimumWidth(220);
    auto* label = new QLabel(caption, parent);
    label->setBuddy(field);
    grid->addWidget(label, row * 2, 0);
    grid->addWidget(field, row * 2, 1);
    grid->addWidget(bar, row * 2, 2);
    auto* markRow = new QHBoxLayout;
    for (int i = 0; i < marks.size(); ++i) {
        auto* m = new QLabel(marks[i], parent);
        m->setAlignment(i == 0 ? Qt::AlignLeft : i == 1 ? Qt::AlignHCenter : Qt::AlignRight);
        markRow->addWidget(m, 1);
    }
    grid->addLayout(markRow, row * 2 + 1, 2);
    QObject::connect(bar, &QSlider::valueChanged, field, [field](int v) {
        if (int(std::lround(field->value())) != v) field->setValue(v);
    });
    QObject::connect(field, &QDoubleSpinBox::valueChanged, bar, [bar](double v) {
        const QSignalBlocker block(bar);
        bar->setValue(int(std::lround(v)));
    });
}

} // namespace

TBildErwForm::TBildErwForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Basisbild - Größe und Ausrichtung"));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral(" Basisbild "), this);
    auto* grid = new QGridLayout(group);
    AddRow(group, grid, 0, QStringLiteral("&Bildgröße:"), 50, 150,
           {QStringLiteral("50"), QStringLiteral("100"), QStringLiteral("150")}, GroesseEdit,
           GroesseBar);
    AddRow(group, grid, 1, QStringLiteral("&Horizontale Bildausrichtung:"), 0, 100,
           {QStringLiteral("links"), QStringLiteral("zentriert"), QStringLiteral("rechts")},
           PosXEdit, PosXBar);
    AddRow(group, grid, 2, QStringLiteral("&Vertikale Bildausrichtung:"), 0, 100,
           {QStringLiteral("oben"), QStringLiteral("zentriert"), QStringLiteral("unten")}, PosYEdit,
           PosYBar);
    layout->addWidget(group);
    TransformCheck = new QCheckBox(
        QStringLiteral("Position von Beschriftungen, Bildern, Infopunkten transformieren"), this);
    TransformCheck->setChecked(true);
    layout->addWidget(TransformCheck);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ratio =
        buttons->addButton(QStringLiteral("&Seitenverhältnis..."), QDialogButtonBox::ActionRole);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ratio, &QPushButton::clicked, this, &TBildErwForm::pageRatioAsked);
    layout->addWidget(buttons);
}

void TBildErwForm::Fill(const PageLayout& l) {
    GroesseEdit->setValue(l.BildGroesse);
    PosXEdit->setValue(l.BildPosX);
    PosYEdit->setValue(l.BildPosY);
}

PageLayout TBildErwForm::Layout(PageLayout base) const {
    base.BildGroesse = std::clamp(GroesseEdit->value(), 50.0, 150.0);
    base.BildPosX = std::clamp(PosXEdit->value(), 0.0, 100.0);
    base.BildPosY = std::clamp(PosYEdit->value(), 0.0, 100.0);
    return base;
}

bool TBildErwForm::TransformObjects() const {
    return TransformCheck->isChecked();
}

} // namespace bw
