// The main window's construction: its controls and the wiring of menus and buttons to the
// subsystems beside it.

#include "shell/widgets/tform1.h"

#include "common/made.h"
#include "drawing/widgets/drawingcontrols.h"
#include "exercise/widgets/exercisecontroller.h"
#include "exercise/widgets/resultwindows.h"
#include "platform/system.h"
#include "shell/navigation.h"
#include "shell/widgets/actionbutton.h"
#include "shell/widgets/authoringconnector.h"
#include "shell/widgets/dialogs.h"
#include "shell/widgets/editorschriftart.h"
#include "shell/widgets/hoverbutton.h"
#include "shell/widgets/networkmenu.h"
#include "shell/widgets/resultmenu.h"
#include "shell/widgets/sheetcommands.h"
#include "shell/widgets/topicmenu.h"
#include "shell/widgets/viewcontrols.h"
#include "shell/windowplacement.h"
#include "view/learnview.h"
#include "view/pointertools.h"
#include "view/widgets/tlernviewwidget.h"

#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

namespace bw {

namespace {

const QColor kWindowColour(236, 236, 232);

// The view area stays white; the rest of the window takes the toolbar's grey.
void SetBackground(QWidget* w, const QColor& c) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, c);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

} // namespace

TForm1::TForm1(Edition edition, QWidget* parent) : QMainWindow(parent), ws_(edition) {
    ws_.ProgramFolder = ExecutableFolder();
    view_ = std::make_unique<LearnView>(ws_.doc);
    viewHost_ = std::make_unique<WorkspaceViewHost>(ws_);
    pointerTool_ = new PointerTool;
    handTool_ = new HandTool;
    tools_.addTool(pointerTool_);
    tools_.addTool(handTool_);
    BuildWindow();
    ConnectCommands();
    ConnectNavigation();
    ConnectExercise();
    results_ = new ResultWindows(this);
    ConnectResultMenu(menu_, *results_, ws_);
    exercise_->SetResultWindows(results_);
    network_ = std::make_unique<NetworkCommands>(ws_, *view_, *exercise_, *results_,
                                                 info_.NetzUebTeilnehmenBtn, this);
    network_->Connect(menu_);
    ZeitTimer = new QTimer(this);
    ZeitTimer->setInterval(100);

    connect(&ws_, &Workspace::titleChanged, this, [this] { UpdateWindowTitle(); });
    // Reading a document switches to the learning view; the full redraw follows at once with
    // the document replacement, so it is not drawn twice.
    connect(&ws_, &Workspace::showLearningView, this, [this] { ShowLearningView(false); });
    connect(&ws_, &Workspace::documentReplaced, this, [this] {
        StartInfoPan->setVisible(ws_.StartScreenVisible);
        // A replaced document starts at its first question, if it has any.
        view_->CurrentQuestion = 0;
        view_->DocumentLoaded();
        UpdateModeControls();
        UpdateWindowTitle();
    });
    connect(&ws_.editor, &DocumentEditor::objectChanged, view_.get(), &LearnView::ObjectEdited);
    for (auto signal : {&DocumentEditor::objectsReset, &DocumentEditor::headerChanged,
                        &DocumentEditor::baseImageChanged}) {
        connect(&ws_.editor, signal, this, [this] {
            if (!ws_.FirstActivation) view_->RedrawView();
        });
    }
    connect(&ws_.editor, &DocumentEditor::objectInserted, this, [this] { view_->RedrawView(); });
    connect(&ws_.editor, &DocumentEditor::objectRemoved, this, [this] { view_->RedrawView(); });
    connect(&ws_.editor, &DocumentEditor::modifiedChanged, this, [this] { UpdateWindowTitle(); });
    connect(view_.get(), &LearnView::hideStartScreen, this, [this] {
        ws_.StartScreenVisible = false;
        StartInfoPan->hide();
    });
}

TForm1::~TForm1() {
    // The windows show and change the workspace and the view, which are members and would be
    // gone before QWidget's destructor deletes the child windows: the windows go first, while
    // all they refer to is still there. A window may take another with it, hence the guards.
    QList<QPointer<QWidget>> windows;
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        windows.append(w);
    for (const QPointer<QWidget>& w : windows)
        delete w.data();
}

void TForm1::BuildWindow() {
    setObjectName(QStringLiteral("Form1"));
    menu_.Build(menuBar(), ws_.edition == Edition::Autor);

    auto* central = new QWidget(this);
    SetBackground(central, kWindowColour);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    info_.Build(central);
    outer->addWidget(info_.InfoPan);

    LernPan = new QWidget(central);
    LernPan->setObjectName(QStringLiteral("LernPan"));
    auto* row = new QHBoxLayout(LernPan);
    row->setContentsMargins(4, 0, 0, 4);
    row->setSpacing(2);

    LernKartPan = new QWidget(LernPan);
    LernKartPan->setObjectName(QStringLiteral("LernKartPan"));
    SetBackground(LernKartPan, Qt::white);
    LernKartPan->installEventFilter(this);
    LernKartPicImg = new TLernViewWidget(*view_, viewHost_.get(), LernKartPan);
    LernKartPicImg->setObjectName(QStringLiteral("LernKartPicImg"));
    LernKartPicImg->setToolManager(&tools_);
    LernKartPicImg->setDocumentEditor(&ws_.editor);
    StartInfoPan = new QLabel(LernKartPan);
    StartInfoPan->setObjectName(QStringLiteral("StartInfoPan"));
    StartInfoPan->setAlignment(Qt::AlignCenter);
    SetTextColour(StartInfoPan, QColor(111, 111, 106));
    SetBackground(StartInfoPan, Qt::white);
    QFont sf(QStringLiteral("Arial"));
    sf.setPointSize(13);
    StartInfoPan->setFont(sf);
    // A press on the start screen reaches the picture below, which opens a blank sheet.
    StartInfoPan->setAttribute(Qt::WA_TransparentForMouseEvents);
    UebungPan = new QWidget(LernKartPan);
    UebungPan->setObjectName(QStringLiteral("UebungPan"));
    UebungPan->hide();

    KlappPan = new QToolButton(LernPan);
    KlappPan->setObjectName(QStringLiteral("KlappPan"));
    KlappPan->setFixedSize(14, 48);
    KlappPan->setFocusPolicy(Qt::NoFocus);
    StyleHoverButton(KlappPan);

    side_.Build(LernPan);
    viewControls_ = std::make_unique<ViewControls>(*view_, side_, menu_);
    row->addWidget(LernKartPan, 1);
    row->addWidget(KlappPan, 0, Qt::AlignVCenter);
    row->addWidget(side_.LernInfoPan);
    outer->addWidget(LernPan, 1);
    setCentralWidget(central);

    info_.DokTitelLab->installEventFilter(this);
    resize(kDesignedWindowSize);
}

void TForm1::ConnectCommands() {
    connect(menu_.Oeffnen1, &QAction::triggered, this, [this] { Oeffnen1Click(); });
    connect(menu_.Speichern1, &QAction::triggered, this, [this] { Speichern1Click(); });
    connect(menu_.SpeichernUnter1, &QAction::triggered, this, [this] { SpeichernUnter1Click(); });
    connect(menu_.Schliessen1, &QAction::triggered, this, [this] { Schliessen1Click(); });
    connect(menu_.Beenden1, &QAction::triggered, this, [this] { close(); });
    connect(menu_.Werkzeugleiste1, &QAction::triggered, this, [this] { ToggleToolbar(); });
    connect(KlappPan, &QToolButton::clicked, this, [this] { ToggleToolbar(); });
    connect(menu_.Vollbild1, &QAction::triggered, this, [this] { Vollbild1Click(); });
    connect(menu_.Fenster1, &QAction::triggered, this, [this] { Fenster1Click(); });
    connect(menu_.Minimieren1, &QAction::triggered, this, [this] { Minimieren1Click(); });
    connect(menu_.Info1, &QAction::triggered, this, [this] { Info1Click(); });
    viewControls_->Connect(this);
    ConnectAuthoring();
    BindButtonToAction(side_.ZeigerBtn, tools_.action(pointerTool_));
    BindButtonToAction(side_.HandBtn, tools_.action(handTool_));
    drawing_ = new DrawingControls(*view_, tools_, LernKartPicImg,
                                   {side_.StiftBtn, side_.RadierBtn, side_.SymbolBtn,
                                    side_.TexteingabeBtn, side_.StrichdickeBtn, side_.FarbeBtn,
                                    side_.MarkEntfBtn, side_.RueckgaengigBtn},
                                   this);
    BindButtonToAction(side_.StiftBtn, drawing_->tools().action(DrawTool::Pen));
    BindButtonToAction(side_.RadierBtn, drawing_->tools().action(DrawTool::Eraser));
    BindButtonToAction(side_.SymbolBtn, drawing_->tools().action(DrawTool::Stamp));
    BindButtonToAction(side_.TexteingabeBtn, drawing_->tools().action(DrawTool::Text));
    addAction(drawing_->removeAllAction());
    drawing_->board().editorOpen = [this] { return ws_.EditorOpen || view_->editorOpen; };
    sheets_ = new SheetCommands(ws_, *view_, *drawing_, *viewHost_, side_.BlattBtn,
                                side_.BlattVerlassenPan, this);
    for (QAction* a : {menu_.Tonausgabe1, menu_.Namenseingabe1, menu_.Statusinformation1,
                       menu_.ProtokolleSpeichern1, menu_.BestenlisteEintragen1}) {
        connect(a, &QAction::toggled, this, [this] { ReadOptionsFromMenu(); });
    }
    connect(menu_.Statusinformation1, &QAction::toggled, this, [this] { UpdateModeControls(); });
}

void TForm1::ConnectExercise() {
    exercise_ = std::make_unique<ExerciseController>(ws_.doc, *view_, ws_.settings, UebungPan,
                                                     info_.UebStatusPan, this);
    exercise_->editorOpen = [this] { return ws_.EditorOpen; };
    connect(exercise_.get(), &ExerciseController::soundWanted, this,
            [this](bool right) { right ? PlayRightSound(false) : PlayWrongSound(false); });
    connect(exercise_.get(), &ExerciseController::runningChanged, this,
            [this](bool running) { ws_.SetExerciseRunning(running); });
    connect(exercise_.get(), &ExerciseController::modeChanged, this, [this](bool exercise) {
        if (exercise) {
            ws_.ViewMode = ViewModeKind::Exercise;
            UpdateModeControls();
        } else {
            ShowLearningView();
        }
    });
    connect(menu_.IndividualUebung1, &QAction::triggered, exercise_.get(),
            &ExerciseController::UebungStart1Click);
    connect(info_.UebungenBtn, &QToolButton::clicked, exercise_.get(),
            &ExerciseController::UebungStart1Click);
    connect(menu_.Uebungseinstellungen1, &QAction::triggered, exercise_.get(),
            &ExerciseController::UebOpt1Click);
    connect(menu_.UebungAbbrechen1, &QAction::triggered, exercise_.get(),
            &ExerciseController::Lernkarte1Click);
    connect(info_.LernKartBtn, &QToolButton::clicked, exercise_.get(),
            &ExerciseController::Lernkarte1Click);
}

TMeldForm* TForm1::meldForm() {
    return Made(meldForm_, this);
}

void TForm1::ConnectAuthoring() {
    authoring_ = new AuthoringConnector({this, ws_, *view_, tools_, pointerTool_, LernKartPicImg,
                                         menu_, side_, [this] { UpdateModeControls(); }});
    connect(authoring_, &AuthoringConnector::noticeChanged, this, [this](const QString& text) {
        if (text.isEmpty()) {
            if (meldForm_) meldForm_->HideNotice();
        } else {
            meldForm()->ShowNotice(QString(text).replace(QLatin1Char('|'), QLatin1Char('\n')));
        }
    });
    connect(&ws_.editor, &DocumentEditor::headerChanged, this, [this] { UpdateWindowTitle(); });
}

void TForm1::ConnectNavigation() {
    topicMenu_ = new TopicMenu(menu_.Themenauswahl);
    connect(topicMenu_, &TopicMenu::topicChosen, this, [this](int i) { OpenTopic(ws_, i); });
    topicMenu_->selectedTopic = [this] { return ws_.SelectedTopic; };
    connect(&ws_, &Workspace::topicListRereadNeeded, this, [this] { ws_.ReadTopicList(); });
    connect(&ws_, &Workspace::topicListChanged, this,
            [this] { topicMenu_->Fill(ws_.TopicList, ws_.SelectedTopic); });
    connect(&ws_, &Workspace::selectedTopicChanged, this,
            [this] { topicMenu_->Check(ws_.SelectedTopic); });

    const std::pair<QAction*, void (*)(Workspace&)> commands[] = {
        {menu_.Startseite1, &ShowStartPage},
        {menu_.ZuvorDokument1, &OpenPreviousDocument},
        {menu_.VorherigesDokument1, &OpenPreviousTopic},
        {menu_.NaechstesDokument1, &OpenNextTopic},
        {menu_.OrdnerNeuEinlesen1, &RereadCurrentFolder},
        {menu_.OrdnerWaehlen1, &ChooseFolder},
    };
    for (auto [action, command] : commands) {
        auto* f = command;
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, [this, f] {
            if (ws_.ViewMode == ViewModeKind::Learning) f(ws_);
        });
    }
    connect(info_.PrevDokPan, &QToolButton::clicked, this, [this] { OpenPreviousTopic(ws_); });
    connect(info_.HoverPanel1, &QToolButton::clicked, this, [this] { OpenNextTopic(ws_); });

    menu_.EditorSchriftart1->setEnabled(true);
    connect(menu_.EditorSchriftart1, &QAction::triggered, this,
            [this] { Made(editorFont_, this)->Execute(ws_.settings); });
}

} // namespace bw
