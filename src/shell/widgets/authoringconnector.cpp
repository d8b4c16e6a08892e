#include "shell/widgets/authoringconnector.h"

#include "authoring/newdocument.h"
#include "authoring/objectedittool.h"
#include "authoring/preview.h"
#include "authoring/toolwindowplace.h"
#include "authoring/widgets/authoringwindows.h"
#include "authoring/widgets/contenteditors.h"
#include "authoring/widgets/tautorassistform.h"
#include "authoring/widgets/tobjeditneuform.h"
#include "authoring/widgets/tvorschaubilderform.h"
#include "common/made.h"
#include "document/objtypes.h"
#include "platform/prompter.h"
#include "shell/widgets/mainmenu.h"
#include "shell/widgets/panels.h"
#include "shell/workspace.h"
#include "view/learnview.h"
#include "view/pointertools.h"
#include "view/widgets/tlernviewwidget.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMainWindow>
#include <QPlainTextEdit>

namespace bw {

AuthoringConnector::AuthoringConnector(const Parts& parts)
    : QObject(parts.window), p_(parts), tool_(new ObjectEditTool(this)) {
    Workspace& ws = p_.ws;
    windows_ = new AuthoringWindows(
        p_.window, ws.editor, [&ws] { return ws.CurrentFolder; },
        [&ws] {
            const Settings& s = ws.settings;
            return NewDocumentRatio{{s.DokSeitRatioArt, s.DokSeitRatioBreite, s.DokSeitRatioHoehe},
                                    s.DokSeitRatioNeuesBlattVollflaeche};
        },
        [&ws](const NewDocumentRatio& r) {
            Settings& s = ws.settings;
            s.DokSeitRatioArt = r.ratio.seitFest;
            s.DokSeitRatioBreite = r.ratio.breite;
            s.DokSeitRatioHoehe = r.ratio.hoehe;
            s.DokSeitRatioNeuesBlattVollflaeche = r.neuesBlattVollflaeche;
        });
    MainMenu& m = p_.menu;
    windows_->Bind({m.Autorenfunktion, m.BasisbildAusDatei1, m.BasisbildAusZwischenablage1,
                    m.BasisbildKopieren1, m.BasisbildLoeschen1, m.Seitenverhaeltnis1,
                    m.AutorDokumenteigenschaften1, m.Dokumenteigenschaften1, m.ObjekteLoeschen1,
                    m.BasisbildGroesse1, m.ObjekteTransformieren1});
    connect(windows_, &AuthoringWindows::editorSelectionClearNeeded, this, [this] {
        if (form_) form_->ShowObject(-1);
    });

    connect(m.NeuBildbeschriftung1, &QAction::triggered, this, [this] {
        if (NewDocument(DokBildbeschriftung)) OpenObjectEditor();
    });
    connect(m.DokumentBearbeiten1, &QAction::triggered, this,
            [this] { InhalteBearbeiten1Click(); });
    content_ = new ContentEditors(p_.window, ws.editor);
    connect(content_, &ContentEditors::editorFontRequested, this, [this] {
        // The menu's font dialog, then the choice in the open editor at once.
        p_.menu.EditorSchriftart1->trigger();
        ApplyEditorFont();
    });
    const std::pair<QAction*, int> newContent[] = {{m.NeuLueckentext1, DokLueckentext},
                                                   {m.NeuEinzelfragen1, DokEinzelfragen},
                                                   {m.NeuMultipleChoice1, DokMultipleChoice}};
    for (auto [action, typ] : newContent) {
        connect(action, &QAction::triggered, this, [this, typ] {
            // A new document keeps its type even when the editor is then cancelled.
            if (NewDocument(typ)) EditContent(typ);
        });
    }
    connect(m.ObjekteBearbeiten1, &QAction::triggered, this, [this] { OpenObjectEditor(); });
    connect(m.Vorschaubilder1, &QAction::triggered, this,
            [this] { Vorschaubildergenerieren1Click(); });
    connect(m.Assistent1, &QAction::triggered, this, [this] { Assistenteinblenden1Click(); });
    connect(p_.side.BeschrEditBtn, &QToolButton::clicked, this, [this] { OpenObjectEditor(); });
    p_.side.BeschrEditBtn->setVisible(ws.edition == Edition::Autor);
    // The entries follow the menu, which is enabled in the learning view of the authoring
    // edition only; their shortcuts must not act where the menu does not.
    connect(m.Autorenfunktion->menuAction(), &QAction::changed, this, [this] { updateEntries(); });
    for (auto signal : {&DocumentEditor::documentReplaced, &DocumentEditor::headerChanged})
        connect(&ws.editor, signal, this, [this] { updateEntries(); });
    connect(&ws, &Workspace::documentReplaced, this, [this] { updateEntries(); });
    m.Dokumenteigenschaften1->setEnabled(ws.edition == Edition::Basis);
    updateEntries();
    p_.window->installEventFilter(this);
}

AuthoringConnector::~AuthoringConnector() = default;

// The editors and the assistant are made when first needed: most lessons never open them,
// and the window shows sooner without them.
TObjEditneuForm* AuthoringConnector::objectEditor() {
    if (form_) return form_;
    form_ = new TObjEditneuForm(windows_->authoring(), p_.ws.editor, p_.view, p_.window);
    connect(form_, &TObjEditneuForm::testObject, this, [this](int index) {
        const int typ = p_.ws.doc.CurrentObjects[index].Typ;
        ClickResult r;
        r.index = index;
        r.kind = typ == TypInfopunkt    ? ClickResult::InfoPoint
                 : typ == TypLinkExtern ? ClickResult::ExternalLink
                                        : ClickResult::InternalLink;
        p_.viewWidget->activate(r);
    });
    connect(form_, &TObjEditneuForm::opened, this, [this] { editorOpened(); });
    connect(form_, &TObjEditneuForm::closed, this, [this] { editorClosed(); });
    connect(tool_, &ObjectEditTool::objectClicked, this, [this](int index) {
        form_->ShowObject(index);
        if (form_->BezMemo->isEnabled() && form_->BezMemo->isVisible()) form_->BezMemo->setFocus();
    });
    connect(tool_, &ObjectEditTool::dragged, form_, &TObjEditneuForm::ShowDragged);
    connect(tool_, &ObjectEditTool::dropped, form_, &TObjEditneuForm::ShowDropped);
    return form_;
}

TAutorAssistForm* AuthoringConnector::assistant() {
    if (assistant_) return assistant_;
    const MainMenu& m = p_.menu;
    assistant_ = new TAutorAssistForm(
        {m.NeuBildbeschriftung1, m.NeuLueckentext1, m.NeuEinzelfragen1, m.NeuMultipleChoice1,
         m.BasisbildAusDatei1, m.BasisbildAusZwischenablage1, m.BasisbildKopieren1,
         m.BasisbildLoeschen1, m.BasisbildGroesse1, m.DokumentBearbeiten1,
         m.AutorDokumenteigenschaften1, m.Speichern1, m.SpeichernUnter1},
        p_.window);
    connect(assistant_, &TAutorAssistForm::visibilityChanged, this, [this](bool visible) {
        p_.menu.Assistent1->setText(visible ? QStringLiteral("Assistent ausblenden")
                                            : QStringLiteral("&Assistent einblenden"));
    });
    return assistant_;
}

TVorschaubilderForm* AuthoringConnector::previewForm() {
    return Made(previews_, p_.window);
}

void AuthoringConnector::updateEntries() {
    const MainMenu& m = p_.menu;
    const bool on = p_.ws.edition == Edition::Autor && m.Autorenfunktion->isEnabled();
    for (QAction* a :
         {m.NeuBildbeschriftung1, m.Assistent1, m.AutorDokumenteigenschaften1, m.Seitenverhaeltnis1,
          m.BasisbildAusDatei1, m.BasisbildAusZwischenablage1, m.BasisbildKopieren1,
          m.BasisbildLoeschen1, m.BasisbildGroesse1, m.ObjekteBearbeiten1, m.ObjekteTransformieren1,
          m.ObjekteLoeschen1, m.Vorschaubilder1, m.NeuLueckentext1, m.NeuEinzelfragen1,
          m.NeuMultipleChoice1, m.DokumentBearbeiten1})
        a->setEnabled(on);
    p_.side.BeschrEditBtn->setEnabled(on);
}

void AuthoringConnector::ApplyEditorFont() {
    content_->SetEditorFont(EditorFont(p_.ws.settings.EditorSchriftart()));
}

bool AuthoringConnector::EditContent(int dokTyp) {
    if (p_.ws.edition != Edition::Autor) return false;
    ApplyEditorFont();
    if (!content_->Edit(dokTyp)) return false;
    p_.view.RebuildGeneratedObjects();
    return true;
}

void AuthoringConnector::Assistenteinblenden1Click() {
    if (assistant_ && assistant_->isVisible())
        assistant_->hide();
    else
        ShowAssistant();
}

void AuthoringConnector::ShowAssistant() {
    const QRect picture =
        BaseImageInView(p_.ws.doc, p_.view).translated(p_.viewWidget->bitmapOffset());
    assistant()->ShowBeside(p_.window, p_.viewWidget, picture);
}

void AuthoringConnector::Vorschaubildergenerieren1Click() {
    Workspace& ws = p_.ws;
    if (ws.EditorOpen) {
        prompter().ShowInfo(QStringLiteral("Bitte zuerst den Beschriftungseditor schließen."));
        return;
    }
    TVorschaubilderForm* previews = previewForm();
    if (previews->exec() != QDialog::Accepted) return;
    const int height = previews->Height();
    const QString folder = PreviewFolder(ws.doc.CurrentHeader.Datei, ws.CurrentFolder);
    if (!EnsurePreviewFolder(folder)) {
        prompter().ShowError(PreviewFolderErrorText(folder));
        return;
    }
    auto write = [this, &folder, height] {
        const QString path =
            QDir(folder).filePath(PreviewFileName(p_.ws.doc.CurrentHeader.Datei, height));
        if (!WritePreviewImage(p_.view.ViewImage(), height, path))
            prompter().ShowError(QStringLiteral("Datei konnte nicht erstellt werden:\r\n") +
                                 QDir::toNativeSeparators(path));
    };
    if (!previews->AllDocuments()) {
        write();
        return;
    }
    if (!ws.AskSaveChanges()) return;
    const QString docs = QFileInfo(folder).absolutePath();
    const QStringList files = QDir(docs).entryList(
        {QStringLiteral("*.bwk")}, QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
    emit noticeChanged(QStringLiteral("Vorschaubilder werden generiert.||Bitte warten."));
    int i = 0;
    for (const QString& f : files) {
        ++i;
        emit noticeChanged(PreviewProgressText(i, int(ws.TopicList.size())));
        if (ws.ReadDocument(QDir(docs).filePath(f), true)) write();
    }
    emit noticeChanged(QString());
    emit ws.titleChanged();
}

bool AuthoringConnector::NewDocument(int dokTyp) {
    Workspace& ws = p_.ws;
    if (!ws.ConfirmLeaveExercise() || !ws.AskSaveChanges()) return false;
    if (ws.EditorOpen) CloseObjectEditor();
    ws.CloseDocument();
    const Settings& s = ws.settings;
    MakeNewDocument(ws.doc, dokTyp, {s.DokSeitRatioArt, s.DokSeitRatioBreite, s.DokSeitRatioHoehe},
                    QImage(), QString(), QString());
    ws.editor.DocumentReplaced();
    ws.StartScreenVisible = false;
    emit ws.documentReplaced();
    emit ws.titleChanged();
    p_.tools.selectTool(p_.pointer);
    ShowAssistant();
    return true;
}

void AuthoringConnector::OpenObjectEditor() {
    Workspace& ws = p_.ws;
    if (ws.edition != Edition::Autor) return;
    if (ws.ViewMode != ViewModeKind::Learning) {
        prompter().ShowInfo(
            QStringLiteral("Beschriftungen können nur in der Lernansicht bearbeitet werden."));
        return;
    }
    if (ws.EditorOpen) return;
    p_.tools.selectTool(p_.pointer);
    for (ObjDataTyp& o : ws.doc.CurrentObjects)
        o.Abgedeckt = 0;
    for (QCheckBox* c : {p_.side.Ebene0Check, p_.side.Ebene1Check, p_.side.Ebene2Check})
        if (!c->isChecked()) c->setChecked(true);
    TObjEditneuForm* form = objectEditor();
    const QRect main = p_.window->frameGeometry();
    form->move(main.left() + main.width() - form->frameGeometry().width() - 4, main.top() + 4);
    form->show();
    p_.view.RedrawView();
}

void AuthoringConnector::CloseObjectEditor() {
    if (form_ && form_->isVisible()) form_->close();
}

void AuthoringConnector::InhalteBearbeiten1Click() {
    const int t = p_.ws.doc.CurrentHeader.DokTyp;
    if (t == DokLueckentext || t == DokEinzelfragen || t == DokMultipleChoice)
        EditContent(t);
    else
        OpenObjectEditor();
}

void AuthoringConnector::editorOpened() {
    p_.view.editorOpen = true;
    p_.ws.SetEditorOpen(true);
    p_.pointer->setOverride(tool_, p_.tools.context());
    p_.viewWidget->setContextMenu(form_->EditorPopupMenu1);
    // The editor's commands work from the view too; Ctrl+N and Ctrl+Del stay the main menu's.
    for (QAction* a : form_->actions())
        if (a != form_->Neu1 && a != form_->Entfernen1) p_.window->addAction(a);
}

void AuthoringConnector::editorClosed() {
    for (QAction* a : form_->actions())
        p_.window->removeAction(a);
    p_.viewWidget->setContextMenu(nullptr);
    p_.pointer->setOverride(nullptr, p_.tools.context());
    p_.view.editorOpen = false;
    p_.view.selectedObject = -1;
    p_.ws.SetEditorOpen(false);
    p_.view.SetNumberMode(p_.view.NumberMode, false);
    p_.view.RedrawView();
    if (p_.updateModeControls) p_.updateModeControls();
}

bool AuthoringConnector::eventFilter(QObject* watched, QEvent* e) {
    // With the editor open the plain arrow keys move the selected object's card.
    if (watched == p_.window && e->type() == QEvent::KeyPress && p_.ws.EditorOpen) {
        auto* k = static_cast<QKeyEvent*>(e);
        if ((k->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            switch (k->key()) {
            case Qt::Key_Left:
                form_->MoveCard(-1, 0);
                return true;
            case Qt::Key_Right:
                form_->MoveCard(1, 0);
                return true;
            case Qt::Key_Up:
                form_->MoveCard(0, -1);
                return true;
            case Qt::Key_Down:
                form_->MoveCard(0, 1);
                return true;
            default:
                break;
            }
        }
    }
    return QObject::eventFilter(watched, e);
}

} // namespace bw
