#include "authoring/widgets/tprojektinfoform.h"

#include "authoring/objecttypes.h"
#include "authoring/properties.h"
#include "exercise/grading.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace bw {

TProjektInfoForm::TProjektInfoForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Dokumenteigenschaften"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    datei_ = new QLabel(this);
    ordner_ = new QLabel(this);
    groesse_ = new QLabel(this);
    geaendert_ = new QLabel(this);
    form->addRow(QStringLiteral("Datei:"), datei_);
    form->addRow(QStringLiteral("Ordner:"), ordner_);
    form->addRow(QStringLiteral("Größe:"), groesse_);
    form->addRow(QStringLiteral("Geändert am:"), geaendert_);
    dokTyp_ = new QComboBox(this);
    for (int t = 0; t < 4; ++t)
        dokTyp_->addItem(DokTypName(t));
    dokTyp_->setEnabled(false);
    form->addRow(QStringLiteral("&Dokumententyp:"), dokTyp_);
    titel_ = new QLineEdit(this);
    autor_ = new QLineEdit(this);
    bemerkung_ = new QPlainTextEdit(this);
    bemerkung_->installEventFilter(this);
    form->addRow(QStringLiteral("&Titel:"), titel_);
    form->addRow(QStringLiteral("&Autor:"), autor_);
    form->addRow(QStringLiteral("&Bemerkung:"), bemerkung_);
    numArt_ = new QComboBox(this);
    numArt_->addItems(
        {QStringLiteral("Zahlen: 1, 2, 3, ..."), QStringLiteral("Buchstaben: A, B, C, ...")});
    geordnet_ = new QComboBox(this);
    geordnet_->addItems({QStringLiteral("von oben nach unten"), QStringLiteral("alphabetisch")});
    form->addRow(QStringLiteral("&Nummerierung:"), numArt_);
    form->addRow(QStringLiteral("&Geordnet:"), geordnet_);
    layout->addLayout(form);

    auto* buttons = new QDialogButtonBox(this);
    auto* suffix = buttons->addButton(QStringLiteral("Dok.typ an Titel anfügen"),
                                      QDialogButtonBox::ActionRole);
    auto* ratio =
        buttons->addButton(QStringLiteral("&Seitenverhältnis..."), QDialogButtonBox::ActionRole);
    auto* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(suffix, &QPushButton::clicked, this, [this] {
        titel_->setText(AppendDokTypToTitle(titel_->text(), dokTyp_->currentIndex()));
    });
    connect(ratio, &QPushButton::clicked, this, &TProjektInfoForm::pageRatioAsked);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    layout->addWidget(
        new QLabel(QStringLiteral("Hinweis: Die Felder können nur mit dem Brettwerk-Autorensystem "
                                  "verändert werden."),
                   this));
    editors_ = {titel_, autor_, bemerkung_, numArt_, geordnet_, suffix, ratio};
}

void TProjektInfoForm::Fill(const HeaderDataTyp& h, bool editable) {
    const QFileInfo fi(h.Datei);
    datei_->setText(h.Datei.isEmpty() ? QString() : fi.fileName());
    ordner_->setText(h.Datei.isEmpty() ? QString() : fi.absolutePath());
    groesse_->setText(FileSizeText(h.Datei));
    geaendert_->setText(FileDateText(h.Datei));
    dokTyp_->setCurrentIndex(h.DokTyp >= 0 && h.DokTyp < 4 ? h.DokTyp : -1);
    titel_->setText(h.titel);
    autor_->setText(h.autor);
    bemerkung_->setPlainText(
        QString(h.bemerkung).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    numArt_->setCurrentIndex(h.NumArt == 1 ? 1 : 0);
    geordnet_->setCurrentIndex(h.GeordnetArt == 1 ? 1 : 0);
    for (QWidget* w : editors_)
        w->setEnabled(editable);
}

QString TProjektInfoForm::Titel() const {
    return titel_->text();
}
QString TProjektInfoForm::Autor() const {
    return autor_->text();
}
QString TProjektInfoForm::Bemerkung() const {
    // The remark keeps the CR LF line breaks of the file.
    QString text = bemerkung_->toPlainText();
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}
int TProjektInfoForm::NumArt() const {
    return numArt_->currentIndex();
}
int TProjektInfoForm::GeordnetArt() const {
    return geordnet_->currentIndex();
}

bool TProjektInfoForm::eventFilter(QObject* watched, QEvent* event) {
    // Esc in the remark closes the dialog, as in the one-line fields.
    if (watched == bemerkung_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace bw
