#pragma once

#include "exercise/exercisetexts.h"

#include <QDialog>
#include <QLabel>
#include <QToolButton>
#include <QWidget>

namespace bw {

// "Information zu den Kennzahlen": what the figures of the status panel mean.
class TKennzInfoBox : public QDialog {
    Q_OBJECT
public:
    explicit TKennzInfoBox(QWidget* parent = nullptr);
};

// The figures of a running exercise in the top bar (UebStatusPan).
class ExerciseStatusPanel : public QObject {
    Q_OBJECT
public:
    // Fills the given panel with its labels and the "?" button.
    explicit ExerciseStatusPanel(QWidget* UebStatusPan);

    void Show(const StatusTexts& s);
    void ShowClock(const QString& text);

    QLabel* RichtigLab = nullptr;
    QLabel* VonLab = nullptr;
    QLabel* FalschLab = nullptr;
    QLabel* QuoteLab = nullptr;
    QLabel* LeistungLab = nullptr;
    QLabel* NameLab = nullptr;
    QLabel* ZeitCaptionLab = nullptr;
    QLabel* ZeitLab = nullptr;
    QToolButton* KennzInfoPan = nullptr;
    TKennzInfoBox* infoBox = nullptr;

private:
    void KennzInfoPanMouseDown();
};

} // namespace bw
