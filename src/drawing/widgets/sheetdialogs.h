#pragma once

#include "drawing/sheets.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QSpinBox;

namespace bw {

// The free count of a ruled sheet (TBlattAnzahlForm): one number, 1..200.
class TBlattAnzahlForm : public QDialog {
    Q_OBJECT
public:
    explicit TBlattAnzahlForm(QWidget* parent = nullptr);

    // Shows the dialog with the caption and the count; true on OK with the count entered.
    bool Execute(const QString& caption, int* count);

    QSpinBox* AnzEdit = nullptr;

protected:
    void showEvent(QShowEvent* e) override;
};

// Rows, columns and the free margins of a table sheet (TBlattTabelleForm). The dialog keeps
// its values from one use to the next.
class TBlattTabelleForm : public QDialog {
    Q_OBJECT
public:
    explicit TBlattTabelleForm(QWidget* parent = nullptr);

    // True on OK with the table entered, its figures clamped to their ranges.
    bool Execute(TableRuling* table);
    TableRuling Table() const;

    QSpinBox* ZeilenEdit = nullptr;
    QSpinBox* SpaltenEdit = nullptr;
    QCheckBox* FreiraumCheck = nullptr;
    QGroupBox* FreiraumGroup = nullptr;
    QSpinBox* ObenEdit = nullptr;
    QSpinBox* LinksEdit = nullptr;
    QSpinBox* RechtsEdit = nullptr;
    QSpinBox* UntenEdit = nullptr;

protected:
    void showEvent(QShowEvent* e) override;

private:
    // Client height 145 with the margins hidden, 275 with them shown.
    void FreiraumCheckClick();
    int width_ = 0;
};

} // namespace bw
