#include "exercise/widgets/tnotenskalaform.h"

#include "exercise/grading.h"
#include "platform/prompter.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace bw {

TNotenskalaForm::TNotenskalaForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("NotenskalaForm"));
    setWindowTitle(QStringLiteral("Notenskala zur Bewertung der Übungsergebnisse"));
    auto* group = new QGroupBox(QStringLiteral(" Notengrenzen bezüglich Erfolgsquote "), this);
    auto* grid = new QGridLayout(group);
    static const char16_t* const kRows[] = {u"Note 1 - sehr gut",     u"Note 2 - gut",
                                            u"Note 3 - befriedigend", u"Note 4 - ausreichend",
                                            u"Note 5 - mangelhaft",   u"Note 6 - ungenügend"};
    for (int i = 0; i < 6; ++i) {
        grid->addWidget(new QLabel(QString::fromUtf16(kRows[i]), group), i, 0);
        auto* edit = new QLineEdit(group);
        edit->setMaxLength(5);
        edit->setFixedWidth(48);
        edit->setAlignment(Qt::AlignRight);
        fields_[i] = edit;
        grid->addWidget(edit, i, 1);
        grid->addWidget(new QLabel(QStringLiteral("%"), group), i, 2);
        if (i < 5)
            grid->addWidget(
                new QLabel(QStringLiteral("(empfohlen: %1 %)")
                               .arg(BoundaryFieldText(kDefaultGradingBoundaries[i + 1])),
                           group),
                i, 3);
    }
    fields_[5]->setText(QStringLiteral("0,0"));
    fields_[5]->setEnabled(false);

    auto* note = new QLabel(
        QStringLiteral("Die Notenskala kann nicht während einer Übung geändert werden."), this);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &TNotenskalaForm::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(note);
    layout->addWidget(buttons);
}

void TNotenskalaForm::SetValues(const std::array<double, 5>& boundaries) {
    values_ = boundaries;
    for (int i = 0; i < 5; ++i)
        fields_[i]->setText(BoundaryFieldText(boundaries[i]));
}

void TNotenskalaForm::accept() {
    std::array<double, 5> percents{};
    for (int i = 0; i < 5; ++i)
        percents[i] = ParseBoundaryField(fields_[i]->text()).value_or(std::nan(""));
    if (const auto violation = CheckBoundaryPercents(percents)) {
        prompter().ShowError(violation->message);
        fields_[violation->mark - 1]->setFocus();
        fields_[violation->mark - 1]->selectAll();
        return;
    }
    for (int i = 0; i < 5; ++i)
        values_[i] = percents[i] / 100.0;
    QDialog::accept();
}

bool TNotenskalaForm::Execute(std::array<double, 5>& boundaries) {
    SetValues(boundaries);
    fields_[0]->setFocus();
    if (exec() != QDialog::Accepted) return false;
    boundaries = values_;
    return true;
}

} // namespace bw
