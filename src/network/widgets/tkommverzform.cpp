#include "network/widgets/tkommverzform.h"

#include "network/mailslot.h"
#include "network/netfiles.h"
#include "platform/prompter.h"
#include "platform/system.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace bw {

TKommVerzForm::TKommVerzForm(QWidget* parent)
    : QDialog(parent), folder_(new QLineEdit(this)), channel_(new QLineEdit(this)),
      port_(new QLabel(this)) {
    setObjectName(QStringLiteral("KommVerzForm"));
    setWindowTitle(QStringLiteral("Kommunikation für Netzwerk-Übungen"));

    auto* folderBox = new QGroupBox(QStringLiteral(" Kommunikationsordner "), this);
    folder_->setObjectName(QStringLiteral("VerzEdit1"));
    auto* browse = new QPushButton(QStringLiteral("&Durchsuchen..."), folderBox);
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, &TKommVerzForm::DurchsuchenClick);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folder_, 1);
    folderRow->addWidget(browse);
    auto* folderText = new QLabel(
        QStringLiteral("Alle beteiligten Rechner benötigen Lesezugriff und mindestens der "
                       "Lehrer-PC Schreibzugriff auf denselben Ordner (z. B. im Netzwerk)."),
        folderBox);
    folderText->setWordWrap(true);
    auto* fl = new QVBoxLayout(folderBox);
    fl->addLayout(folderRow);
    fl->addWidget(folderText);

    auto* channelBox = new QGroupBox(QStringLiteral(" Kommunikationskanal "), this);
    channel_->setObjectName(QStringLiteral("KanalEdit1"));
    channel_->setMaxLength(8);
    connect(channel_, &QLineEdit::textChanged, this, [this] { ShowPort(); });
    auto* channelRow = new QHBoxLayout;
    channelRow->addWidget(channel_);
    channelRow->addWidget(new QLabel(QStringLiteral("(max. 8 Zeichen)"), channelBox));
    channelRow->addStretch(1);
    auto* channelText = new QLabel(
        QStringLiteral("Alle beteiligten Rechner müssen denselben Kanal verwenden. Ein Teil der "
                       "Kommunikation erfolgt über Mailslots; eine Firewall muss daher "
                       "UDP-Datagramme an den unten genannten Port durchlassen."),
        channelBox);
    channelText->setWordWrap(true);
    port_->setObjectName(QStringLiteral("PortLab"));
    auto* cl = new QVBoxLayout(channelBox);
    cl->addLayout(channelRow);
    cl->addWidget(channelText);
    cl->addWidget(port_);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TKommVerzForm::OKClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(folderBox);
    layout->addWidget(channelBox);
    layout->addLayout(buttons);
    resize(480, 300);
}

void TKommVerzForm::ShowPort() {
    const QString c = channel_->text();
    port_->setText(ValidChannel(c) ? QStringLiteral("UDP-Port dieses Kanals: %1").arg(SlotPort(c))
                                   : QString());
}

bool TKommVerzForm::Execute(QString& folder, QString& channel) {
    folder_->setText(folder);
    channel_->setText(channel);
    ShowPort();
    if (exec() != QDialog::Accepted) return false;
    folder = folder_->text();
    channel = channel_->text();
    return true;
}

void TKommVerzForm::DurchsuchenClick() {
    const QString chosen =
        prompter().GetFolder(QStringLiteral("Kommunikationsordner festlegen"), folder_->text());
    if (!chosen.isEmpty()) folder_->setText(FolderWithSlash(chosen));
}

void TKommVerzForm::OKClick() {
    QString folder = folder_->text();
    if (!folder.isEmpty() && !folder.endsWith(u'/') && !folder.endsWith(u'\\')) folder += u'/';
    folder_->setText(folder);
    const QFileInfo dir(folder);
    if (!dir.isDir() || !dir.isReadable()) {
        prompter().ShowError(QStringLiteral("Der angegebene Ordner ist ungültig."));
        return;
    }
    // The channel names files and the slot: characters that would leave the folder are out.
    if (!ValidChannel(channel_->text())) {
        prompter().ShowError(QStringLiteral("Der angegebene Kanal ist ungültig."));
        return;
    }
    accept();
}

} // namespace bw
