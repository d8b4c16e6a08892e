#pragma once

#include "authoring/objectfields.h"

#include <QWidget>
#include <array>
#include <functional>
#include <vector>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace bw {

class Authoring;
class DocumentEditor;
class LearnView;

// "Beschriftungs- und Bildobjekte bearbeiten": the non-modal object editor beside the view.
// Every change of a control is written into the selected object at once, through the
// authoring commands, so each is one undo step.
class TObjEditneuForm : public QWidget {
    Q_OBJECT
public:
    TObjEditneuForm(Authoring& authoring, DocumentEditor& editor, LearnView& view,
                    QWidget* parent = nullptr);
    ~TObjEditneuForm() override;

    static constexpr QSize kSmallSize{737, 172};
    static constexpr QSize kLargeSize{900, 260};

    void ShowObject(int index);
    int StoreObject();
    void NewObject(int typeIndex);
    void SelectTypeButton(int typeIndex);
    void UpdateTypePanels();
    void SetObjectControlsVisible(bool visible);
    void SetEditorSize(bool large);
    bool IsLarge() const { return large_; }
    int SelectedIndex() const { return selected_; }
    // The controls as they are now.
    ObjectFields Fields() const;

    void CopyBtnClick();
    void EntfBtnClick();
    void AktBtnClick();
    void TestBtnClick();
    void MoveCard(int dx, int dy); // one grid step
    void AmRasterausrichten1Click();
    void SetCardSide(int kausr);
    void BildAusZwischenablageBtnClick();
    void BildAusDateiEinfuegenBtnClick();
    void BildInZwischenablageKopierenBtnClick();
    void BezMemoAusZwablgBtnClick();
    void BezMemoAusDateiBtnClick();
    void BezMemoInZwablBtnClick();
    void DateiDurchsuchenBtnClick();
    void PfadRelativBtnClick();
    void SchriftfarbeBtnClick();

    // The view's tool dragged the selected object: the position fields follow, rounded to
    // a grid step unless exact.
    void ShowDragged(int index, bool exact);
    // The drag was stored: the fields show where the object landed, the view is redrawn.
    void ShowDropped(int index);

    // What the window needs of its surroundings.
    std::function<QColor(const QColor&)> chooseColour;

    // ---- controls (named as the window names them) ----
    QSpinBox *SxEdit, *SyEdit, *KxEdit, *KyEdit, *IDEdit;
    QPlainTextEdit* BezMemo;
    QLineEdit* DateiEdit;
    QComboBox *KAusrCombo, *TAusrCombo, *EbeneCombo, *TypCombo, *FsizeCombo;
    QCheckBox *SlineCheck, *FettCheck, *KursivCheck, *UnterstrichenCheck, *AutoVorschau;
    QToolButton* SchriftfarbeBtn;
    std::array<QToolButton*, 7> TypeButtons;
    QLabel *BildMemo, *HinweisLab, *PosLab, *SizeLab;
    QPushButton *NeuBtn, *CopyBtn, *EntfBtn, *AktBtn, *TestBtn, *SizeBtn, *CloseBtn;
    QWidget *TextPanel, *BildPanel, *DateiPanel;
    QMenu* EditorPopupMenu1;
    QMenu* NeuPopupMenu;
    QAction *Neu1, *Beschriftungduplizieren1, *Entfernen1, *Vorschau1, *Testen1, *Textmarkieren1,
        *AmRasterausrichten1;
    std::array<QAction*, 4> MoveActions;     // links, rechts, oben, unten
    std::array<QAction*, 5> PosAnkerActions; // automatisch, rechts, oben, links, unten

signals:
    // "Testen": the object of index is to be activated as a click in the view would.
    void testObject(int index);
    void opened();
    void closed();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void build();
    void buildMenus();
    void fill(int index);
    void setFields(const ObjectFields& f);
    void setPositionFields(const ObjDataTyp& o, bool exact);
    void editChange();
    void editChangeObj();
    void typComboChange();
    void kausrComboChange();
    void applySlineRule();
    void setColour(int farbe);
    void setPicture(const Picture& p);
    void fitPicture();
    void store(bool redrawAll);
    void followEdits();
    bool objectSelected() const;
    QString memoText() const;

    Authoring& authoring_;
    DocumentEditor& ed_;
    LearnView& view_;
    int selected_ = -1;
    bool guard_ = true;    // cleared while the controls are filled: nothing is written back
    bool storing_ = false; // our own store: the document's echo does not refill the controls
    bool large_ = false;
    int farbe_ = 0;
    Picture picture_;
    QButtonGroup* typeGroup_;
    std::vector<QWidget*> positionControls_;
    QLabel *tausrLab_, *stilLab_, *farbLab_;
};

} // namespace bw
