#include "authoring/widgets/tvorschaubilderform.h"

#include "authoring/preview.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace bw {

TVorschaubilderForm::TVorschaubilderForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Vorschaubilder generieren"));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral(" Vorschaubild "), this);
    auto* gl = new QVBoxLayout(group);
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("&Höhe:"), group);
    HoeheEdit = new QSpinBox(group);
    HoeheEdit->setObjectName(QStringLiteral("HoeheEdit"));
    HoeheEdit->setRange(kPreviewMinHeight, kPreviewMaxHeight);
    HoeheEdit->setValue(kPreviewDefaultHeight);
    label->setBuddy(HoeheEdit);
    row->addWidget(label);
    row->addWidget(HoeheEdit);
    row->addWidget(new QLabel(QStringLiteral("Pixel"), group));
    row->addStretch(1);
    gl->addLayout(row);
    AktDokRadio = new QRadioButton(QStringLiteral("nur von aktuellem Dokument"), group);
    AlleDokRadio =
        new QRadioButton(QStringLiteral("von allen Dokumenten des aktuellen Ordners"), group);
    AktDokRadio->setChecked(true);
    gl->addWidget(AktDokRadio);
    gl->addWidget(AlleDokRadio);
    layout->addWidget(group);
    auto* note = new QLabel(QStringLiteral("Die erzeugten Bilddateien werden im Unterordner "
                                           "\"vorschaubilder\" des aktuellen Ordners abgelegt."),
                            this);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void TVorschaubilderForm::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    ok_->setFocus();
}

int TVorschaubilderForm::Height() const {
    return HoeheEdit->value();
}

bool TVorschaubilderForm::AllDocuments() const {
    return AlleDokRadio->isChecked();
}

} // namespace bw
