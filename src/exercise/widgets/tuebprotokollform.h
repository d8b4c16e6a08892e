#pragma once

#include <QDialog>

class QPrinter;
class QPushButton;
class QTextEdit;

namespace bw {

class ProtocolText;
class TProtKomForm;

// "Übungsprotokoll": the protocol of the last finished exercise.
class TUebProtokollForm : public QDialog {
    Q_OBJECT
public:
    TUebProtokollForm(ProtocolText& protocol, QWidget* parent = nullptr);

    // The protocol shown (it stays the caller's).
    void SetProtocol(ProtocolText& protocol) { protocol_ = &protocol; }
    // The start folder of the save dialog.
    void SetProtocolFolder(const QString& folder) { folder_ = folder; }
    // Shows the protocol as it stands.
    void ShowProtocol();
    // Rebuilds the view from the protocol.
    void Refresh();

    void ZwischenablageClick();
    void SpeichernClick();
    void DruckenClick();
    void KommentarClick();
    // Prints the protocol as one job titled "Übungsprotokoll".
    void PrintTo(QPrinter& printer) const;

    QTextEdit* view() const { return view_; }
    TProtKomForm* commentForm() const { return komForm_; }
    QPushButton* mailButton() const { return mailBtn_; }

private:
    ProtocolText* protocol_;
    QString folder_;
    QTextEdit* view_;
    TProtKomForm* komForm_;
    QPushButton* mailBtn_ = nullptr;
};

} // namespace bw
