#include "common/helpers.h"
#include "shell/workspace.h"

#include "document/docfile.h"
#include "platform/prompter.h"
#include "common/messages.h"

#include <QDir>
#include <QFileInfo>

namespace bw {

const QString Workspace::kDocumentFilter = QStringLiteral(
    "Brettwerk-Dokument (*.bwk)|*.bwk|QLX-Dokument (*.qlx)|*.qlx|Alle Dateien (*.*)|*.*");

bool Workspace::ConfirmLeaveExercise() {
    if (!ExerciseRunning())
        return true;
    return prompter().AskYesNo(
        QStringLiteral("Die aktuelle Übung ist noch nicht beendet.\r\nÜbung wirklich abbrechen?"));
}

bool Workspace::AskSaveChanges() {
    if (!doc.CurrentHeader.Geaendert)
        return true;
    const QString& datei = doc.CurrentHeader.Datei;
    const QString question =
        datei.isEmpty() ? QStringLiteral("Aktuelles Dokument speichern?")
                        : QStringLiteral("Änderungen im aktuellen Dokument unter \"") + datei +
                              QStringLiteral("\" speichern?");
    switch (prompter().AskYesNoCancel(question)) {
    case YesNoCancel::Yes:
        // A failed or cancelled save must not let the changes be thrown away.
        return Speichern();
    case YesNoCancel::No:
        return true;
    case YesNoCancel::Cancel:
        return false;
    }
    return false;
}

void Workspace::ResetHeader() {
    if (!doc.CurrentHeader.Datei.isEmpty())
        PreviousDocument = doc.CurrentHeader.Datei;
    doc.ResetHeader({settings.DokSeitRatioArt, settings.DokSeitRatioBreite,
                     settings.DokSeitRatioHoehe});
    SelectedTopic = -1;
}

void Workspace::ResetDocument() {
    doc.ClearObjects();
    ResetHeader();
    StartScreenVisible = false;
}

void Workspace::CloseDocument() {
    doc.BaseImage = Picture(StartBasisbild());
    ResetDocument();
    editor.DocumentReplaced();
    StartScreenVisible = true;
    emit documentReplaced();
    emit topicListRereadNeeded();
    emit titleChanged();
}

bool Workspace::ReadDocument(const QString& path, bool makeCurrent) {
    ResetHeader();
    const DocResult r = ReadDocumentFile(path, doc, EditorOpen);
    ShowDocMessages(r, path);
    if (!r.ok) {
        // The reader left the empty start document; bring the window to that state.
        CloseDocument();
        return false;
    }
    SelectedTopic = -1;
    editor.DocumentReplaced();
    if (makeCurrent) {
        CurrentFolder = FolderWithSlash(QFileInfo(path).absolutePath());
        StartScreenVisible = false;
        ViewMode = ViewModeKind::Learning;
        emit showLearningView();
    }
    emit documentReplaced();
    emit titleChanged();
    return true;
}

bool Workspace::WriteDocument(const QString& path, bool makeCurrent) {
    const DocResult r = WriteDocumentFile(path, doc);
    ShowDocMessages(r, path);
    if (!r.ok)
        return false;
    if (makeCurrent) {
        doc.CurrentHeader.Datei = path;
        editor.MarkSaved();
        emit titleChanged();
    }
    return true;
}

QString Workspace::DialogFolder() const {
    if (!doc.CurrentHeader.Datei.isEmpty())
        return QFileInfo(doc.CurrentHeader.Datei).absolutePath();
    return CurrentFolder;
}

void Workspace::Oeffnen() {
    if (!ConfirmLeaveExercise() || !AskSaveChanges())
        return;
    const QString path = prompter().GetOpenFileName(QStringLiteral("Dokument öffnen"),
                                                    DialogFolder(), kDocumentFilter,
                                                    QStringLiteral("bwk"));
    if (path.isEmpty())
        return;
    ReadDocument(path, true);
    emit topicListRereadNeeded();
}

bool Workspace::Speichern() {
    // A document without a file goes through the save dialog.
    if (doc.CurrentHeader.Datei.isEmpty())
        return SpeichernUnter();
    const bool ok = WriteDocument(doc.CurrentHeader.Datei, true);
    if (ok)
        emit topicListRereadNeeded();
    return ok;
}

bool Workspace::SpeichernUnter() {
    const QString& datei = doc.CurrentHeader.Datei;
    const QString fileName = datei.isEmpty() ? QString() : QFileInfo(datei).fileName();
    QString path = prompter().GetSaveFileName(QStringLiteral("Dokument speichern unter"),
                                              DialogFolder(), fileName, kDocumentFilter,
                                              QStringLiteral("bwk"));
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".bwk");
    if (!WriteDocument(path, true))
        return false;
    // The saved document now belongs to the folder it was saved in.
    CurrentFolder = FolderWithSlash(QFileInfo(path).absolutePath());
    emit topicListRereadNeeded();
    return true;
}

void Workspace::Schliessen() {
    if (!ConfirmLeaveExercise() || !AskSaveChanges())
        return;
    CloseDocument();
}

} // namespace bw
