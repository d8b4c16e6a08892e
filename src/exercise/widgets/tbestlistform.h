#pragma once

#include "exercise/bestlist.h"

#include <QDialog>

class QPushButton;
class QTableWidget;

namespace bw {

// The best-list window: one row per entry, in the order of the list.
class TBestListForm : public QDialog {
    Q_OBJECT
public:
    explicit TBestListForm(QWidget* parent = nullptr);

    // Fills the grid from a sorted list.
    void SetList(const QList<BestListDataTyp>& list);
    // The start folder of the save dialog.
    void SetSaveFolder(const QString& folder) { folder_ = folder; }

    void ZwischenablageClick();
    void SpeichernClick();

    QTableWidget* grid() const { return grid_; }
    QPushButton* printButton() const { return printBtn_; }
    QString ExportText() const { return BestListExportText(list_); }

private:
    QList<BestListDataTyp> list_;
    QString folder_;
    QTableWidget* grid_;
    QPushButton* printBtn_ = nullptr;
};

} // namespace bw
