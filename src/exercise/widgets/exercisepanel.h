#pragma once

#include <QLabel>
#include <QWidget>
#include <vector>

namespace bw {

class Exercise;
class ExercisePanel;

// One card control ("UebElemPan" + entry index); the mouse goes to the exercise.
class TKarte : public QWidget {
    Q_OBJECT
public:
    TKarte(ExercisePanel& panel, int entry);
    int entry() const { return entry_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    ExercisePanel& panel_;
    int entry_;
};

// The exercise panel's content: picture, strip and instruction as background, the cards,
// the feedback caption RiFaPan and the red target frame.
class ExercisePanel : public QWidget {
    Q_OBJECT
public:
    ExercisePanel(Exercise& exercise, QWidget* parent);
    Exercise& exercise() { return ex_; }

    // Brings the card controls in line with the model (creates them for a new run).
    void SyncCards();
    void SyncCaption();
    void SyncTargetFrame();
    TKarte* card(int entry) const;
    QLabel* caption() const { return RiFaPan; }
    QWidget* targetFrame() const { return frame_; }

    QPoint PanelPos(const QPoint& globalPos) const { return mapFromGlobal(globalPos); }

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    Exercise& ex_;
    std::vector<TKarte*> cards_;
    int cardsDokTyp_ = -1;
    QLabel* RiFaPan = nullptr;
    QWidget* frame_ = nullptr;
};

} // namespace bw
