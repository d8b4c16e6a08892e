#include "authoring/widgets/tobjeditneuform.h"

#include "authoring/authoring.h"
#include "authoring/contenttext.h"
#include "authoring/newdocument.h"
#include "authoring/objecttypes.h"
#include "document/objtypes.h"
#include "platform/prompter.h"
#include "view/learnview.h"
#include "view/links.h"

#include <QAction>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QSpinBox>
#include <QToolButton>

namespace bw {

namespace {

QSpinBox* PositionEdit(QWidget* parent, const char* name) {
    auto* s = new QSpinBox(parent);
    s->setObjectName(QLatin1String(name));
    s->setRange(0, kPositionUnits);
    s->setButtonSymbols(QAbstractSpinBox::NoButtons);
    s->setFixedWidth(46);
    return s;
}

QComboBox* Combo(QWidget* parent, const char* name, const QStringList& items) {
    auto* c = new QComboBox(parent);
    c->setObjectName(QLatin1String(name));
    c->addItems(items);
    return c;
}

QPushButton* Button(QWidget* parent, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setAutoDefault(false);
    return b;
}

QString FromMemo(const QString& text) {
    QString t = text;
    return t.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

QString ToMemo(const QString& text) {
    QString t = text;
    return t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

int ColourOf(const QColor& c) {
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

QColor ColourFrom(int farbe) {
    return QColor(farbe & 0xFF, (farbe >> 8) & 0xFF, (farbe >> 16) & 0xFF);
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

void TObjEditneuForm::build() {
    QFont f = font();
    f.setPointSize(8);
    setFont(f);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(3, 4, 3, 4);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(3);

    // The three panels share one place at the left; the hint stands there without an object.
    TextPanel = new QWidget(this);
    auto* tl = new QGridLayout(TextPanel);
    tl->setContentsMargins(0, 0, 0, 0);
    tl->setSpacing(2);
    BezMemo = new QPlainTextEdit(TextPanel);
    BezMemo->setObjectName(QStringLiteral("BezMemo"));
    BezMemo->setTabChangesFocus(true);
    BezMemo->setMinimumWidth(60);
    auto* bezClip = Button(TextPanel, QStringLiteral("aus Zwisch.abl."));
    auto* bezFile = Button(TextPanel, QStringLiteral("aus Datei..."));
    auto* bezCopy = Button(TextPanel, QStringLiteral("In Zw.abl. kopieren"));
    tl->addWidget(BezMemo, 0, 0, 4, 1);
    tl->addWidget(bezClip, 0, 1);
    tl->addWidget(bezFile, 1, 1);
    tl->addWidget(bezCopy, 2, 1);
    tl->setRowStretch(3, 1);
    tl->setColumnStretch(0, 1);

    BildPanel = new QWidget(this);
    auto* bl = new QGridLayout(BildPanel);
    bl->setContentsMargins(0, 0, 0, 0);
    bl->setSpacing(2);
    BildMemo = new QLabel(BildPanel);
    BildMemo->setObjectName(QStringLiteral("BildMemo"));
    BildMemo->setAlignment(Qt::AlignCenter);
    BildMemo->setFrameShape(QFrame::StyledPanel);
    BildMemo->setMinimumSize(40, 40);
    BildMemo->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    auto* bildClip = Button(BildPanel, QStringLiteral("aus Zwisch.abl."));
    auto* bildFile = Button(BildPanel, QStringLiteral("aus Datei..."));
    auto* bildCopy = Button(BildPanel, QStringLiteral("In Zw.abl. kopieren"));
    bl->addWidget(BildMemo, 0, 0, 4, 1);
    bl->addWidget(bildClip, 0, 1);
    bl->addWidget(bildFile, 1, 1);
    bl->addWidget(bildCopy, 2, 1);
    bl->setRowStretch(3, 1);
    bl->setColumnStretch(0, 1);

    DateiPanel = new QWidget(this);
    auto* dl = new QGridLayout(DateiPanel);
    dl->setContentsMargins(0, 0, 0, 0);
    dl->setSpacing(2);
    DateiEdit = new QLineEdit(DateiPanel);
    DateiEdit->setObjectName(QStringLiteral("DateiEdit"));
    auto* browse = Button(DateiPanel, QStringLiteral("Durchsuchen..."));
    auto* relative = Button(DateiPanel, QStringLiteral("In relativen Pfad umwandeln"));
    dl->addWidget(new QLabel(QStringLiteral("Verknüpfte Datei:"), DateiPanel), 0, 0);
    dl->addWidget(DateiEdit, 1, 0);
    dl->addWidget(browse, 2, 0, Qt::AlignLeft);
    dl->addWidget(relative, 3, 0, Qt::AlignLeft);
    dl->setRowStretch(4, 1);

    HinweisLab = new QLabel(QStringLiteral("Wählen Sie \"Neu\", um ein neues Objekt zu erstellen\n"
                                           "oder markieren Sie ein bestehendes Objekt, um es zu "
                                           "bearbeiten."),
                            this);
    HinweisLab->setObjectName(QStringLiteral("HinweisLab"));
    HinweisLab->setWordWrap(true);
    HinweisLab->setAlignment(Qt::AlignCenter);
    for (QWidget* w : {static_cast<QWidget*>(TextPanel), static_cast<QWidget*>(BildPanel),
                       static_cast<QWidget*>(DateiPanel), static_cast<QWidget*>(HinweisLab)})
        grid->addWidget(w, 0, 0);

    // The type buttons, in type-index order, and the hidden combo behind them.
    auto* types = new QWidget(this);
    auto* typl = new QVBoxLayout(types);
    typl->setContentsMargins(0, 0, 0, 0);
    typl->setSpacing(0);
    typeGroup_ = new QButtonGroup(this);
    typeGroup_->setExclusive(true);
    TypCombo = Combo(this, "TypCombo", {});
    for (int i = 0; i < kTypeIndexCount; ++i) {
        auto* b = new QToolButton(types);
        b->setText(QString::fromUtf8(kTypeIndexTable[i].buttonCaption));
        b->setToolTip(QString::fromUtf8(kTypeIndexTable[i].buttonHint));
        b->setCheckable(true);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        b->setFocusPolicy(Qt::NoFocus);
        typeGroup_->addButton(b, i);
        typl->addWidget(b);
        TypeButtons[i] = b;
        TypCombo->addItem(QString::fromUtf8(kTypeIndexTable[i].comboItem));
    }
    TypCombo->hide();
    grid->addWidget(types, 0, 1);

    // Position.
    auto* pos = new QGridLayout;
    pos->setSpacing(2);
    PosLab = new QLabel(QStringLiteral("Textposition:"), this);
    KxEdit = PositionEdit(this, "KxEdit");
    KyEdit = PositionEdit(this, "KyEdit");
    SxEdit = PositionEdit(this, "SxEdit");
    SyEdit = PositionEdit(this, "SyEdit");
    SlineCheck = new QCheckBox(QStringLiteral("mit Linie ab Pos.:"), this);
    SlineCheck->setObjectName(QStringLiteral("SlineCheck"));
    auto* xk = new QLabel(QStringLiteral("X:"), this);
    auto* yk = new QLabel(QStringLiteral("Y:"), this);
    auto* xs = new QLabel(QStringLiteral("X:"), this);
    auto* ys = new QLabel(QStringLiteral("Y:"), this);
    pos->addWidget(PosLab, 0, 0);
    pos->addWidget(xk, 0, 1);
    pos->addWidget(KxEdit, 0, 2);
    pos->addWidget(yk, 0, 3);
    pos->addWidget(KyEdit, 0, 4);
    pos->addWidget(SlineCheck, 1, 0);
    pos->addWidget(xs, 1, 1);
    pos->addWidget(SxEdit, 1, 2);
    pos->addWidget(ys, 1, 3);
    pos->addWidget(SyEdit, 1, 4);
    auto* ebeneLab = new QLabel(QStringLiteral("Ebene:"), this);
    EbeneCombo = Combo(this, "EbeneCombo",
                       {QStringLiteral("Basisbild"), QStringLiteral("Texte und Bilder"),
                        QStringLiteral("Infopunkte")});
    pos->addWidget(ebeneLab, 2, 0);
    pos->addWidget(EbeneCombo, 2, 1, 1, 4);
    // The longest caption of the column has a row of its own, so that the editor's smallest
    // size shows every caption whole.
    auto* kausrLab = new QLabel(QStringLiteral("Position zum Ankerpunkt:"), this);
    KAusrCombo = Combo(this, "KAusrCombo",
                       {QStringLiteral("automatisch"), QStringLiteral("rechts"),
                        QStringLiteral("oben"), QStringLiteral("links"), QStringLiteral("unten")});
    pos->addWidget(kausrLab, 3, 0, 1, 5);
    pos->addWidget(KAusrCombo, 4, 1, 1, 4);
    pos->setRowStretch(5, 1);
    grid->addLayout(pos, 0, 2);
    positionControls_ = {PosLab, xk,     yk,       xs,         ys,       KxEdit,     KyEdit,
                         SxEdit, SyEdit, ebeneLab, EbeneCombo, kausrLab, KAusrCombo, SlineCheck};

    // Size and style.
    auto* fmt = new QGridLayout;
    fmt->setSpacing(2);
    SizeLab = new QLabel(QStringLiteral("Textgröße:"), this);
    QStringList sizes;
    for (int i = 0; i < ObjectFields::kFsizeItemCount; ++i)
        sizes << FsizeItemText(i);
    FsizeCombo = Combo(this, "FsizeCombo", sizes);
    FsizeCombo->setMaxVisibleItems(20);
    fmt->addWidget(SizeLab, 0, 0);
    fmt->addWidget(FsizeCombo, 0, 1);
    tausrLab_ = new QLabel(QStringLiteral("Textsatz:"), this);
    TAusrCombo = Combo(this, "TAusrCombo",
                       {QStringLiteral("Linksbündig"), QStringLiteral("Zentriert"),
                        QStringLiteral("Rechtsbündig")});
    fmt->addWidget(tausrLab_, 1, 0);
    fmt->addWidget(TAusrCombo, 1, 1);
    stilLab_ = new QLabel(QStringLiteral("Schriftstil:"), this);
    FettCheck = new QCheckBox(QStringLiteral("Fett"), this);
    KursivCheck = new QCheckBox(QStringLiteral("Kursiv"), this);
    UnterstrichenCheck = new QCheckBox(QStringLiteral("Unterstrichen"), this);
    fmt->addWidget(stilLab_, 2, 0);
    fmt->addWidget(FettCheck, 2, 1);
    fmt->addWidget(KursivCheck, 3, 1);
    fmt->addWidget(UnterstrichenCheck, 4, 1);
    farbLab_ = new QLabel(QStringLiteral("Schriftfarbe:"), this);
    SchriftfarbeBtn = new QToolButton(this);
    SchriftfarbeBtn->setObjectName(QStringLiteral("SchriftfarbeBtn"));
    SchriftfarbeBtn->setFixedSize(40, 16);
    fmt->addWidget(farbLab_, 5, 0);
    fmt->addWidget(SchriftfarbeBtn, 5, 1);
    fmt->setRowStretch(6, 1);
    grid->addLayout(fmt, 0, 3);

    IDEdit = new QSpinBox(this);
    IDEdit->setObjectName(QStringLiteral("IDEdit"));
    IDEdit->setRange(-1, 1 << 30);
    IDEdit->setEnabled(false);
    IDEdit->hide();

    // The buttons along the bottom edge.
    auto* row = new QHBoxLayout;
    row->setSpacing(3);
    NeuBtn = Button(this, QStringLiteral("&Neu..."));
    CopyBtn = Button(this, QStringLiteral("&Duplizieren"));
    EntfBtn = Button(this, QStringLiteral("&Löschen"));
    AktBtn = Button(this, QStringLiteral("&Vorschau"));
    AutoVorschau = new QCheckBox(QStringLiteral("&Auto-Vorschau"), this);
    AutoVorschau->setChecked(true);
    TestBtn = Button(this, QStringLiteral("&Testen"));
    SizeBtn = Button(this, QStringLiteral("<"));
    SizeBtn->setFixedWidth(24);
    CloseBtn = Button(this, QStringLiteral("Schließen"));
    CloseBtn->setShortcut(QKeySequence(Qt::Key_Escape));
    for (QWidget* w :
         std::initializer_list<QWidget*>{NeuBtn, CopyBtn, EntfBtn, AktBtn, AutoVorschau, TestBtn})
        row->addWidget(w);
    row->addStretch(1);
    row->addWidget(SizeBtn);
    row->addWidget(CloseBtn);
    grid->addLayout(row, 1, 0, 1, 4);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(0, 1);

    // Change handling.
    for (QSpinBox* s : {SxEdit, SyEdit, KxEdit, KyEdit})
        connect(s, &QSpinBox::valueChanged, this, [this] { editChange(); });
    for (QComboBox* c : {TAusrCombo, EbeneCombo, FsizeCombo})
        connect(c, &QComboBox::currentIndexChanged, this, [this] { editChange(); });
    connect(KAusrCombo, &QComboBox::currentIndexChanged, this, [this] { kausrComboChange(); });
    connect(TypCombo, &QComboBox::currentIndexChanged, this, [this] { typComboChange(); });
    for (QCheckBox* c : {FettCheck, KursivCheck, UnterstrichenCheck})
        connect(c, &QCheckBox::toggled, this, [this] { editChange(); });
    connect(SlineCheck, &QCheckBox::toggled, this, [this] {
        applySlineRule();
        editChange();
    });
    connect(DateiEdit, &QLineEdit::editingFinished, this, [this] { editChange(); });
    connect(BezMemo, &QPlainTextEdit::textChanged, this, [this] { editChangeObj(); });
    connect(typeGroup_, &QButtonGroup::idClicked, this, [this](int i) { SelectTypeButton(i); });
    connect(AutoVorschau, &QCheckBox::toggled, this, [this](bool on) {
        if (on) view_.RedrawObjects();
    });
    connect(SchriftfarbeBtn, &QToolButton::clicked, this, [this] { SchriftfarbeBtnClick(); });
    connect(bezClip, &QPushButton::clicked, this, [this] { BezMemoAusZwablgBtnClick(); });
    connect(bezFile, &QPushButton::clicked, this, [this] { BezMemoAusDateiBtnClick(); });
    connect(bezCopy, &QPushButton::clicked, this, [this] { BezMemoInZwablBtnClick(); });
    connect(bildClip, &QPushButton::clicked, this, [this] { BildAusZwischenablageBtnClick(); });
    connect(bildFile, &QPushButton::clicked, this, [this] { BildAusDateiEinfuegenBtnClick(); });
    connect(bildCopy, &QPushButton::clicked, this,
            [this] { BildInZwischenablageKopierenBtnClick(); });
    connect(browse, &QPushButton::clicked, this, [this] { DateiDurchsuchenBtnClick(); });
    connect(relative, &QPushButton::clicked, this, [this] { PfadRelativBtnClick(); });
    connect(SizeBtn, &QPushButton::clicked, this, [this] { SetEditorSize(!large_); });
    connect(CloseBtn, &QPushButton::clicked, this, [this] { close(); });
}

void TObjEditneuForm::buildMenus() {
    NeuPopupMenu = new QMenu(this);
    NeuPopupMenu->setObjectName(QStringLiteral("NeuPopupMenu"));
    for (int i = 0; i < kTypeIndexCount; ++i) {
        QAction* a = NeuPopupMenu->addAction(QString::fromUtf8(kTypeIndexTable[i].newMenuItem));
        connect(a, &QAction::triggered, this, [this, i] { NewObject(i); });
    }
    auto add = [this](QMenu* m, const QString& caption, const QKeySequence& key, auto&& f) {
        QAction* a = m->addAction(caption);
        a->setShortcut(key);
        connect(a, &QAction::triggered, this, f);
        addAction(a);
        return a;
    };
    EditorPopupMenu1 = new QMenu(this);
    EditorPopupMenu1->setObjectName(QStringLiteral("EditorPopupMenu1"));
    QMenu* m = EditorPopupMenu1;
    const auto dropDown = [this] {
        NeuPopupMenu->popup(NeuBtn->mapToGlobal(QPoint(0, NeuBtn->height())));
    };
    Neu1 = add(m, QStringLiteral("&Neu"), QKeySequence(QStringLiteral("Ctrl+N")), dropDown);
    connect(NeuBtn, &QPushButton::clicked, this, dropDown);
    Beschriftungduplizieren1 =
        add(m, QStringLiteral("&Duplizieren"), QKeySequence(QStringLiteral("Ctrl+D")),
            [this] { CopyBtnClick(); });
    connect(CopyBtn, &QPushButton::clicked, this, [this] { CopyBtnClick(); });
    Entfernen1 = add(m, QStringLiteral("&Löschen"), QKeySequence(QStringLiteral("Ctrl+Del")),
                     [this] { EntfBtnClick(); });
    connect(EntfBtn, &QPushButton::clicked, this, [this] { EntfBtnClick(); });
    m->addSeparator();
    Vorschau1 =
        add(m, QStringLiteral("&Vorschau"), QKeySequence(Qt::Key_F5), [this] { AktBtnClick(); });
    connect(AktBtn, &QPushButton::clicked, this, [this] { AktBtnClick(); });
    Testen1 = add(m, QStringLiteral("Infopunkt / Verknüpfung &testen..."),
                  QKeySequence(QStringLiteral("Ctrl+T")), [this] { TestBtnClick(); });
    connect(TestBtn, &QPushButton::clicked, this, [this] { TestBtnClick(); });
    Textmarkieren1 =
        add(m, QStringLiteral("Text &markieren"), QKeySequence(QStringLiteral("Ctrl+A")), [this] {
            if (TextPanel->isVisible() && BezMemo->isEnabled()) {
                BezMemo->selectAll();
                BezMemo->setFocus();
            }
        });
    m->addSeparator();
    AmRasterausrichten1 =
        add(m, QStringLiteral("Am &Raster ausrichten"), QKeySequence(QStringLiteral("Ctrl+R")),
            [this] { AmRasterausrichten1Click(); });
    QMenu* move = m->addMenu(QStringLiteral("Ver&schieben"));
    MoveActions = {add(move, QStringLiteral("nach &links"), {}, [this] { MoveCard(-1, 0); }),
                   add(move, QStringLiteral("nach &rechts"), {}, [this] { MoveCard(1, 0); }),
                   add(move, QStringLiteral("&nach oben"), {}, [this] { MoveCard(0, -1); }),
                   add(move, QStringLiteral("nach &unten"), {}, [this] { MoveCard(0, 1); })};
    QMenu* side = m->addMenu(QStringLiteral("Position zum &Ankerpunkt"));
    const QKeySequence keys[5] = {
        QKeySequence(Qt::ALT | Qt::Key_NumberSign), QKeySequence(Qt::ALT | Qt::Key_Right),
        QKeySequence(Qt::ALT | Qt::Key_Up), QKeySequence(Qt::ALT | Qt::Key_Left),
        QKeySequence(Qt::ALT | Qt::Key_Down)};
    const QString captions[5] = {QStringLiteral("&automatisch"), QStringLiteral("&rechts"),
                                 QStringLiteral("&oben"), QStringLiteral("&links"),
                                 QStringLiteral("&unten")};
    for (int i = 0; i < 5; ++i)
        PosAnkerActions[i] = add(side, captions[i], keys[i], [this, i] { SetCardSide(i); });
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
    f.text = FromMemo(BezMemo->toPlainText());
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
    if (FromMemo(BezMemo->toPlainText()) != f.text) BezMemo->setPlainText(ToMemo(f.text));
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
                                       .arg(ColourFrom(farbe).name()));
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

void TObjEditneuForm::CopyBtnClick() {
    if (!objectSelected()) return;
    StoreObject();
    view_.holdEditRedraws = true;
    const int copy = authoring_.DuplicateObject(selected_);
    view_.holdEditRedraws = false;
    if (copy < 0) return;
    fill(copy);
    view_.RedrawObjects();
    if (TextPanel->isVisible() && BezMemo->isEnabled()) {
        BezMemo->selectAll();
        BezMemo->setFocus();
    }
}

void TObjEditneuForm::EntfBtnClick() {
    if (!objectSelected()) return;
    StoreObject();
    const int n = selected_;
    const int typ = ed_.document().CurrentObjects[n].Typ;
    if (!prompter().AskYesNo(
            DeleteObjectQuestion(typ, n, DateiEdit->text(), FromMemo(BezMemo->toPlainText()))))
        return;
    fill(-1);
    authoring_.DeleteObject(n);
}

void TObjEditneuForm::AktBtnClick() {
    view_.RedrawObjects();
}

void TObjEditneuForm::TestBtnClick() {
    if (!objectSelected() || !TestBtn->isEnabled()) return;
    StoreObject();
    if (activateObject) activateObject(selected_);
}

void TObjEditneuForm::MoveCard(int dx, int dy) {
    if (!objectSelected() || !guard_) return;
    if (dx) KxEdit->setValue(dx < 0 ? GridStepDown(KxEdit->value()) : GridStepUp(KxEdit->value()));
    if (dy) KyEdit->setValue(dy < 0 ? GridStepDown(KyEdit->value()) : GridStepUp(KyEdit->value()));
}

void TObjEditneuForm::AmRasterausrichten1Click() {
    if (!objectSelected() || !guard_) return;
    // Both fields in one step.
    const QSignalBlocker bx(KxEdit), by(KyEdit);
    KxEdit->setValue(SnapToGrid(KxEdit->value()));
    KyEdit->setValue(SnapToGrid(KyEdit->value()));
    editChange();
}

void TObjEditneuForm::SetCardSide(int kausr) {
    KAusrCombo->setCurrentIndex(kausr);
}

void TObjEditneuForm::BildAusZwischenablageBtnClick() {
    const QImage img = QGuiApplication::clipboard()->image();
    if (img.isNull()) {
        prompter().ShowInfo(QStringLiteral("Die Zwischenablage enthält keine Bitmap-Grafik."));
        return;
    }
    setPicture(Picture(img.convertToFormat(QImage::Format_ARGB32_Premultiplied)));
    editChange();
}

void TObjEditneuForm::BildAusDateiEinfuegenBtnClick() {
    const QString path = prompter().GetOpenFileName(
        QStringLiteral("Bilddatei öffnen"), DocumentFolder(ed_.document()),
        QStringLiteral(
            "PNG (*.png)|*.png|JPEG (*.jpg)|*.jpg|Bitmap (*.bmp)|*.bmp|Alle Dateien (*.*)|*.*"),
        QStringLiteral("png"));
    if (path.isEmpty()) return;
    QImage img;
    switch (LoadAuthoringPicture(path, img)) {
    case PictureLoad::BadExtension:
        prompter().ShowError(BadExtensionText());
        return;
    case PictureLoad::Unreadable:
        prompter().ShowError(QStringLiteral("Fehler beim Einlesen der Datei \"%1\"").arg(path));
        return;
    case PictureLoad::Ok:
        break;
    }
    setPicture(Picture(img));
    editChange();
}

void TObjEditneuForm::BildInZwischenablageKopierenBtnClick() {
    if (!picture_.isNull()) QGuiApplication::clipboard()->setImage(picture_.image());
}

void TObjEditneuForm::BezMemoAusZwablgBtnClick() {
    BezMemo->setPlainText(QGuiApplication::clipboard()->text());
}

void TObjEditneuForm::BezMemoAusDateiBtnClick() {
    const QString path = prompter().GetOpenFileName(
        QStringLiteral("Textdatei öffnen"), DocumentFolder(ed_.document()),
        QStringLiteral("Text (*.txt)|*.txt|Alle Dateien (*.*)|*.*"), QStringLiteral("txt"));
    if (path.isEmpty()) return;
    // Bounded, regular files only (a pipe behind the name must not hang the editor), and
    // Windows-1252 where the file is not UTF-8.
    QString text;
    if (!ReadTextFile(path, text)) {
        prompter().ShowError(QStringLiteral("Fehler beim Einlesen der Datei \"%1\"").arg(path));
        return;
    }
    BezMemo->setPlainText(text);
}

void TObjEditneuForm::BezMemoInZwablBtnClick() {
    QGuiApplication::clipboard()->setText(FromMemo(BezMemo->toPlainText()));
}

void TObjEditneuForm::DateiDurchsuchenBtnClick() {
    const int t = TypCombo->currentIndex();
    const Document& doc = ed_.document();
    const QString start =
        ResolveLinkPath(DateiEdit->text(), DocumentFolder(doc), QString(), QString());
    const QString folder = QFileInfo(start).absolutePath();
    const QString path =
        t == 6
            ? prompter().GetOpenFileName(
                  QStringLiteral("Zu verknüpfendes Brettwerk-Dokument auswählen"), folder,
                  QStringLiteral("Brettwerk-Dokument (*.bwk)|*.bwk"), QStringLiteral("bwk"))
            : prompter().GetOpenFileName(QStringLiteral("Zu verknüpfende Datei auswählen"), folder,
                                         QStringLiteral("Alle Dateien (*.*)|*.*"), QString());
    if (path.isEmpty()) return;
    DateiEdit->setText(QDir::toNativeSeparators(path));
    editChange();
}

void TObjEditneuForm::PfadRelativBtnClick() {
    const QString folder = DocumentFolder(ed_.document());
    const QString path = DateiEdit->text();
    if (folder.isEmpty() || path.isEmpty() || QFileInfo(path).isRelative()) return;
    QString rel = QDir(folder).relativeFilePath(QDir::fromNativeSeparators(path));
    // A path on another drive stays absolute.
    if (QFileInfo(rel).isAbsolute()) return;
    DateiEdit->setText(QDir::toNativeSeparators(rel));
    editChange();
}

void TObjEditneuForm::SchriftfarbeBtnClick() {
    const QColor c = chooseColour ? chooseColour(ColourFrom(farbe_)) : QColor();
    if (!c.isValid()) return;
    setColour(ColourOf(c));
    editChange();
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
