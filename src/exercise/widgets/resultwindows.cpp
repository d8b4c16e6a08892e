#include "exercise/widgets/resultwindows.h"

#include "exercise/bestlistfile.h"
#include "exercise/widgets/tbestlistform.h"
#include "exercise/widgets/tbestlistverzform.h"
#include "exercise/widgets/tnameeingabeform.h"
#include "exercise/widgets/tnotenskalaform.h"
#include "exercise/widgets/tuebprotokollform.h"
#include "platform/prompter.h"

#include <QGuiApplication>

namespace bw {

ResultWindows::ResultWindows(QWidget* window)
    : QObject(window), protocolForm_(new TUebProtokollForm(protocol_, window)),
      gradingForm_(new TNotenskalaForm(window)), nameForm_(new TNameEingabeForm(window)),
      bestListForm_(new TBestListForm(window)), foldersForm_(new TBestListVerzForm(window)) {}

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
