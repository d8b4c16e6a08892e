#pragma once

#include "exercise/protocoltext.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QPushButton;
class QStackedWidget;
class QTableWidget;
class QTextEdit;

namespace bw {

class NetTeacher;
class TProtKomForm;

// "Netzwerk-Übung - Kontrollanzeige": the participant grid, live, and the exercise
// information. Non-modal; it keeps its last state after the exercise ended.
class TMasterProtForm : public QDialog {
    Q_OBJECT
public:
    TMasterProtForm(NetTeacher& teacher, QWidget* parent = nullptr);

    // After an initiation: the grid for the teacher's columns and the new information.
    void PrepareParticipantGrid();
    // The caption with " - Status: aktiv" or " - Status: beendet".
    void UpdateCaption();
    // Shows the window with the grid page selected.
    void ShowDisplay();

    // What the window asks of the program.
    // EndNetworkExercise with confirmation; true when it ended.
    std::function<bool()> endNetworkExercise;

    void ZwAblKopierenClick();
    void SpeichernClick();
    void KommentarClick();
    void ZulassenClick();
    void BeendenClick();

    QTableWidget* TabGrid() const { return grid_; }
    QTextEdit* RichEdit1() const { return info_; }
    QCheckBox* ZulassenCheck() const { return allow_; }
    bool GridPageShown() const;
    void ShowPage(bool grid);
    const ProtocolText& Information() const { return information_; }

signals:
    // "Bestenliste..." was pressed.
    void bestListAsked();

private:
    void FillRow(int row);
    void RowChanged(int row, bool added);
    void RefreshInformation();

    NetTeacher& teacher_;
    ProtocolText information_;
    QTableWidget* grid_;
    QTextEdit* info_;
    QStackedWidget* pages_;
    QPushButton* gridBtn_;
    QPushButton* infoBtn_;
    QCheckBox* allow_;
    TProtKomForm* comment_;
};

} // namespace bw
