#include "authoring/widgets/tobjeditneuform.h"

#include "authoring/authoring.h"
#include "authoring/objecttypes.h"
#include "common/helpers.h"
#include "document/objtypes.h"
#include "view/learnview.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QSpinBox>
#include <QToolButton>

namespace bw {

namespace {

QString ToMemo(const QString& text) {
    QString t = text;
    return t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

TObjEditneuForm::TObjEditneuForm(Authoring& authoring, DocumentEditor& editor, LearnView& view,
                                 QWidget* parent)
    : QWidget(parent, Qt::Tool), authoring_(authoring), ed_(editor), view_(view) {
    setObjectName(QStringLiteral("ObjEditneuForm"));
    setWindowTitle(QStringLiteral("Beschriftungs- und Bildobjekte bearbeiten"));
    chooseColour = [this](const QColor& c) {
        return QColorDialog::getColor(c, this, QString(), QColorDialog::DontUseNativeDialog);
    };
    build();
    buildMenus();
    followEdits();
    SetEditorSize(false);
    fill(-1);
}

TObjEditneuForm::~TObjEditneuForm() {
    // The window hides as it goes, and its controls lose the focus: a link field losing it
    // would store its text through an editor that is half gone.
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
}

void TObjEditneuForm::followEdits() {
    // Undo, redo and the other windows change the document under the editor: the selection
    // follows the list, the controls what the object now holds.
    connect(&ed_, &DocumentEditor::objectChanged, this, [this](int i) {
        if (!storing_ && i == selected_) fill(selected_);
    });
    connect(&ed_, &DocumentEditor::objectInserted, this, [this](int i) {
        if (selected_ >= 0 && i <= selected_) ++selected_;
        if (selected_ >= 0) fill(selected_);
    });
    connect(&ed_, &DocumentEditor::objectRemoved, this, [this](int i) {
        if (i == selected_)
            fill(-1);
        else if (selected_ > i)
            fill(selected_ - 1);
    });
    for (auto signal : {&DocumentEditor::objectsReset, &DocumentEditor::baseImageChanged}) {
        connect(&ed_, signal, this, [this] {
            if (!storing_) fill(ed_.document().ValidIndex(selected_) ? selected_ : -1);
        });
    }
    connect(&ed_, &DocumentEditor::documentReplaced, this, [this] { fill(-1); });
}

bool TObjEditneuForm::objectSelected() const {
    return ed_.document().ValidIndex(selected_);
}

ObjectFields TObjEditneuForm::Fields() const {
    ObjectFields f;
    f.sx = SxEdit->value();
    f.sy = SyEdit->value();
    f.kx = KxEdit->value();
    f.ky = KyEdit->value();
    f.text = memoText();
    f.file = DateiEdit->text();
    f.kausr = KAusrCombo->currentIndex();
    f.tausr = TAusrCombo->currentIndex();
    f.ebene = EbeneCombo->currentIndex();
    f.typeIndex = TypCombo->currentIndex();
    f.sline = SlineCheck->isChecked();
    f.fsizeIndex = FsizeCombo->currentIndex();
    f.bold = FettCheck->isChecked();
    f.italic = KursivCheck->isChecked();
    f.underline = UnterstrichenCheck->isChecked();
    f.farbe = farbe_;
    f.picture = picture_;
    return f;
}

void TObjEditneuForm::setFields(const ObjectFields& f) {
    SxEdit->setValue(f.sx);
    SyEdit->setValue(f.sy);
    KxEdit->setValue(f.kx);
    KyEdit->setValue(f.ky);
    if (memoText() != f.text) BezMemo->setPlainText(ToMemo(f.text));
    DateiEdit->setText(f.file);
    KAusrCombo->setCurrentIndex(f.kausr);
    TAusrCombo->setCurrentIndex(f.tausr);
    EbeneCombo->setCurrentIndex(f.ebene);
    {
        // Showing an object does not apply the layer rule of a type change.
        const QSignalBlocker block(TypCombo);
        TypCombo->setCurrentIndex(f.typeIndex);
    }
    SlineCheck->setChecked(f.sline);
    FsizeCombo->setCurrentIndex(f.fsizeIndex);
    FettCheck->setChecked(f.bold);
    KursivCheck->setChecked(f.italic);
    UnterstrichenCheck->setChecked(f.underline);
    setColour(f.farbe);
    setPicture(f.picture);
}

void TObjEditneuForm::ShowObject(int index) {
    StoreObject();
    fill(index);
    view_.RedrawObjects();
}

// Steps 1.2 to 1.4 of showing an object, without storing the one shown before.
void TObjEditneuForm::fill(int index) {
    guard_ = false;
    const Document& doc = ed_.document();
    if (!doc.ValidIndex(index)) index = -1;
    selected_ = index;
    view_.selectedObject = index;
    IDEdit->setValue(index);
    setFields(index < 0 ? EmptyFields() : FieldsFromObject(doc.CurrentObjects[index]));
    const int t = TypCombo->currentIndex();
    if (t >= 0 && t < kTypeIndexCount) {
        TypeButtons[t]->setChecked(true);
    } else {
        typeGroup_->setExclusive(false);
        for (QToolButton* b : TypeButtons)
            b->setChecked(false);
        typeGroup_->setExclusive(true);
    }
    UpdateTypePanels();
    SetObjectControlsVisible(index >= 0);
    applySlineRule();
    guard_ = true;
}

int TObjEditneuForm::StoreObject() {
    if (!guard_ || !objectSelected()) return -1;
    const ObjDataTyp& o = ed_.document().CurrentObjects[selected_];
    storing_ = true;
    view_.holdEditRedraws = true;
    const int r = authoring_.StoreObject(selected_, ObjectFromFields(Fields(), o));
    view_.holdEditRedraws = false;
    storing_ = false;
    return r;
}

void TObjEditneuForm::store(bool redrawAll) {
    if (!guard_) return;
    if (StoreObject() < 0 || !AutoVorschau->isChecked()) return;
    if (redrawAll) {
        view_.RedrawObjects();
    } else {
        view_.DrawObject(selected_, true, true, true);
        view_.ShowViewport();
    }
}

void TObjEditneuForm::editChange() {
    store(true);
}

void TObjEditneuForm::editChangeObj() {
    store(false);
}

void TObjEditneuForm::NewObject(int typeIndex) {
    StoreObject();
    NewObjectDefaults d;
    d.viewport = view_.Viewport;
    d.sline = SlineCheck->isChecked();
    d.kausr = std::max(0, KAusrCombo->currentIndex());
    view_.holdEditRedraws = true;
    const int index = authoring_.NewObject(typeIndex, d);
    view_.holdEditRedraws = false;
    if (index < 0) return;
    fill(index);
    view_.RedrawObjects();
    const int typ = TypFromTypeIndex(typeIndex);
    if (typ == TypAbfrage || typ == TypFix || typ == TypInfopunkt) {
        BezMemo->selectAll();
        BezMemo->setFocus();
    } else if (typ == TypLinkExtern || typ == TypLinkIntern) {
        DateiEdit->selectAll();
        DateiEdit->setFocus();
    }
}

void TObjEditneuForm::SelectTypeButton(int typeIndex) {
    if (typeIndex < 0 || typeIndex >= kTypeIndexCount) return;
    TypeButtons[typeIndex]->setChecked(true);
    if (TypCombo->currentIndex() != typeIndex)
        TypCombo->setCurrentIndex(typeIndex); // runs the type change
    else
        UpdateTypePanels();
}

void TObjEditneuForm::typComboChange() {
    const int t = TypCombo->currentIndex();
    if (t >= 0 && t < kTypeIndexCount) TypeButtons[t]->setChecked(true);
    {
        // One store for the type and its layer.
        const QSignalBlocker block(EbeneCombo);
        EbeneCombo->setCurrentIndex(LayerForTypeIndex(t, EbeneCombo->currentIndex()));
    }
    UpdateTypePanels();
    editChange();
}

void TObjEditneuForm::kausrComboChange() {
    editChange();
}

void TObjEditneuForm::UpdateTypePanels() {
    const int t = objectSelected() ? TypCombo->currentIndex() : -1;
    const bool picture = t == 1 || t == 3;
    const bool label = t == 0 || t == 2;
    const bool link = t == 5 || t == 6;
    if (picture) {
        PosLab->setText(QStringLiteral("Bildposition:"));
        SizeLab->setText(QStringLiteral("Bildgröße:"));
    } else if (label) {
        PosLab->setText(QStringLiteral("Textposition:"));
        SizeLab->setText(QStringLiteral("Textgröße:"));
    } else if (t >= 4) {
        PosLab->setText(QStringLiteral("Punktposition:"));
    }
    TextPanel->setVisible(label || t == 4);
    BildPanel->setVisible(picture);
    DateiPanel->setVisible(link);
    const bool sized = t >= 0 && t <= 3;
    SizeLab->setVisible(sized);
    FsizeCombo->setVisible(sized);
    for (QWidget* w :
         std::initializer_list<QWidget*>{tausrLab_, TAusrCombo, stilLab_, FettCheck, KursivCheck,
                                         UnterstrichenCheck, farbLab_, SchriftfarbeBtn})
        w->setVisible(label);
    const bool testable = t >= 4 && t <= 6;
    TestBtn->setEnabled(testable);
    Testen1->setEnabled(testable);
    fitPicture();
}

void TObjEditneuForm::SetObjectControlsVisible(bool visible) {
    for (QWidget* w : positionControls_)
        w->setVisible(visible);
    BezMemo->setEnabled(visible);
    CopyBtn->setEnabled(visible);
    EntfBtn->setEnabled(visible);
    for (QToolButton* b : TypeButtons)
        b->setEnabled(visible);
    HinweisLab->setVisible(!visible);
}

void TObjEditneuForm::applySlineRule() {
    const bool on = SlineCheck->isChecked() && SlineCheck->isEnabled();
    SxEdit->setEnabled(on);
    SyEdit->setEnabled(on);
}

void TObjEditneuForm::setColour(int farbe) {
    farbe_ = farbe;
    SchriftfarbeBtn->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid gray;")
                                       .arg(ColorFromWin(farbe).name()));
}

void TObjEditneuForm::setPicture(const Picture& p) {
    picture_ = p;
    fitPicture();
}

void TObjEditneuForm::fitPicture() {
    if (picture_.isNull()) {
        BildMemo->clear();
        return;
    }
    const QSize room = BildMemo->contentsRect().size();
    QImage img = picture_.image();
    if (img.width() > room.width() || img.height() > room.height())
        img =
            img.scaled(room.expandedTo(QSize(1, 1)), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    BildMemo->setPixmap(QPixmap::fromImage(img));
}

void TObjEditneuForm::SetEditorSize(bool large) {
    large_ = large;
    setFixedSize(large ? kLargeSize : kSmallSize);
    if (const QScreen* s = screen()) {
        const int maxLeft = s->availableGeometry().right() + 1 - frameGeometry().width();
        if (x() > maxLeft) move(std::max(0, maxLeft), y());
    }
    SizeBtn->setText(large ? QStringLiteral(">") : QStringLiteral("<"));
    fitPicture();
}

void TObjEditneuForm::setPositionFields(const ObjDataTyp& o, bool exact) {
    auto shown = [exact](double f) { return ToUnits(exact ? f : RoundToHundredth(f)); };
    const bool was = guard_;
    guard_ = false;
    SxEdit->setValue(shown(o.Sx));
    SyEdit->setValue(shown(o.Sy));
    KxEdit->setValue(shown(o.Kx));
    KyEdit->setValue(shown(o.Ky));
    guard_ = was;
}

void TObjEditneuForm::ShowDragged(int index, bool exact) {
    if (index != selected_ || !objectSelected()) return;
    setPositionFields(ed_.document().CurrentObjects[index], exact);
}

void TObjEditneuForm::ShowDropped(int index) {
    if (index == selected_ && objectSelected()) fill(index);
    view_.RedrawView();
}

// The memo's lines end in "\r\n" in the document.
QString TObjEditneuForm::memoText() const {
    return BezMemo->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

void TObjEditneuForm::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (e->spontaneous()) return;
    SetEditorSize(false);
    fill(-1);
    emit opened();
}

void TObjEditneuForm::closeEvent(QCloseEvent* e) {
    StoreObject();
    fill(-1);
    QWidget::closeEvent(e);
    emit closed();
    SetEditorSize(false);
}

} // namespace bw
