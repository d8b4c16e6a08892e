#include "authoring/widgets/tobjtransform.h"

#include "platform/prompter.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <cmath>

namespace bw {

namespace {

QLineEdit* Field(QWidget* parent, const char* name, const QString& text) {
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(QLatin1String(name));
    e->setFixedWidth(70);
    return e;
}

bool Number(const QLineEdit* e, double& out) {
    QString t = e->text().trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    out = t.toDouble(&ok);
    return ok && std::isfinite(out);
}

} // namespace

TObjtransForm::TObjtransForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Beschriftungen/Infopunkte transformieren"));
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(QStringLiteral("Hiermit können alle Beschriftungen und Infopunkte als "
                                           "ganzes bzgl. des Basisbildes skaliert und verschoben "
                                           "werden."),
                            this);
    note->setWordWrap(true);
    layout->addWidget(note);

    auto* grid = new QGridLayout;
    FakXEdit = Field(this, "FakXEdit", QStringLiteral("1,000"));
    OffsetXEdit = Field(this, "OffsetXEdit", QStringLiteral("0"));
    FakYEdit = Field(this, "FakYEdit", QStringLiteral("1,000"));
    OffsetYEdit = Field(this, "OffsetYEdit", QStringLiteral("0"));
    grid->addWidget(new QLabel(QStringLiteral("x' :="), this), 0, 0);
    grid->addWidget(FakXEdit, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("* x  +"), this), 0, 2);
    grid->addWidget(OffsetXEdit, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("y' :="), this), 1, 0);
    grid->addWidget(FakYEdit, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("* y  +"), this), 1, 2);
    grid->addWidget(OffsetYEdit, 1, 3);
    layout->addLayout(grid);

    // A sketch of the base image with its corner coordinates in editor units.
    auto* sketch = new QFrame(this);
    sketch->setFrameShape(QFrame::Box);
    sketch->setMinimumSize(200, 110);
    auto* sl = new QGridLayout(sketch);
    sl->addWidget(new QLabel(QStringLiteral("(0 | 0)"), sketch), 0, 0,
                  Qt::AlignLeft | Qt::AlignTop);
    sl->addWidget(new QLabel(QStringLiteral("(10000 | 10000)"), sketch), 1, 1,
                  Qt::AlignRight | Qt::AlignBottom);
    layout->addWidget(sketch);

    auto* hint = new QLabel(QStringLiteral("Hinweis: Inhalte eines anderen Dokumententyps "
                                           "(Lückentexte, Einzelfragen, Multiple-Choice-Fragen) "
                                           "werden nach Aufruf des entsprechenden Menüpunkts "
                                           "automatisch ausgerichtet. "),
                            this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

bool TObjtransForm::Read(Values& v) const {
    return Number(FakXEdit, v.fakX) && Number(OffsetXEdit, v.offsetX) && Number(FakYEdit, v.fakY) &&
           Number(OffsetYEdit, v.offsetY);
}

void TObjtransForm::done(int result) {
    Values v;
    if (result == QDialog::Accepted && !Read(v)) {
        // Nothing is transformed with a field that holds no number.
        prompter().ShowError(QStringLiteral("Bitte in allen vier Feldern eine Zahl eingeben."));
        return;
    }
    QDialog::done(result);
}

} // namespace bw
