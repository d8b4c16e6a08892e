#include "network/widgets/tnetzuebungtnstartform.h"

#include "network/netfiles.h"
#include "platform/prompter.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace bw {

namespace {
const QColor kWaiting(255, 0, 0);
const QColor kAvailable(0, 128, 0);
} // namespace

TNetzUebungTnStartForm::TNetzUebungTnStartForm(QWidget* parent)
    : QDialog(parent), status_(new QLabel(this)), name_(new QLineEdit(this)),
      join_(new QPushButton(QStringLiteral("Teilnehmen"), this)), timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("NetzUebungTnStartForm"));
    setWindowTitle(QStringLiteral("An Netzwerk-Übung teilnehmen"));

    auto* statusBox = new QGroupBox(QStringLiteral(" Status der Netzwerk-Übung "), this);
    auto* explain = new QLabel(
        QStringLiteral("Die Netzwerk-Übung wird am Lehrer-PC über das Menü \"Lehrersteuerung\" / "
                       "\"Netzwerk-Übung initiieren...\" gestartet."),
        statusBox);
    explain->setTextFormat(Qt::PlainText);
    explain->setWordWrap(true);
    status_->setObjectName(QStringLiteral("StatusLab"));
    QFont bold = status_->font();
    bold.setBold(true);
    status_->setFont(bold);
    auto* sl = new QVBoxLayout(statusBox);
    sl->addWidget(explain);
    sl->addWidget(status_);

    auto* nameBox = new QGroupBox(QStringLiteral(" Übungsteilnehmer "), this);
    auto* nameLab = new QLabel(QStringLiteral("&Name oder Rechnernummer:"), nameBox);
    nameLab->setBuddy(name_);
    name_->setObjectName(QStringLiteral("TNameEdit"));
    name_->setMaxLength(20);
    auto* hint = new QLabel(QStringLiteral("Bitte Name eingeben und auf \"Teilnehmen\" klicken, "
                                           "sobald im Status-Feld eine Netzwerk-Übung angezeigt "
                                           "wird."),
                            nameBox);
    hint->setWordWrap(true);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(nameLab);
    nameRow->addWidget(name_, 1);
    nameRow->addWidget(new QLabel(QStringLiteral("(max. 20 Zeichen)"), nameBox));
    auto* nl = new QVBoxLayout(nameBox);
    nl->addLayout(nameRow);
    nl->addWidget(hint);

    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    join_->setDefault(true);
    connect(join_, &QPushButton::clicked, this, &TNetzUebungTnStartForm::TeilnehmenClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(join_);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(statusBox);
    layout->addWidget(nameBox);
    layout->addLayout(buttons);
    resize(460, 260);

    timer_->setObjectName(QStringLiteral("CheckTimer"));
    timer_->setInterval(500);
    connect(timer_, &QTimer::timeout, this, &TNetzUebungTnStartForm::CheckTimerTimer);
}

void TNetzUebungTnStartForm::SetStatus(const QString& text, const QColor& colour) {
    status_->setText(text);
    QPalette p = status_->palette();
    p.setColor(QPalette::WindowText, colour);
    status_->setPalette(p);
}

bool TNetzUebungTnStartForm::Execute(const QString& folder, const QString& channel, QString& name) {
    folder_ = folder;
    channel_ = channel;
    join_->setEnabled(false);
    SetStatus(QStringLiteral("Bitte warten..."), Qt::black);
    timer_->start();
    name_->setFocus();
    if (!CheckForExercise(folder_, channel_).folderListable)
        prompter().ShowWarning(FolderUnavailableText());
    if (exec() != QDialog::Accepted) return false;
    name = name_->text();
    return true;
}

void TNetzUebungTnStartForm::CheckTimerTimer() {
    const ExerciseAvailability a = CheckForExercise(folder_, channel_);
    SetStatus(AvailabilityText(a), a.available ? kAvailable : kWaiting);
    join_->setEnabled(a.available);
}

void TNetzUebungTnStartForm::TeilnehmenClick() {
    if (name_->text().trimmed().isEmpty()) {
        prompter().ShowInfo(QStringLiteral("Bitte Name oder Rechnernummer eintragen!"));
        return;
    }
    accept();
}

void TNetzUebungTnStartForm::done(int r) {
    timer_->stop();
    QDialog::done(r);
}

} // namespace bw
