#include "exercise/widgets/tuebprotokollform.h"

#include "exercise/protocolfile.h"
#include "exercise/protocoltext.h"
#include "exercise/widgets/tprotkomform.h"
#include "platform/prompter.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

namespace bw {

TUebProtokollForm::TUebProtokollForm(ProtocolText& protocol, QWidget* parent)
    : QDialog(parent), protocol_(&protocol), view_(new QTextEdit(this)),
      komForm_(new TProtKomForm(this)) {
    setObjectName(QStringLiteral("UebProtokollForm"));
    setWindowTitle(QStringLiteral("Übungsprotokoll"));
    view_->setObjectName(QStringLiteral("ProtokollRichEdit"));
    view_->setReadOnly(true);
    view_->setLineWrapMode(QTextEdit::WidgetWidth);

    auto* buttons = new QHBoxLayout;
    auto add = [&](const QString& caption, void (TUebProtokollForm::*slot)()) {
        auto* b = new QPushButton(caption, this);
        b->setAutoDefault(false);
        if (slot) connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
        return b;
    };
    add(QStringLiteral("In Zwischenablage kopieren"), &TUebProtokollForm::ZwischenablageClick);
    add(QStringLiteral("Speichern..."), &TUebProtokollForm::SpeichernClick);
    add(QStringLiteral("Drucken..."), &TUebProtokollForm::DruckenClick);
    add(QStringLiteral("Kommentar hinzufügen..."), &TUebProtokollForm::KommentarClick);
    // Handing the protocol to the mail client needs the e-mail dispatch.
    mailBtn_ = add(QStringLiteral("Per E-Mail versenden"), nullptr);
    mailBtn_->setEnabled(false);
    buttons->addStretch(1);
    auto* close = add(QStringLiteral("Schließen"), nullptr);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addLayout(buttons);
    resize(720, 560);
}

void TUebProtokollForm::Refresh() {
    const qreal tabPixels = ProtocolText::kTabStopPoints * view_->logicalDpiX() / 72.0;
    protocol_->FillDocument(*view_->document(), tabPixels);
    view_->moveCursor(QTextCursor::Start);
}

void TUebProtokollForm::ShowProtocol() {
    Refresh();
    exec();
}

void TUebProtokollForm::ZwischenablageClick() {
    auto* mime = new QMimeData;
    const QByteArray rtf = protocol_->Rtf();
    mime->setData(QStringLiteral("text/rtf"), rtf);
    mime->setData(QStringLiteral("application/rtf"), rtf);
    mime->setHtml(protocol_->Html());
    mime->setText(protocol_->PlainText());
    QApplication::clipboard()->setMimeData(mime);
}

void TUebProtokollForm::SpeichernClick() {
    QString path = prompter().GetSaveFileName(
        QStringLiteral("Übungsprotokoll in Datei speichern"), folder_, QString(),
        QStringLiteral("Rich Text Dokument (*.rtf)|*.rtf|Alle Dateien (*.*)|*.*"),
        QStringLiteral("rtf"));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".rtf");
    const ProtocolSaveResult r = SaveProtocolAs(protocol_->Rtf(), path);
    if (!r.ok) prompter().ShowError(r.message);
}

void TUebProtokollForm::PrintTo(QPrinter& printer) const {
    printer.setDocName(QStringLiteral("Übungsprotokoll"));
    QTextDocument doc;
    protocol_->FillDocument(doc, ProtocolText::kTabStopPoints * printer.logicalDpiX() / 72.0);
    doc.print(&printer);
}

void TUebProtokollForm::DruckenClick() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    PrintTo(printer);
}

void TUebProtokollForm::KommentarClick() {
    const std::optional<QString> text = komForm_->Execute();
    if (text && protocol_->AppendComment(*text)) Refresh();
}

} // namespace bw
