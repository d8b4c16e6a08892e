#pragma once

#include <QDialog>
#include <QImage>
#include <QStringList>

class QScrollArea;
class QLabel;
class QPushButton;

namespace bw {

// The information window of an info point: the info text in markup, scrollable, with
// printing, saving as rich text and copying of a plain copy of it.
class TInfoboxForm : public QDialog {
    Q_OBJECT
public:
    explicit TInfoboxForm(QWidget* parent = nullptr);

    // Renders cap and shows the window (not modal), 6 pixels inside the top-right corner of
    // mainWindowFrame.
    void ShowText(const QString& cap, const QRect& mainWindowFrame);

    // The rendered text bitmap and the plain copy (for tests and printing).
    const QImage& textImage() const { return textImage_; }
    const QStringList& copyLines() const { return copyLines_; }
    QScrollArea* scrollBox() const { return scroll_; }

    // The folder the save dialog starts in (the protocol folder).
    void setSaveFolder(const QString& folder) { saveFolder_ = folder; }

    static constexpr int kMaxHeight = 566;

public slots:
    void DruckenClick();
    void SpeichernClick();
    void ZwischenablageClick();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void renderText(const QString& cap);

    QScrollArea* scroll_ = nullptr;
    QLabel* textLabel_ = nullptr;
    QWidget* buttonPanel_ = nullptr;
    QImage textImage_;
    QStringList copyLines_;
    QString saveFolder_;
    bool dragging_ = false;
    QPoint dragLast_;
};

} // namespace bw
