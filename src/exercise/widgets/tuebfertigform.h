#pragma once

#include "exercise/grading.h"
#include "exercise/protocolend.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QRadioButton;
class QGroupBox;

namespace bw {

// The rating scale of the finish window.
class RatingScaleView : public QWidget {
    Q_OBJECT
public:
    explicit RatingScaleView(QWidget* parent = nullptr);
    void SetScale(const GradingBoundaries& b, double performance);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    GradingBoundaries boundaries_ = kDefaultGradingBoundaries;
    double performance_ = 0.0;
};

// The window at the end of an exercise: figures, rating scale, repeat choice, best list.
class TUebFertigForm : public QDialog {
    Q_OBJECT
public:
    explicit TUebFertigForm(QWidget* parent = nullptr);

    void Fill(const RunEnd& end, const UebDataTyp& ueb);
    // The best-list line and whether "In Bestenliste eintragen" is offered.
    void ShowBestList(const RunEnd& end);
    // 0 repeats everything, 1 only what was not right at the first attempt.
    int RepeatItem() const;

    // "Übungsprotokoll...", "Bestenliste..." and "In Bestenliste eintragen".
    std::function<void()> onProtocol;
    std::function<void()> onBestList;
    std::function<void()> onEnterBestList;

    QLabel* value(const QString& caption) const;
    QLabel* timeCaption() const { return timeCaption_; }
    QGroupBox* repeatGroup() const { return repeatGroup_; }
    QRadioButton* repeatOnlyWrong() const { return repeatWrong_; }
    QPushButton* enterButton() const { return enterBtn_; }
    QLabel* bestListLine() const { return bestListLine_; }
    RatingScaleView* scale() const { return scale_; }

private:
    QList<QPair<QString, QLabel*>> values_;
    QLabel* timeCaption_ = nullptr;
    QLabel* timeValue_ = nullptr;
    RatingScaleView* scale_ = nullptr;
    QGroupBox* repeatGroup_ = nullptr;
    QRadioButton* repeatAll_ = nullptr;
    QRadioButton* repeatWrong_ = nullptr;
    QLabel* bestListLine_ = nullptr;
    QPushButton* enterBtn_ = nullptr;
};

} // namespace bw
