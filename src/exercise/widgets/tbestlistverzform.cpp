#include "exercise/widgets/tbestlistverzform.h"

#include "platform/prompter.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace bw {

TBestListVerzForm::TBestListVerzForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("BestListVerzForm"));
    setWindowTitle(QStringLiteral("Dateiordner"));
    auto* layout = new QVBoxLayout(this);
    for (int k = 0; k < DataFolders::Count; ++k) {
        const auto i = DataFolders::Index(k);
        auto* group = new QGroupBox(DataFolderGroupCaption(i), this);
        auto* grid = new QGridLayout(group);
        auto* edit = new QLineEdit(group);
        edit->setMinimumWidth(360);
        fields_[i] = edit;
        auto* browse = new QPushButton(QStringLiteral("Durchsuchen..."), group);
        browse->setAutoDefault(false);
        connect(browse, &QPushButton::clicked, this, [this, i] { DurchsuchenClick(i); });
        auto* explanation = new QLabel(DataFolderExplanation(i), group);
        grid->addWidget(edit, 0, 0);
        grid->addWidget(browse, 0, 1);
        grid->addWidget(explanation, 1, 0, 1, 2);
        layout->addWidget(group);
    }
    layout->addWidget(new QLabel(DataFolderFootnote(), this));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &TBestListVerzForm::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void TBestListVerzForm::SetFolders(const DataFolders& folders) {
    folders_ = folders;
    for (int k = 0; k < DataFolders::Count; ++k)
        fields_[k]->setText(folders.folder[k]);
}

void TBestListVerzForm::DurchsuchenClick(DataFolders::Index i) {
    const QString chosen = prompter().GetFolder(DataFolderBrowseTitle(i), fields_[i]->text());
    if (!chosen.isEmpty()) fields_[i]->setText(chosen);
}

void TBestListVerzForm::accept() {
    DataFolders f;
    for (int k = 0; k < DataFolders::Count; ++k)
        f.folder[k] = fields_[k]->text();
    const std::optional<DataFolderProblem> problem = CheckDataFolders(f);
    for (int k = 0; k < DataFolders::Count; ++k)
        fields_[k]->setText(f.folder[k]);
    if (problem) {
        prompter().ShowError(problem->message);
        fields_[problem->index]->setFocus();
        return;
    }
    folders_ = f;
    QDialog::accept();
}

bool TBestListVerzForm::Execute(DataFolders& folders) {
    SetFolders(folders);
    if (exec() != QDialog::Accepted) return false;
    folders = folders_;
    return true;
}

} // namespace bw
