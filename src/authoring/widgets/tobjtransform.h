#pragma once

#include <QDialog>

class QLineEdit;

namespace bw {

// "Beschriftungen/Infopunkte transformieren": x' := factor x x + offset for all placed
// objects. The fields keep their last values.
class TObjtransForm : public QDialog {
    Q_OBJECT
public:
    explicit TObjtransForm(QWidget* parent = nullptr);

    struct Values {
        double fakX = 1, offsetX = 0, fakY = 1, offsetY = 0;
    };
    // The four fields read with a decimal comma or point; false when one is no number.
    bool Read(Values& v) const;

    QLineEdit *FakXEdit, *OffsetXEdit, *FakYEdit, *OffsetYEdit;

protected:
    void done(int result) override;
};

} // namespace bw
