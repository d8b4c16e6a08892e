// The object editor's controls and menus, and what each of them runs.
#include "authoring/widgets/tobjeditneuform.h"

#include "authoring/objecttypes.h"
#include "view/learnview.h"

#include <QAction>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
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

} // namespace

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
    Neu1 = add(m, QStringLiteral("&Neu"), QKeySequence(Qt::CTRL | Qt::Key_N), dropDown);
    connect(NeuBtn, &QPushButton::clicked, this, dropDown);
    Beschriftungduplizieren1 =
        add(m, QStringLiteral("&Duplizieren"), QKeySequence(Qt::CTRL | Qt::Key_D),
            [this] { CopyBtnClick(); });
    connect(CopyBtn, &QPushButton::clicked, this, [this] { CopyBtnClick(); });
    Entfernen1 = add(m, QStringLiteral("&Löschen"), QKeySequence(Qt::CTRL | Qt::Key_Delete),
                     [this] { EntfBtnClick(); });
    connect(EntfBtn, &QPushButton::clicked, this, [this] { EntfBtnClick(); });
    m->addSeparator();
    Vorschau1 =
        add(m, QStringLiteral("&Vorschau"), QKeySequence(Qt::Key_F5), [this] { AktBtnClick(); });
    connect(AktBtn, &QPushButton::clicked, this, [this] { AktBtnClick(); });
    Testen1 = add(m, QStringLiteral("Infopunkt / Verknüpfung &testen..."),
                  QKeySequence(Qt::CTRL | Qt::Key_T), [this] { TestBtnClick(); });
    connect(TestBtn, &QPushButton::clicked, this, [this] { TestBtnClick(); });
    Textmarkieren1 =
        add(m, QStringLiteral("Text &markieren"), QKeySequence(Qt::CTRL | Qt::Key_A), [this] {
            if (TextPanel->isVisible() && BezMemo->isEnabled()) {
                BezMemo->selectAll();
                BezMemo->setFocus();
            }
        });
    m->addSeparator();
    AmRasterausrichten1 =
        add(m, QStringLiteral("Am &Raster ausrichten"), QKeySequence(Qt::CTRL | Qt::Key_R),
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

} // namespace bw
