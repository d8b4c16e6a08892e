#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace bw {

// "An Netzwerk-Übung teilnehmen": waits for an initiated exercise in the communication
// folder, checking twice a second, and asks for the participant's name.
class TNetzUebungTnStartForm : public QDialog {
    Q_OBJECT
public:
    explicit TNetzUebungTnStartForm(QWidget* parent = nullptr);

    // Shows the dialog modally for that folder and channel; the name on "Teilnehmen".
    bool Execute(const QString& folder, const QString& channel, QString& name);

    // One check of the folder (the timer's tick).
    void CheckTimerTimer();
    void TeilnehmenClick();

    QLabel* StatusLab() const { return status_; }
    QLineEdit* TNameEdit() const { return name_; }
    QPushButton* TeilnehmenBtn() const { return join_; }
    QTimer* CheckTimer() const { return timer_; }

protected:
    void done(int r) override;

private:
    void SetStatus(const QString& text, const QColor& colour);

    QString folder_;
    QString channel_;
    QLabel* status_;
    QLineEdit* name_;
    QPushButton* join_;
    QTimer* timer_;
};

} // namespace bw
