#include "exercise/widgets/tnameeingabeform.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace bw {

TNameEingabeForm::TNameEingabeForm(QWidget* parent) : QDialog(parent), edit_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("NameEingabeForm"));
    setWindowTitle(QStringLiteral("Teilnehmername eingeben"));
    auto* group = new QGroupBox(QStringLiteral(" Übungsteilnehmer "), this);
    auto* row = new QHBoxLayout(group);
    auto* label = new QLabel(QStringLiteral("&Name:"), group);
    edit_->setParent(group);
    edit_->setMaxLength(30);
    edit_->setMinimumWidth(220);
    const QString hint = QStringLiteral("Bitte Name für Protokoll und Bestenliste eingeben.");
    edit_->setToolTip(hint);
    group->setToolTip(hint);
    label->setBuddy(edit_);
    row->addWidget(label);
    row->addWidget(edit_, 1);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
}

QString TNameEingabeForm::Name() const {
    return edit_->text();
}

QString TNameEingabeForm::Execute() {
    edit_->setFocus();
    edit_->selectAll();
    exec();
    return Name();
}

} // namespace bw
