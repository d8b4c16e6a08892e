#pragma once

#include <QDialog>
#include <optional>

class QPlainTextEdit;

namespace bw {

// "Kommentar zum Übungsprotokoll hinzufügen".
class TProtKomForm : public QDialog {
    Q_OBJECT
public:
    explicit TProtKomForm(QWidget* parent = nullptr);

    // Shows an emptied memo; the text on "OK", nothing on "Abbrechen".
    std::optional<QString> Execute();
    QPlainTextEdit* memo() const { return memo_; }

private:
    QPlainTextEdit* memo_;
};

} // namespace bw
