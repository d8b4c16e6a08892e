#include "authoring/widgets/tseitenverhaeltnisform.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace bw {

TSeitenverhaeltnisForm::TSeitenverhaeltnisForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Seitenverhältnis des Dokuments"));
    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    QWidget* docTab = makeTab(doc_);
    transform_ = new QCheckBox(
        QStringLiteral(" &Position von Beschriftungen, Bildern, Infopunkten transformieren "),
        docTab);
    transform_->setChecked(true);
    docTab->layout()->addWidget(transform_);
    tabs_->addTab(docTab, QStringLiteral(" &Aktuelles Dokument "));
    QWidget* defTab = makeTab(defaults_);
    vollflaeche_ = new QCheckBox(
        QStringLiteral(" Bei &Zeichenblattfunktion \"Neues Blatt\" immer an Fenstergröße anpassen"),
        defTab);
    defTab->layout()->addWidget(vollflaeche_);
    tabs_->addTab(defTab, QStringLiteral(" &Voreinstellung für neue Dokumente "));
    layout->addWidget(tabs_);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QWidget* TSeitenverhaeltnisForm::makeTab(Tab& t) {
    auto* w = new QWidget;
    auto* v = new QVBoxLayout(w);
    t.keep = new QRadioButton(QStringLiteral(" Seitenverhältnis des &Basisbildes beibehalten"), w);
    t.fix = new QRadioButton(
        QStringLiteral(" &Seitenverhältnis festlegen und Basisbild verzerrungsfrei einpassen "), w);
    v->addWidget(t.keep);
    v->addWidget(t.fix);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Freie Eingabe:"), static_cast<QWidget*>(nullptr));
    t.breite = new QSpinBox(w);
    t.hoehe = new QSpinBox(w);
    for (QSpinBox* s : {t.breite, t.hoehe}) {
        s->setRange(1, 99999);
        connect(s, &QSpinBox::valueChanged, t.fix, [fix = t.fix] { fix->setChecked(true); });
    }
    form->addRow(QStringLiteral("&Breite:"), t.breite);
    form->addRow(QStringLiteral("&Höhe:"), t.hoehe);
    v->addLayout(form);
    auto* row = new QHBoxLayout;
    auto preset = [&](const QString& caption, int b, int h) {
        auto* btn = new QPushButton(caption, w);
        connect(btn, &QPushButton::clicked, w, [t, b, h] {
            t.breite->setValue(b);
            t.hoehe->setValue(h);
            t.fix->setChecked(true);
        });
        row->addWidget(btn);
    };
    preset(QStringLiteral("optimiert für Bildschirm (10:7)"), 10, 7);
    preset(QStringLiteral("optimiert für Arbeitsblatt (10:12)"), 10, 12);
    v->addLayout(row);
    return w;
}

void TSeitenverhaeltnisForm::set(Tab& t, const RatioChoice& c) {
    const bool valid = c.breite > 0 && c.hoehe > 0;
    t.breite->setValue(valid ? c.breite : 10);
    t.hoehe->setValue(valid ? c.hoehe : 7);
    // Filling the fields ticks "festlegen"; the stored mode decides afterwards.
    (valid && c.seitFest == 0 ? t.keep : t.fix)->setChecked(true);
}

RatioChoice TSeitenverhaeltnisForm::get(const Tab& t) {
    return {t.fix->isChecked() ? 1 : 0, t.breite->value(), t.hoehe->value()};
}

void TSeitenverhaeltnisForm::Fill(const RatioChoice& document, const RatioChoice& defaults,
                                  bool neuesBlattVoll) {
    set(doc_, document);
    set(defaults_, defaults);
    vollflaeche_->setChecked(neuesBlattVoll);
    tabs_->setCurrentIndex(0);
}

RatioChoice TSeitenverhaeltnisForm::DocumentChoice() const {
    return get(doc_);
}
RatioChoice TSeitenverhaeltnisForm::DefaultsChoice() const {
    return get(defaults_);
}
bool TSeitenverhaeltnisForm::NeuesBlattVollflaeche() const {
    return vollflaeche_->isChecked();
}
bool TSeitenverhaeltnisForm::TransformObjects() const {
    return transform_->isChecked();
}

} // namespace bw
