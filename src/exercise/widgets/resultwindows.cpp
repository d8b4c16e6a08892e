#include "exercise/widgets/resultwindows.h"

#include "common/made.h"
#include "document/document.h"
#include "exercise/bestlistfile.h"
#include "exercise/exercise.h"
#include "exercise/widgets/tbestlistform.h"
#include "exercise/widgets/tbestlistverzform.h"
#include "exercise/widgets/tnameeingabeform.h"
#include "exercise/widgets/tnotenskalaform.h"
#include "exercise/widgets/tuebfertigform.h"
#include "exercise/widgets/tuebprotokollform.h"
#include "platform/prompter.h"

#include <QGuiApplication>

namespace bw {

ResultWindows::ResultWindows(QWidget* window) : QObject(window), window_(window) {}

TUebFertigForm* ResultWindows::finishForm() {
    return Made(finishForm_, window_);
}

TUebProtokollForm* ResultWindows::protocolForm() {
    return Made(protocolForm_, *protocol_, window_);
}

TNotenskalaForm* ResultWindows::gradingForm() {
    return Made(gradingForm_, window_);
}

TNameEingabeForm* ResultWindows::nameForm() {
    return Made(nameForm_, window_);
}

TBestListForm* ResultWindows::bestListForm() {
    return Made(bestListForm_, window_);
}

TBestListVerzForm* ResultWindows::foldersForm() {
    return Made(foldersForm_, window_);
}

void ResultWindows::SetProtocol(ProtocolText& protocol) {
    protocol_ = &protocol;
    if (protocolForm_) protocolForm_->SetProtocol(protocol);
}

void ResultWindows::RunFinishWindow(Exercise& ex, const FinishWindowHooks& hooks) {
    RunEndSettings& s = ex.endSettings;
    finishForm()->Fill(ex.lastEnd, ex.ueb);
    finishForm()->onProtocol = [this, &s] { ShowProtocol(s.ProtOrdner); };
    finishForm()->onBestList = [this, &ex, &s] {
        if (ex.ueb.NetRole != 0) {
            ShowBestList(true, NetworkBestListPath(s.KomOrdner, s.KomKanal), s.ProtOrdner);
            return;
        }
        const QString& doc = ex.doc().CurrentHeader.Datei;
        ShowBestList(false,
                     doc.isEmpty() ? QString() : IndividualBestListPath(s.BestListOrdner, doc),
                     s.ProtOrdner);
    };
    finishForm()->onEnterBestList = [this, &ex, &s, &hooks] {
        if (hooks.endSettings) s = hooks.endSettings();
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        const bool entered = EnterInBestList(ex.ueb, ex.doc(), s, ex.lastEnd);
        QGuiApplication::restoreOverrideCursor();
        if (entered)
            finishForm()->ShowBestList(ex.lastEnd);
        else if (editFolders)
            editFolders();
    };
    for (;;) {
        if (finishForm()->exec() == QDialog::Accepted) {
            if (hooks.repeat && hooks.repeat(finishForm()->RepeatItem())) return;
            continue; // the repeat did not start: the result stays on screen
        }
        if (hooks.learningView) hooks.learningView();
        return;
    }
}

void ResultWindows::ShowProtocol(const QString& protocolFolder) {
    protocolForm()->SetProtocolFolder(protocolFolder);
    protocolForm()->ShowProtocol();
}

bool ResultWindows::EditGradingScale(std::array<double, 5>& boundaries) {
    return gradingForm()->Execute(boundaries);
}

bool ResultWindows::EditFolders(DataFolders& folders) {
    return foldersForm()->Execute(folders);
}

QString ResultWindows::AskName() {
    return nameForm()->Execute();
}

void ResultWindows::ShowBestList(bool network, const QString& path, const QString& saveFolder) {
    if (!network && path.isEmpty()) {
        prompter().ShowInfo(NoBestListWithoutFileText());
        return;
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    BestListLoadResult r = LoadBestList(path, network);
    QGuiApplication::restoreOverrideCursor();
    if (r.status == BestListLoadResult::Status::Missing)
        prompter().ShowInfo(r.message);
    else if (r.status == BestListLoadResult::Status::Unreadable)
        prompter().ShowError(r.message);
    SortBestList(r.entries);
    bestListForm()->setWindowTitle(BestListCaption(network));
    bestListForm()->SetSaveFolder(saveFolder);
    bestListForm()->SetList(r.entries);
    bestListForm()->exec();
}

} // namespace bw
