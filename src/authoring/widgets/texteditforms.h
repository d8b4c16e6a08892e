#pragma once

#include "authoring/widgets/contenttextform.h"

namespace bw {

// "Lückentext bearbeiten": the cloze text with the gap buttons.
class TLueckEditForm : public ContentTextForm {
    Q_OBJECT
public:
    explicit TLueckEditForm(QWidget* parent = nullptr);

    QPushButton* LueckeSetzenBtn;    // "<< ... >> setzen"
    QPushButton* LueckeEntfernenBtn; // "<< ... >> entfernen"
};

// "Einzelfragen bearbeiten": one question per line with its counter.
class TFragenEditForm : public ContentTextForm {
    Q_OBJECT
public:
    explicit TFragenEditForm(QWidget* parent = nullptr);

    QLabel* AnzFragLab;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void UpdateCount();
};

} // namespace bw
