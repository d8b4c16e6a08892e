#include "shell/widgets/editorschriftart.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace bw {

namespace {

void SelectOrAdd(QComboBox* combo, const QString& text) {
    int i = combo->findText(text, Qt::MatchFixedString);
    if (i < 0) {
        combo->addItem(text);
        i = combo->count() - 1;
    }
    combo->setCurrentIndex(i);
}

} // namespace

TEditorSchriftartForm::TEditorSchriftartForm(QWidget* parent)
    : QDialog(parent), fontCombo_(new QComboBox(this)), sizeCombo_(new QComboBox(this)),
      fettCheck_(new QCheckBox(QStringLiteral("&fett"), this)) {
    setObjectName(QStringLiteral("EditorSchriftartForm"));
    setWindowTitle(QStringLiteral("Editor-Schriftart"));
    auto* info = new QLabel(QStringLiteral("Die Schriftart wird für die Editorfelder von "
                                           "Lückentext, Einzelfragen und Multiple-Choice-Fragen "
                                           "übernommen."),
                            this);
    info->setWordWrap(true);
    fontCombo_->addItems({QStringLiteral("Courier New"), QStringLiteral("Arial"),
                          QStringLiteral("MS Sans Serif"), QStringLiteral("Verdana")});
    for (int size = 8; size <= 12; ++size)
        sizeCombo_->addItem(QString::number(size));

    auto* fields = new QHBoxLayout;
    fields->addWidget(fontCombo_, 1);
    fields->addWidget(sizeCombo_);
    fields->addWidget(fettCheck_);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(info);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    SetValues({});
}

void TEditorSchriftartForm::SetValues(const EditorSchriftartDataTyp& f) {
    SelectOrAdd(fontCombo_, f.FontName);
    SelectOrAdd(sizeCombo_, QString::number(f.FontSize));
    fettCheck_->setChecked(f.FontFett);
}

EditorSchriftartDataTyp TEditorSchriftartForm::Values() const {
    EditorSchriftartDataTyp f;
    f.FontName = fontCombo_->currentText();
    f.FontSize = sizeCombo_->currentText().toInt();
    f.FontFett = fettCheck_->isChecked();
    return f;
}

bool TEditorSchriftartForm::Execute(Settings& s) {
    SetValues(s.EditorSchriftart());
    if (exec() != QDialog::Accepted) return false;
    s.SetEditorSchriftart(Values());
    return true;
}

} // namespace bw
