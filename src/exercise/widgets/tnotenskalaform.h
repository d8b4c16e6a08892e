#pragma once

#include <QDialog>
#include <array>

class QLineEdit;

namespace bw {

// "Notenskala zur Bewertung der Übungsergebnisse": the grading boundaries of marks 1 to 5.
class TNotenskalaForm : public QDialog {
    Q_OBJECT
public:
    explicit TNotenskalaForm(QWidget* parent = nullptr);

    // Shows the boundaries (fractions); "OK" with valid values stores them and returns true.
    bool Execute(std::array<double, 5>& boundaries);
    void SetValues(const std::array<double, 5>& boundaries);
    // The values after a successful "OK".
    const std::array<double, 5>& Values() const { return values_; }

    QLineEdit* field(int mark) const { return fields_[mark - 1]; }

    // Checks the fields as "OK" does; shows the error and keeps the dialog open on a violation.
    void accept() override;

private:
    std::array<QLineEdit*, 6> fields_{};
    std::array<double, 5> values_{};
};

} // namespace bw
