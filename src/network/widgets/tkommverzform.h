#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace bw {

// "Kommunikation für Netzwerk-Übungen": the communication folder and channel.
class TKommVerzForm : public QDialog {
    Q_OBJECT
public:
    explicit TKommVerzForm(QWidget* parent = nullptr);

    // Shows folder and channel; true with the new values on "OK".
    bool Execute(QString& folder, QString& channel);

    void DurchsuchenClick();
    void OKClick();

    QLineEdit* VerzEdit1() const { return folder_; }
    QLineEdit* KanalEdit1() const { return channel_; }
    QLabel* PortLab() const { return port_; }

private:
    void ShowPort();

    QLineEdit* folder_;
    QLineEdit* channel_;
    QLabel* port_;
};

} // namespace bw
