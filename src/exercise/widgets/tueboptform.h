#pragma once

#include "exercise/exerciseoptions.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace bw {

// A radio group whose item index is the option's value.
class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    TRadioGroup(const QString& name, const QString& caption, const QStringList& items,
                QWidget* parent);
    int ItemIndex() const;
    void SetItemIndex(int i);
    QButtonGroup* buttons() const { return group_; }

private:
    QButtonGroup* group_;
};

// "Übungseinstellungen für Bildbeschriftung und Lückentext".
class TUebOptForm : public QDialog {
    Q_OBJECT
public:
    explicit TUebOptForm(QWidget* parent = nullptr);

    void SetOptions(const ExerciseOptions& o);
    void ReadInto(ExerciseOptions& o) const;
    bool Extended() const { return extended_; }
    void SetExtended(bool on);

    TRadioGroup* AbfrageModus;
    TRadioGroup* Zeitlimit;
    TRadioGroup* ZuordnungRichtig;
    TRadioGroup* ZuordnungFalsch;
    TRadioGroup* Zuordnungstexte;
    TRadioGroup* Zuordnungsziele;
    QSpinBox* ZLimitMin;
    QSpinBox* ZLimitSek;
    QCheckBox* VorJederUebung;
    QPushButton* StartBtn;
    QPushButton* SchliessenBtn;
    QPushButton* ErweitertBtn;
    QLabel* NetzPan;

protected:
    void done(int r) override;

private:
    QWidget* extendedPart_;
    bool extended_ = false;
};

// "Übungseinstellungen für Einzelfragen und Multiple-Choice-Fragen".
class TUebOptFragenForm : public QDialog {
    Q_OBJECT
public:
    explicit TUebOptFragenForm(QWidget* parent = nullptr);

    // Names item 0 of the answer order for the document type.
    void PrepareFor(int dokTyp);
    void SetOptions(const ExerciseOptions& o);
    void ReadInto(ExerciseOptions& o) const;

    TRadioGroup* ZuordnungFalsch;
    TRadioGroup* Zuordnungstexte;
    TRadioGroup* Zuordnungsziele;
    TRadioGroup* Zeitlimit;
    QSpinBox* ZLimitMin;
    QSpinBox* ZLimitSek;
    QCheckBox* VorJederUebung;
    QPushButton* StartBtn;
    QPushButton* SchliessenBtn;
    QLabel* NetzPan;

protected:
    void done(int r) override;
};

} // namespace bw
