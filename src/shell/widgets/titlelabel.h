#pragma once

#include <QLabel>

namespace bw {

// The document title in the top bar. However long the title, the label asks for little
// room, so no title makes the window wider: what does not fit ends in "…", and the full
// title then stands in the hint above the label's own hint.
class TitleLabel : public QLabel {
public:
    explicit TitleLabel(QWidget* parent = nullptr);

    void SetTitle(const QString& text, const QString& hint);
    QString ShownText() const;
    bool IsElided() const { return ShownText() != text(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void UpdateHint();

    QString hint_;
};

} // namespace bw
