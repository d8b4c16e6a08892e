#pragma once

#include <QWidget>

class QAction;
class QPushButton;

namespace bw {

// "Autorenassistent": a small window beside the view with one button per authoring step;
// each button runs the main window's command.
class TAutorAssistForm : public QWidget {
    Q_OBJECT
public:
    struct Commands {
        QAction *neuBildbeschriftung, *neuLueckentext, *neuEinzelfragen, *neuMultipleChoice;
        QAction *basisbildAusDatei, *basisbildAusZwischenablage, *basisbildKopieren,
            *basisbildLoeschen, *basisbildGroesse;
        QAction *dokumentBearbeiten, *dokumenteigenschaften, *speichern, *speichernUnter;
    };
    TAutorAssistForm(const Commands& commands, QWidget* parent = nullptr);

    // Shows the assistant beside the main window or over its picture control, clear of
    // the side toolbar and, where there is room, of the picture (pictureInView, in the
    // control's coordinates).
    void ShowBeside(QWidget* window, QWidget* view, const QRect& pictureInView);

    // "Tastenkürzel: " and the shortcut in German key names.
    static QString ShortcutHint(const QKeySequence& key);

    QPushButton* NeuBtn;

signals:
    void visibilityChanged(bool visible);

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
};

} // namespace bw
