#pragma once

#include <QString>
#include <array>
#include <optional>

namespace bw {

// The program's data folders chosen in the "Dateiordner" dialog.
struct DataFolders {
    enum Index { BestListen, Protokolle, Chronik, Tauschboerse, Count };
    std::array<QString, Count> folder;
};

struct DataFolderProblem {
    DataFolders::Index index;
    QString message;
};

// What "OK" checks, in the order chronicle, protocols, best lists, exchange platform: each
// non-empty path gets its trailing separator, and each must be an existing folder.
std::optional<DataFolderProblem> CheckDataFolders(DataFolders& f);

// The group caption, explanation and folder-browser title of each folder.
QString DataFolderGroupCaption(DataFolders::Index i);
QString DataFolderExplanation(DataFolders::Index i);
QString DataFolderBrowseTitle(DataFolders::Index i);
// The two lines under all groups.
QString DataFolderFootnote();

} // namespace bw
