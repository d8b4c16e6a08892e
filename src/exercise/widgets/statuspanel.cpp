#include "exercise/widgets/statuspanel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace bw {

TKennzInfoBox::TKennzInfoBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TKennzInfoBox"));
    setWindowTitle(QStringLiteral("Information zu den Kennzahlen"));
    auto* lay = new QVBoxLayout(this);
    auto* memo = new QPlainTextEdit(this);
    memo->setReadOnly(true);
    memo->setPlainText(KennzInfoLines().join(u'\n'));
    memo->setMinimumSize(560, 330);
    lay->addWidget(memo);
    auto* close = new QPushButton(QStringLiteral("Schließen"), this);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    lay->addWidget(close, 0, Qt::AlignRight);
}

namespace {
QLabel* Caption(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    return l;
}
QLabel* Value(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}
} // namespace

ExerciseStatusPanel::ExerciseStatusPanel(QWidget* pan) : QObject(pan) {
    auto* grid = new QGridLayout(pan);
    grid->setContentsMargins(6, 2, 6, 2);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(0);
    RichtigLab = Value(pan, "RichtigLab");
    VonLab = Value(pan, "VonLab");
    FalschLab = Value(pan, "FalschLab");
    QuoteLab = Value(pan, "QuoteLab");
    LeistungLab = Value(pan, "LeistungLab");
    NameLab = Value(pan, "NameLab");
    ZeitCaptionLab = Caption(QStringLiteral("Benötigte Zeit:"), pan);
    ZeitLab = Value(pan, "ZeitLab");
    grid->addWidget(Caption(QStringLiteral("Richtig gelöst:"), pan), 0, 0);
    grid->addWidget(RichtigLab, 0, 1);
    grid->addWidget(VonLab, 0, 2);
    grid->addWidget(Caption(QStringLiteral("Fehlversuche:"), pan), 1, 0);
    grid->addWidget(FalschLab, 1, 1);
    grid->addWidget(Caption(QStringLiteral("Akt. Erfolgsquote:"), pan), 0, 3);
    grid->addWidget(QuoteLab, 0, 4);
    grid->addWidget(Caption(QStringLiteral("Gesamtleistung:"), pan), 1, 3);
    grid->addWidget(LeistungLab, 1, 4);
    grid->addWidget(Caption(QStringLiteral("Name:"), pan), 0, 5);
    grid->addWidget(NameLab, 0, 6);
    grid->addWidget(ZeitCaptionLab, 1, 5);
    grid->addWidget(ZeitLab, 1, 6);
    KennzInfoPan = new QToolButton(pan);
    KennzInfoPan->setObjectName(QStringLiteral("KennzInfoPan"));
    KennzInfoPan->setText(QStringLiteral("?"));
    KennzInfoPan->setToolTip(QStringLiteral("Information zu den Kennzahlen"));
    grid->addWidget(KennzInfoPan, 0, 7, 2, 1);
    grid->setColumnStretch(8, 1);
    connect(KennzInfoPan, &QToolButton::clicked, this, [this] { KennzInfoPanMouseDown(); });
}

void ExerciseStatusPanel::KennzInfoPanMouseDown() {
    // Made at the first question for it.
    if (!infoBox) infoBox = new TKennzInfoBox(KennzInfoPan->window());
    infoBox->exec();
}

void ExerciseStatusPanel::Show(const StatusTexts& s) {
    RichtigLab->setText(s.right);
    VonLab->setText(s.total);
    FalschLab->setText(s.wrong);
    QuoteLab->setText(s.quota);
    LeistungLab->setText(s.performance);
    NameLab->setText(s.name);
    ZeitCaptionLab->setText(s.clockCaption);
    ZeitCaptionLab->setVisible(s.clockVisible);
    ZeitLab->setVisible(s.clockVisible);
}

void ExerciseStatusPanel::ShowClock(const QString& text) {
    ZeitLab->setText(text);
}

} // namespace bw
