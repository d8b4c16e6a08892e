#include "shell/navigation.h"
#include "common/helpers.h"

#include "platform/prompter.h"
#include "shell/topiclist.h"
#include "shell/workspace.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <algorithm>

namespace bw {

namespace {

bool MayReplaceDocument(Workspace& ws) {
    return ws.ConfirmLeaveExercise() && ws.AskSaveChanges();
}

void OpenTopicAt(Workspace& ws, int index) {
    if (index < 0 || index >= int(ws.TopicList.size())) return;
    // Taken before asking: saving the open document re-reads the list, from another
    // folder when a new document is stored there, and a failed read re-reads it too.
    const QString path = ws.TopicList[index].Pfad;
    if (!MayReplaceDocument(ws)) return;
    ws.ReadDocument(path, true);
    if (!SameDocumentPath(ws.doc.CurrentHeader.Datei, path)) return;
    const bool sameEntry =
        index < int(ws.TopicList.size()) && SameDocumentPath(ws.TopicList[index].Pfad, path);
    if (!sameEntry && FindTopic(ws.TopicList, path) < 0) {
        // The list shows another folder now: list the document's own again.
        ws.ReadTopicList();
        return;
    }
    ws.SelectedTopic = sameEntry ? index : FindTopic(ws.TopicList, path);
    emit ws.selectedTopicChanged();
    emit ws.titleChanged();
}

void Step(Workspace& ws, int delta) {
    if (ws.ViewMode != ViewModeKind::Learning) return;
    const int last = int(ws.TopicList.size()) - 1;
    int index = -1;
    if (last >= 0) index = ws.SelectedTopic < 0 ? 0 : std::clamp(ws.SelectedTopic + delta, 0, last);
    if (index == ws.SelectedTopic) return;
    OpenTopicAt(ws, index);
}

} // namespace

void Workspace::ReadTopicList() {
    SelectedTopic = -1;
    const QString& datei = doc.CurrentHeader.Datei;
    const QString folder = datei.isEmpty() ? CurrentFolder : QFileInfo(datei).absolutePath();
    TopicList = bw::ReadTopicList(folder);
    SelectedTopic = FindTopic(TopicList, datei);
    emit topicListChanged();
    emit titleChanged();
}

void OpenTopic(Workspace& ws, int index) {
    OpenTopicAt(ws, index);
}

void OpenNextTopic(Workspace& ws) {
    Step(ws, +1);
}

void OpenPreviousTopic(Workspace& ws) {
    Step(ws, -1);
}

void ShowStartPage(Workspace& ws) {
    if (!MayReplaceDocument(ws)) return;
    if (!ws.StartDocument.isEmpty()) {
        const QString path = ws.StartDocument;
        ws.ReadDocument(path, true);
        ws.ReadTopicList();
        return;
    }
    // The open dialog starts in CurrentFolder once no document is open.
    ws.CurrentFolder = ws.StartFolder;
    ws.CloseDocument();
}

void OpenPreviousDocument(Workspace& ws) {
    if (ws.ViewMode != ViewModeKind::Learning || ws.PreviousDocument.isEmpty()) return;
    // Like every other command that replaces the document: unsaved changes are not dropped.
    if (!MayReplaceDocument(ws)) return;
    // Reading moves the open document into PreviousDocument.
    const QString path = ws.PreviousDocument;
    ws.ReadDocument(path, true);
    ws.ReadTopicList();
}

QString TopicsReadMessage(int count) {
    return QString::number(count) + QStringLiteral(" Themendokument(e) eingelesen.\r\n") +
           QStringLiteral("Wählen Sie das gewünschte Dokument im Menü \"Themenauswahl\".");
}

void RereadCurrentFolder(Workspace& ws) {
    ws.ReadTopicList();
    prompter().ShowInfo(TopicsReadMessage(int(ws.TopicList.size())));
}

void ChooseFolder(Workspace& ws) {
    const QString folder =
        prompter().GetFolder(QStringLiteral("Aktuellen Ordner wählen"), ws.CurrentFolder);
    if (folder.isEmpty()) return;
    // Choosing a folder closes the document: ask about it first.
    if (!MayReplaceDocument(ws)) return;
    ws.CurrentFolder = FolderWithSlash(folder);
    ws.CloseDocument();
    prompter().ShowInfo(TopicsReadMessage(int(ws.TopicList.size())));
}

namespace {

QFileInfo CommandLineArgument(const QStringList& args) {
    QString arg = args.isEmpty() ? QString() : args.first();
    // A desktop launcher may hand over a file URL.
    if (arg.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) arg = QUrl(arg).toLocalFile();
    return arg.isEmpty() ? QFileInfo() : QFileInfo(QDir::fromNativeSeparators(arg));
}

} // namespace

QString CommandLineDocument(const QStringList& args) {
    const QFileInfo fi = CommandLineArgument(args);
    if (fi.filePath().isEmpty() || fi.isDir() || fi.fileName().isEmpty()) return QString();
    return fi.absoluteFilePath();
}

void EvaluateCommandLine(Workspace& ws, const QStringList& args) {
    const QFileInfo fi = CommandLineArgument(args);
    if (fi.filePath().isEmpty()) {
        ws.StartFolder = FolderWithSlash(ws.ProgramFolder);
    } else if (fi.isDir()) {
        ws.StartFolder = FolderWithSlash(fi.absoluteFilePath());
    } else {
        ws.StartFolder = FolderWithSlash(fi.absolutePath());
        const QString path = CommandLineDocument(args);
        // Only a document that opened is worth returning to with "&Startseite".
        if (!path.isEmpty() && ws.ReadDocument(path, true)) ws.StartDocument = path;
    }
    ws.CurrentFolder = ws.StartFolder;
}

} // namespace bw
