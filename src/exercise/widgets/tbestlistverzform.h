#pragma once

#include "exercise/bestlistfolders.h"

#include <QDialog>

class QLineEdit;

namespace bw {

// "Dateiordner": the folders for best lists, protocols, chronicle screenshots and the
// exchange platform's downloads.
class TBestListVerzForm : public QDialog {
    Q_OBJECT
public:
    explicit TBestListVerzForm(QWidget* parent = nullptr);

    // Shows the folders; "OK" with four existing folders stores them and returns true.
    bool Execute(DataFolders& folders);
    void SetFolders(const DataFolders& folders);
    const DataFolders& Folders() const { return folders_; }

    QLineEdit* field(DataFolders::Index i) const { return fields_[i]; }
    void DurchsuchenClick(DataFolders::Index i);
    void accept() override;

private:
    std::array<QLineEdit*, DataFolders::Count> fields_{};
    DataFolders folders_;
};

} // namespace bw
