#pragma once

#include <QDialog>

class QLineEdit;

namespace bw {

// "Teilnehmername eingeben": the learner's name for protocol and best list.
class TNameEingabeForm : public QDialog {
    Q_OBJECT
public:
    explicit TNameEingabeForm(QWidget* parent = nullptr);

    // Shows the dialog; the field keeps the name typed last time. Returns the name.
    QString Execute();
    QString Name() const;
    QLineEdit* nameEdit() const { return edit_; }

private:
    QLineEdit* edit_;
};

} // namespace bw
