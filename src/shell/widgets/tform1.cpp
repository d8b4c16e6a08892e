#include "shell/widgets/tform1.h"

#include "drawing/widgets/drawingcontrols.h"
#include "exercise/widgets/exercisecontroller.h"
#include "platform/prompter.h"
#include "platform/system.h"
#include "shell/closing.h"
#include "shell/displaycheck.h"
#include "shell/navigation.h"
#include "shell/widgets/dialogs.h"
#include "common/made.h"
#include "shell/widgets/networkmenu.h"
#include "shell/widgets/viewcontrols.h"
#include "shell/windowplacement.h"
#include "view/learnview.h"
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

constexpr int kActivationFallbackMs = 500;

QString ForLabel(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

} // namespace

void TForm1::SetDisplayOverride(int width, int height, int depth) {
    displayW_ = width;
    displayH_ = height;
    displayDepth_ = depth;
}

QRect TForm1::WorkArea() const {
    if (displayW_ >= 0) return {0, 0, displayW_, displayH_};
    const QScreen* s = screen();
    return s ? s->availableGeometry() : QRect(QPoint(), kDesignedWindowSize);
}

void TForm1::SetFrameGeometry(const QRect& frame) {
    // Until the window manager has framed the window its frame is a guess.
    const QRect outer = frameGeometry(), inner = geometry();
    const QMargins margins =
        isVisible() ? QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                               outer.right() - inner.right(), outer.bottom() - inner.bottom())
                    : kFrameAllowance;
    resize(ClientRect(frame, margins).size());
    move(frame.topLeft()); // moves the frame, not the client area
}

void TForm1::PlaceOnScreen() {
    const WindowPlacement p = StartPlacement(WorkArea(), kDesignedWindowSize);
    SetFrameGeometry(p.frame);
    if (p.maximised) setWindowState(windowState() | Qt::WindowMaximized);
}

bool TForm1::FormCreate() {
    // Placed first, so that the messages below stand centred over the window.
    PlaceOnScreen();
    int w = displayW_, h = displayH_, depth = displayDepth_;
    if (w < 0) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        w = screen ? screen->geometry().width() : 0;
        h = screen ? screen->geometry().height() : 0;
        depth = screen ? screen->depth() : 0;
    }
    const QString warning = DisplayWarningText(w, h, depth);
    if (!warning.isEmpty() && !prompter().AskWarningYesNo(warning)) return false;

    setWindowTitle(ApplicationTitle(ws_.edition));
    ws_.FirstActivation = true;
    view_->NumberMode = 1;
    toolbarExpanded_ = 1;
    ws_.ViewMode = ViewModeKind::Learning;
    ws_.ResetHeader();
    ws_.PreviousDocument.clear();
    UpdateWindowTitle();

    // The stamp symbols are drawn from this font.
    if (!FontInstalled(StampFontFamily())) prompter().ShowWarning(SymbolFontWarningText());
    return true;
}

void TForm1::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (!ws_.FirstActivation || activationArmed_) return;
    activationArmed_ = true;
    // The first activation runs right after the first frame is on the screen, so the window
    // shows at once and the document follows; it does not wait for focus, which a window
    // manager may never give. A window that is never exposed gets it a moment later.
    if (QWindow* w = windowHandle()) w->installEventFilter(this);
    QTimer::singleShot(kActivationFallbackMs, this, [this] { FormActivate(); });
}

void TForm1::FormActivate() {
    if (!ws_.FirstActivation) return;
    ws_.settings = LoadSettingsInForce(ws_.ProgramFolder);
    sounds_.SetFolder(ws_.settings.SoundOrdner);
    ApplyOptionsToMenu();
    UpdateModeControls();
    // With a document to read, the start picture would be drawn only to be replaced.
    ShowLearningView(CommandLineDocument(commandLine_).isEmpty());

    StartInfoPan->setText(ForLabel(StartScreenText()));
    StartInfoPan->setVisible(ws_.StartScreenVisible);
    EvaluateCommandLine(ws_, commandLine_);
    StartInfoPan->setVisible(ws_.StartScreenVisible);
    // A document from the command line is on the screen before its folder is listed.
    if (!ws_.StartScreenVisible) repaint();
    ws_.ReadTopicList();
    ws_.FirstActivation = false;
}

QString TForm1::StartScreenText() const {
    QString text = QStringLiteral(
        "Um ein Brettwerk-Dokument anzuzeigen,\r\n\r\nrufen Sie das Menü \"Themenauswahl\" oder "
        "\"Datei / Öffnen\" auf.\r\n\r\n\r\n\r\n");
    if (ws_.edition == Edition::Autor)
        text += QStringLiteral("Um ein neues Dokument anzulegen, verwenden Sie das Menü "
                               "\"Autorenfunktion\".\r\n\r\n\r\n\r\n");
    text += QStringLiteral("Für ein neues Zeichenblatt\r\n\r\nklicken Sie auf den Knopf \"Neues "
                           "Blatt\" (rechts bei Zeichenblatt).\r\n");
    return text;
}

void TForm1::ApplyOptionsToMenu() {
    const Settings& s = ws_.settings;
    const QSignalBlocker b1(menu_.Tonausgabe1), b2(menu_.Namenseingabe1),
        b3(menu_.Statusinformation1), b4(menu_.ProtokolleSpeichern1),
        b5(menu_.BestenlisteEintragen1);
    menu_.Tonausgabe1->setChecked(s.OptSound);
    menu_.Namenseingabe1->setChecked(s.OptUebNameEingabe);
    menu_.Statusinformation1->setChecked(s.OptUebStatusInfo);
    menu_.ProtokolleSpeichern1->setChecked(s.OptAutoProtSpeichern);
    menu_.BestenlisteEintragen1->setChecked(s.OptErgebBestListEintragen);
    sounds_.SetEnabled(s.OptSound);
}

void TForm1::ReadOptionsFromMenu() {
    Settings& s = ws_.settings;
    s.OptSound = menu_.Tonausgabe1->isChecked();
    s.OptUebNameEingabe = menu_.Namenseingabe1->isChecked();
    s.OptUebStatusInfo = menu_.Statusinformation1->isChecked();
    s.OptAutoProtSpeichern = menu_.ProtokolleSpeichern1->isChecked();
    s.OptErgebBestListEintragen = menu_.BestenlisteEintragen1->isChecked();
    sounds_.SetEnabled(s.OptSound);
    if (!s.OptSound) sounds_.Stop();
}

void TForm1::ShowLearningView(bool redraw) {
    ws_.ViewMode = ViewModeKind::Learning;
    UpdateModeControls();
    UebungPan->hide();
    const bool expanded = toolbarExpanded_ == 1;
    side_.LernInfoPan->setVisible(expanded);
    KlappPan->setText(expanded ? QStringLiteral(">") : QStringLiteral("<"));
    KlappPan->setToolTip(expanded ? QStringLiteral("Werkzeugleiste zuklappen")
                                  : QStringLiteral("Werkzeugleiste aufklappen"));
    menu_.Werkzeugleiste1->setText(expanded ? QStringLiteral("Werkzeugleiste zu&klappen")
                                            : QStringLiteral("Werkzeugleiste auf&klappen"));
    LayoutViewArea();
    if (redraw) drawing_->board().RedrawKeepingDrawings();
}

void TForm1::LayoutViewArea() {
    const QRect r = LernKartPan->rect();
    // The picture control leaves 17 pixels for the panel's scroll bar.
    const int w = std::max(0, r.width() - 17);
    LernKartPicImg->setGeometry(0, 0, w, r.height());
    view_->SetViewSize(w, r.height());
    StartInfoPan->setGeometry(r);
    UebungPan->setGeometry(9, 8, std::max(0, r.width() - 17), std::max(0, r.height() - 16));
    if (StartInfoPan->isVisible()) StartInfoPan->raise();
}

void TForm1::UpdateModeControls() {
    const bool learning = ws_.ViewMode == ViewModeKind::Learning;
    const bool exercise = ws_.ViewMode == ViewModeKind::Exercise;
    const bool status = exercise && ws_.settings.OptUebStatusInfo;
    // The title and the status panel share the top bar. Showing a control lays out its parent
    // at once, so the one that goes is hidden first: with both shown for a moment, the window
    // would grow past a 1024-pixel screen and stay that wide.
    if (!learning) info_.TitelPan->setVisible(false);
    if (!status) info_.UebStatusPan->setVisible(false);
    info_.TitelPan->setVisible(learning);
    info_.UebStatusPan->setVisible(status);
    info_.LernKartBtn->setChecked(learning);
    info_.LernKartBtn->setText(exercise ? QStringLiteral("Übung abbrechen")
                                        : QStringLiteral("Lernansicht"));
    for (QAction* a : {menu_.Oeffnen1, menu_.Schliessen1})
        a->setEnabled(learning);
    menu_.Themenauswahl->setEnabled(learning);
    menu_.Lernansicht->setEnabled(learning);
    menu_.Autorenfunktion->setEnabled(learning && ws_.edition == Edition::Autor);
    menu_.Lehrersteuerung->setEnabled(learning);
    viewControls_->SetEnabled(learning);
    LernKartPicImg->setLearningView(learning);
    LernKartPicImg->setVisible(!exercise);
    const bool offered = exercise_ && exercise_->Offered();
    menu_.IndividualUebung1->setEnabled(offered);
    menu_.Uebungseinstellungen1->setEnabled(offered);
    menu_.UebungAbbrechen1->setEnabled(exercise);
    info_.UebungenBtn->setEnabled(offered);
    const bool participant = exercise_ && exercise_->exercise().ueb.NetRole == 1;
    info_.UebungenBtn->setChecked(exercise && !participant);
    info_.NetzUebTeilnehmenBtn->setChecked(exercise && participant);
}

void TForm1::UpdateWindowTitle() {
    setWindowTitle(WindowCaption(ApplicationTitle(ws_.edition), ws_.doc.CurrentHeader.Datei));
    info_.DokTitelLab->SetTitle(
        TitleLabelText(ws_.SelectedTopic, ws_.doc.CurrentHeader.titel, titleShown_),
        titleShown_ ? QStringLiteral("Titel verbergen") : QStringLiteral("Titel anzeigen"));
}

void TForm1::ToggleTitleShown() {
    titleShown_ = !titleShown_;
    UpdateWindowTitle();
}

void TForm1::ToggleToolbar() {
    toolbarExpanded_ = toolbarExpanded_ == 1 ? 0 : 1;
    ShowLearningView();
}

QString TForm1::PlaySoundFile(const QString& name, bool wait, bool loop) {
    return sounds_.PlaySoundFile(name, wait, loop);
}

void TForm1::Info1Click() {
    Made(infoBox_, ApplicationTitle(ws_.edition), this)->exec();
}

void TForm1::Vollbild1Click() {
    resizeEnabled_ = false;
    showFullScreen();
    raise();
    activateWindow();
    resizeEnabled_ = true;
    ShowLearningView();
}

void TForm1::Fenster1Click() {
    resizeEnabled_ = false;
    showNormal();
    showMaximized();
    raise();
    activateWindow();
    resizeEnabled_ = true;
    ShowLearningView();
}

void TForm1::Minimieren1Click() {
    showMinimized();
}

bool TForm1::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::Expose && watched == windowHandle() && windowHandle()->isExposed()) {
        windowHandle()->removeEventFilter(this);
        // Queued: the expose paints and flushes the first frame before this runs.
        QTimer::singleShot(0, this, [this] { FormActivate(); });
    }
    if (watched == info_.DokTitelLab && e->type() == QEvent::MouseButtonPress) {
        ToggleTitleShown();
        return true;
    }
    if (watched == LernKartPan && e->type() == QEvent::Resize) {
        const QSize before = view_->ViewSize();
        LayoutViewArea();
        if (view_->ViewSize() != before && !ws_.Closing && !ws_.FirstActivation)
            drawing_->board().RedrawKeepingDrawings();
    }
    return QMainWindow::eventFilter(watched, e);
}

void TForm1::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    if (ws_.FirstActivation || ws_.Closing || !resizeEnabled_) return;
    // The view panel's own resize has redrawn already when the view changed size.
    if (ws_.ViewMode == ViewModeKind::Learning) ShowLearningView(false);
}

void TForm1::keyPressEvent(QKeyEvent* e) {
    if (HandleViewKey(e)) return;
    QMainWindow::keyPressEvent(e);
}

bool TForm1::HandleViewKey(QKeyEvent* e) {
    const bool keypad = e->modifiers() & Qt::KeypadModifier;
    const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
    if (e->key() == Qt::Key_G && mods == (Qt::ShiftModifier | Qt::AltModifier)) {
        showNormal();
        SetFrameGeometry(FitIntoWorkArea(QRect(QPoint(0, 0), kDesignedWindowSize), WorkArea()));
        return true;
    }
    if (mods == Qt::ControlModifier && keypad && e->key() == Qt::Key_Plus) {
        view_->ZoomIn();
        return true;
    }
    if (mods == Qt::ControlModifier && keypad && e->key() == Qt::Key_Minus) {
        view_->ZoomOut();
        return true;
    }
    const int dokTyp = ws_.doc.CurrentHeader.DokTyp;
    const int questions = ws_.doc.CurrentHeader.AnzFrageNummern;
    if (mods == Qt::NoModifier && IsQuestionDocument(dokTyp) && questions >= 1 && !ws_.EditorOpen) {
        const int q = view_->CurrentQuestion;
        switch (e->key()) {
        case Qt::Key_End:
            view_->SetCurrentQuestion(questions);
            return true;
        case Qt::Key_Home:
            view_->SetCurrentQuestion(1);
            return true;
        case Qt::Key_Left:
            view_->SetCurrentQuestion(std::max(1, q - 1));
            return true;
        case Qt::Key_Right:
            view_->SetCurrentQuestion(std::min(questions, q + 1));
            return true;
        default:
            break;
        }
    }
    return false;
}

bool TForm1::FormCloseQuery() {
    if (!ws_.ConfirmLeaveExercise()) return false;
    if (!ws_.AskSaveChanges()) return false;
    const QString chronicle = ChronicleQuestionText(int(chronicleFiles_.size()), chronicleFolder_);
    if (!chronicle.isEmpty()) {
        switch (prompter().AskYesNoCancel(chronicle)) {
        case YesNoCancel::Yes:
            DeleteChronicleFiles();
            break;
        case YesNoCancel::No:
            break;
        case YesNoCancel::Cancel:
            return false;
        }
    }
    if (ws_.edition == Edition::Basis) {
        const bool quit = quitConfirmer_ ? quitConfirmer_()
                                         : Made(endeInfoForm_, this)->exec() == QDialog::Accepted;
        if (!quit) return false;
    }
    ws_.Closing = true;
    network_->Shutdown();
    ZeitTimer->stop();
    sounds_.Stop();
    ReadOptionsFromMenu();
    // A failed write of the settings must not keep the program from closing.
    SaveSettings(ws_.settings);
    return true;
}

void TForm1::DeleteChronicleFiles() {
    for (const QString& f : std::as_const(chronicleFiles_))
        QFile::remove(f);
    chronicleFiles_.clear();
}

void TForm1::closeEvent(QCloseEvent* e) {
    if (closeAccepted_ || FormCloseQuery()) {
        closeAccepted_ = true;
        e->accept();
    } else {
        e->ignore();
    }
}

} // namespace bw
