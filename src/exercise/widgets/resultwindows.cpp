#include "exercise/widgets/resultwindows.h"

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

ResultWindows::ResultWindows(QWidget* window)
    : QObject(window), finishForm_(new TUebFertigForm(window)),
      protocolForm_(new TUebProtokollForm(noProtocol_, window)),
      gradingForm_(new TNotenskalaForm(window)), nameForm_(new TNameEingabeForm(window)),
      bestListForm_(new TBestListForm(window)), foldersForm_(new TBestListVerzForm(window)) {}

void ResultWindows::SetProtocol(ProtocolText& protocol) {
    protocol_ = &protocol;
    protocolForm_->SetProtocol(protocol);
}

void ResultWindows::RunFinishWindow(Exercise& ex, const FinishWindowHooks& hooks) {
    RunEndSettings& s = ex.endSettings;
    finishForm_->Fill(ex.lastEnd, ex.ueb);
    finishForm_->onProtocol = [this, &s] { ShowProtocol(s.ProtOrdner); };
    finishForm_->onBestList = [this, &ex, &s] {
        if (ex.ueb.NetRole != 0) {
            ShowBestList(true, NetworkBestListPath(s.KomOrdner, s.KomKanal), s.ProtOrdner);
            return;
        }
        const QString& doc = ex.doc().CurrentHeader.Datei;
        ShowBestList(false,
                     doc.isEmpty() ? QString() : IndividualBestListPath(s.BestListOrdner, doc),
                     s.ProtOrdner);
    };
    finishForm_->onEnterBestList = [this, &ex, &s, &hooks] {
        if (hooks.endSettings) s = hooks.endSettings();
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        const bool entered = EnterInBestList(ex.ueb, ex.doc(), s, ex.lastEnd);
        QGuiApplication::restoreOverrideCursor();
        if (entered)
            finishForm_->ShowBestList(ex.lastEnd);
        else if (editFolders)
            editFolders();
    };
    for (;;) {
        if (finishForm_->exec() == QDialog::Accepted) {
            if (hooks.repeat && hooks.repeat(finishForm_->RepeatItem())) return;
            continue; // the repeat did not start: the result stays on screen
        }
        if (hooks.learningView) hooks.learningView();
        return;
    }
}

void ResultWindows::ShowProtocol(const QString& protocolFolder) {
    protocolForm_->SetProtocolFolder(protocolFolder);
    protocolForm_->ShowProtocol();
}

bool ResultWindows::EditGradingScale(std::array<double, 5>& boundaries) {
    return gradingForm_->Execute(boundaries);
}

bool ResultWindows::EditFolders(DataFolders& folders) {
    return foldersForm_->Execute(folders);
}

QString ResultWindows::AskName() {
    return nameForm_->Execute();
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
    bestListForm_->setWindowTitle(BestListCaption(network));
    bestListForm_->SetSaveFolder(saveFolder);
    bestListForm_->SetList(r.entries);
    bestListForm_->exec();
}

} // namespace bw
