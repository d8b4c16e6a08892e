#pragma once

#include "authoring/pagelayout.h"

#include <QDialog>

class QCheckBox;
class QDoubleSpinBox;
class QSlider;

namespace bw {

// "Basisbild - Größe und Ausrichtung": image size and alignment on the page, each a number
// field with a track bar that follow each other.
class TBildErwForm : public QDialog {
    Q_OBJECT
public:
    explicit TBildErwForm(QWidget* parent = nullptr);

    void Fill(const PageLayout& layout);
    // The layout with the fields clamped to their ranges (size 50..150, positions 0..100).
    PageLayout Layout(PageLayout base) const;
    bool TransformObjects() const;

    QDoubleSpinBox *GroesseEdit, *PosXEdit, *PosYEdit;
    QSlider *GroesseBar, *PosXBar, *PosYBar;
    QCheckBox* TransformCheck;

signals:
    // "&Seitenverhältnis..." was pressed (the page ratio dialog, applied at once when
    // confirmed).
    void pageRatioAsked();
};

} // namespace bw
