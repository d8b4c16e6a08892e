#pragma once

#include <QDialog>

class QCheckBox;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace bw {

// One tab's choice: keep the base image's ratio, or fix width : height.
struct RatioChoice {
    int seitFest = 1;
    int breite = 10;
    int hoehe = 7;
};

// "Seitenverhältnis des Dokuments": the current document's ratio and the one of new
// documents, on two tabs with the same controls.
class TSeitenverhaeltnisForm : public QDialog {
    Q_OBJECT
public:
    explicit TSeitenverhaeltnisForm(QWidget* parent = nullptr);

    // Fills both tabs and shows the first; a ratio that is not positive shows 10 : 7 fixed.
    void Fill(const RatioChoice& document, const RatioChoice& defaults, bool neuesBlattVoll);
    RatioChoice DocumentChoice() const;
    RatioChoice DefaultsChoice() const;
    bool NeuesBlattVollflaeche() const;
    bool TransformObjects() const;

private:
    struct Tab {
        QRadioButton* keep = nullptr;
        QRadioButton* fix = nullptr;
        QSpinBox* breite = nullptr;
        QSpinBox* hoehe = nullptr;
    };
    QWidget* makeTab(Tab& t);
    static void set(Tab& t, const RatioChoice& c);
    static RatioChoice get(const Tab& t);

    Tab doc_, defaults_;
    QCheckBox* transform_ = nullptr;
    QCheckBox* vollflaeche_ = nullptr;
    QTabWidget* tabs_ = nullptr;
};

} // namespace bw
