#include "exercise/widgets/tprotkomform.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace bw {

TProtKomForm::TProtKomForm(QWidget* parent) : QDialog(parent), memo_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("ProtKomForm"));
    setWindowTitle(QStringLiteral("Kommentar zum Übungsprotokoll hinzufügen"));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(memo_, 1);
    layout->addWidget(buttons);
    resize(420, 240);
}

std::optional<QString> TProtKomForm::Execute() {
    memo_->clear();
    memo_->setFocus();
    if (exec() != QDialog::Accepted) return std::nullopt;
    // The memo's lines as the protocol writes them.
    return memo_->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

} // namespace bw
