#include "exercise/widgets/tuebfertigform.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace bw {

RatingScaleView::RatingScaleView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(200, 230);
}

void RatingScaleView::SetScale(const GradingBoundaries& b, double performance) {
    boundaries_ = b;
    performance_ = performance;
    update();
}

void RatingScaleView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    DrawRatingScale(p, width(), height(), boundaries_, performance_,
                    palette().color(QPalette::Window));
}

TUebFertigForm::TUebFertigForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("UebFertigForm"));
    setWindowTitle(QStringLiteral("Übung beendet"));

    auto* figures = new QGridLayout;
    QFont bold = font();
    bold.setBold(true);
    auto addRow = [&](const QString& caption) {
        const int row = figures->rowCount();
        auto* label = new QLabel(caption, this);
        auto* value = new QLabel(this);
        value->setFont(bold);
        figures->addWidget(label, row, 0);
        figures->addWidget(value, row, 1);
        values_.append({caption, value});
        return label;
    };
    addRow(QStringLiteral("Richtig gelöst:"));
    addRow(QStringLiteral("Fehlversuche:"));
    addRow(QStringLiteral("Erfolgsquote:"));
    timeCaption_ = addRow(QStringLiteral("Benötigte Zeit:"));
    timeValue_ = values_.last().second;
    addRow(QStringLiteral("Offene Positionen:"));
    addRow(QStringLiteral("Gesamtleistung:"));
    addRow(QStringLiteral("Bewertung:"));
    addRow(QStringLiteral("Schulnote:"));
    figures->setRowStretch(figures->rowCount(), 1);

    auto* scaleGroup = new QGroupBox(QStringLiteral(" Bewertungsskala "), this);
    auto* scaleLayout = new QVBoxLayout(scaleGroup);
    scale_ = new RatingScaleView(scaleGroup);
    scaleLayout->addWidget(scale_);

    auto* top = new QHBoxLayout;
    top->addLayout(figures, 1);
    top->addWidget(scaleGroup, 1);

    repeatGroup_ = new QGroupBox(QStringLiteral(" Übung wiederholen "), this);
    auto* repeatLayout = new QVBoxLayout(repeatGroup_);
    repeatAll_ = new QRadioButton(QStringLiteral(" Komplett wiederholen "), repeatGroup_);
    repeatWrong_ = new QRadioButton(
        QStringLiteral(" Nur Abfragen wiederholen, die nicht auf Anhieb korrekt gelöst wurden"),
        repeatGroup_);
    repeatAll_->setChecked(true);
    repeatLayout->addWidget(repeatAll_);
    repeatLayout->addWidget(repeatWrong_);

    bestListLine_ = new QLabel(this);
    enterBtn_ = new QPushButton(QStringLiteral("In Bestenliste eintragen"), this);
    enterBtn_->setAutoDefault(false);
    connect(enterBtn_, &QPushButton::clicked, this, [this] {
        if (onEnterBestList) onEnterBestList();
    });
    auto* bestRow = new QHBoxLayout;
    bestRow->addWidget(bestListLine_, 1);
    bestRow->addWidget(enterBtn_);

    auto* buttons = new QHBoxLayout;
    auto* repeat = new QPushButton(QStringLiteral("Übung wiederholen"), this);
    repeat->setDefault(true);
    connect(repeat, &QPushButton::clicked, this, &QDialog::accept);
    auto* back = new QPushButton(QStringLiteral("Zur Lernansicht"), this);
    back->setAutoDefault(false);
    connect(back, &QPushButton::clicked, this, &QDialog::reject);
    auto* protocol = new QPushButton(QStringLiteral("Übungsprotokoll..."), this);
    protocol->setAutoDefault(false);
    connect(protocol, &QPushButton::clicked, this, [this] {
        if (onProtocol) onProtocol();
    });
    auto* bestList = new QPushButton(QStringLiteral("Bestenliste..."), this);
    bestList->setAutoDefault(false);
    connect(bestList, &QPushButton::clicked, this, [this] {
        if (onBestList) onBestList();
    });
    buttons->addWidget(repeat);
    buttons->addWidget(back);
    buttons->addStretch(1);
    buttons->addWidget(protocol);
    buttons->addWidget(bestList);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(repeatGroup_);
    layout->addLayout(bestRow);
    layout->addLayout(buttons);
    resize(560, 440);
}

QLabel* TUebFertigForm::value(const QString& caption) const {
    for (const auto& [c, label] : values_) {
        if (c == caption) return label;
    }
    return caption == timeCaption_->text() ? timeValue_ : nullptr;
}

void TUebFertigForm::Fill(const RunEnd& end, const UebDataTyp& ueb) {
    const FinishFigures& f = end.figures;
    const QString texts[] = {f.Richtig, f.Fehlversuche,   f.Erfolgsquote, f.Zeit,
                             f.Offen,   f.Gesamtleistung, f.Bewertung,    f.Schulnote};
    for (int i = 0; i < values_.size(); ++i)
        values_[i].second->setText(texts[i]);
    timeCaption_->setText(f.TimeCaption);
    scale_->SetScale(ueb.NoteMinQuote, ueb.Performance);
    repeatGroup_->setEnabled(end.repeatEnabled);
    if (!end.repeatEnabled) repeatAll_->setChecked(true);
    ShowBestList(end);
}

void TUebFertigForm::ShowBestList(const RunEnd& end) {
    bestListLine_->setText(end.bestListLine);
    enterBtn_->setVisible(end.bestListButton);
}

int TUebFertigForm::RepeatItem() const {
    return repeatWrong_->isChecked() ? 1 : 0;
}

} // namespace bw
