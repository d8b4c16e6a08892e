#pragma once

#include "drawing/drawingboard.h"
#include "drawing/drawingtools.h"

#include <QObject>

class QAction;
class QLineEdit;
class QMenu;
class QToolButton;

namespace bw {

class TLernViewWidget;

// The side toolbar's drawing buttons, their popup menus and the text box, bound to the
// drawing board and the tools.
class DrawingControls : public QObject {
    Q_OBJECT
public:
    struct Buttons {
        QToolButton* StiftBtn = nullptr;
        QToolButton* RadierBtn = nullptr;
        QToolButton* SymbolBtn = nullptr;
        QToolButton* TexteingabeBtn = nullptr;
        QToolButton* StrichdickeBtn = nullptr;
        QToolButton* FarbeBtn = nullptr;
        QToolButton* MarkEntfBtn = nullptr;
        QToolButton* RueckgaengigBtn = nullptr;
    };

    DrawingControls(LearnView& view, ToolManager& tools, TLernViewWidget* viewWidget,
                    const Buttons& buttons, QObject* parent = nullptr);

    DrawingBoard& board() { return board_; }
    DrawingTools& tools() { return tools_; }
    // "Alle &Zeichnungen entfernen" (Ctrl+Del), shared by the menu and MarkEntfBtn.
    QAction* removeAllAction() const { return removeAll_; }
    QLineEdit* textBox() const { return textBox_; }
    bool EditorOpen() const { return board_.EditorOpen(); }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QMenu* widthMenu(QWidget* parent);
    QMenu* colourMenu(QWidget* parent);
    QMenu* symbolMenu(QWidget* parent);
    QMenu* widthMenu_ = nullptr;
    QMenu* colourMenu_ = nullptr;
    QMenu* symbolMenu_ = nullptr;
    void placeTextBox(QPoint viewPoint);
    void updateTextBoxFont();

    DrawingBoard board_;
    DrawingTools tools_;
    TLernViewWidget* viewWidget_;
    QAction* removeAll_;
    QLineEdit* textBox_;
};

} // namespace bw
