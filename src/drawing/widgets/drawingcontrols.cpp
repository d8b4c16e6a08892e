#include "drawing/widgets/drawingcontrols.h"

#include "drawing/penpainter.h"
#include "view/widgets/tlernviewwidget.h"

#include <QAction>
#include <QActionGroup>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QToolButton>

namespace bw {

namespace {

QIcon Swatch(QColor c) {
    QPixmap pm(24, 16);
    pm.fill(c);
    QPainter p(&pm);
    p.setPen(Qt::gray);
    p.drawRect(pm.rect().adjusted(0, 0, -1, -1));
    return QIcon(pm);
}

QIcon WidthPicture(int step) {
    QImage img(32, 24, QImage::Format_RGB32);
    img.fill(Qt::white);
    PaintPenSegment(img, {6, 12}, {25, 12}, StrokeWidth(step), Qt::black, img.rect());
    return QIcon(QPixmap::fromImage(img));
}

QIcon SymbolPicture(int index) {
    QImage img(32, 32, QImage::Format_RGB32);
    img.fill(Qt::white);
    DrawCentredGlyph(img, 16, 16, Qt::black, 16, StampFontFamily(), StampSymbolText(index));
    return QIcon(QPixmap::fromImage(img));
}

QActionGroup* RadioGroup(QObject* parent) {
    auto* g = new QActionGroup(parent);
    g->setExclusive(true);
    return g;
}

} // namespace

DrawingControls::DrawingControls(LearnView& view, ToolManager& tools, TLernViewWidget* viewWidget,
                                 const Buttons& b, QObject* parent)
    : QObject(parent), board_(view), tools_(board_, tools), viewWidget_(viewWidget),
      removeAll_(new QAction(QStringLiteral("Alle &Zeichnungen entfernen"), this)),
      textBox_(new QLineEdit(viewWidget)) {
    removeAll_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    connect(removeAll_, &QAction::triggered, &board_, &DrawingBoard::RemoveAllDrawings);

    textBox_->setObjectName(QStringLiteral("TexteingabeEdit"));
    textBox_->setFrame(false);
    textBox_->setStyleSheet(QStringLiteral("background: rgb(240,240,240);"));
    textBox_->setToolTip(QStringLiteral("Text übernehmen mit Enter, abbrechen mit ESC"));
    textBox_->hide();
    textBox_->installEventFilter(this);
    connect(textBox_, &QLineEdit::textChanged, this, [this] {
        placeTextBox(textBox_->geometry().bottomLeft() - viewWidget_->bitmapOffset());
    });
    connect(&board_, &DrawingBoard::textBoxRequested, this, [this](QPoint p) {
        updateTextBoxFont();
        placeTextBox(p);
        textBox_->show();
        textBox_->setFocus();
    });
    connect(&tools, &ToolManager::currentToolChanged, this, [this](Tool* t) {
        if (t != tools_.tool(DrawTool::Text)) textBox_->hide();
    });

    // The tool buttons themselves are bound to the tools' actions by the window.
    if (b.TexteingabeBtn)
        connect(b.TexteingabeBtn, &QToolButton::clicked, this, [this] {
            if (board_.EditorOpen()) return;
            updateTextBoxFont();
            if (textBox_->isHidden()) textBox_->clear();
        });
    // The three picture menus are drawn when first opened, not at every start.
    if (b.SymbolBtn) {
        connect(b.SymbolBtn, &QToolButton::clicked, this, [this, btn = b.SymbolBtn] {
            if (board_.EditorOpen()) return;
            board_.state().StampDone = false;
            if (!symbolMenu_) symbolMenu_ = symbolMenu(btn);
            symbolMenu_->popup(btn->mapToGlobal(QPoint(0, btn->height())));
        });
    }
    if (b.StrichdickeBtn) {
        b.StrichdickeBtn->setEnabled(true);
        connect(b.StrichdickeBtn, &QToolButton::clicked, this, [this, btn = b.StrichdickeBtn] {
            if (!widthMenu_) widthMenu_ = widthMenu(btn);
            widthMenu_->popup(btn->mapToGlobal(QPoint(0, btn->height())));
        });
    }
    if (b.FarbeBtn) {
        b.FarbeBtn->setEnabled(true);
        connect(b.FarbeBtn, &QToolButton::clicked, this, [this, btn = b.FarbeBtn] {
            if (!colourMenu_) colourMenu_ = colourMenu(btn);
            colourMenu_->popup(btn->mapToGlobal(QPoint(-50, btn->height() - 100)));
        });
    }
    if (b.MarkEntfBtn) {
        b.MarkEntfBtn->setEnabled(true);
        connect(b.MarkEntfBtn, &QToolButton::clicked, removeAll_, &QAction::trigger);
    }
    if (b.RueckgaengigBtn) {
        b.RueckgaengigBtn->setEnabled(true);
        connect(b.RueckgaengigBtn, &QToolButton::clicked, &board_, &DrawingBoard::Undo);
    }
}

QMenu* DrawingControls::widthMenu(QWidget* parent) {
    auto* m = new QMenu(parent);
    m->setObjectName(QStringLiteral("StrichdickeMenu"));
    QActionGroup* g = RadioGroup(m);
    for (int step = kMinStrokeStep; step <= kMaxStrokeStep; ++step) {
        QAction* a = m->addAction(WidthPicture(step), QString());
        a->setObjectName(QStringLiteral("Strichdicke%1").arg(step));
        a->setCheckable(true);
        a->setChecked(step == board_.state().StrokeWidthStep);
        g->addAction(a);
        connect(a, &QAction::triggered, this, [this, step] {
            board_.SetStrokeWidth(step);
            updateTextBoxFont();
        });
    }
    return m;
}

QMenu* DrawingControls::colourMenu(QWidget* parent) {
    auto* m = new QMenu(parent);
    m->setObjectName(QStringLiteral("FarbeMenu"));
    m->setToolTipsVisible(true);
    QActionGroup* g = RadioGroup(m);
    int count = 0;
    const int* order = DrawColourMenuOrder(&count);
    for (int i = 0; i < count; ++i) {
        const int index = order[i];
        if (index == 0) {
            m->addSeparator();
            continue;
        }
        QAction* a = m->addAction(Swatch(DrawColour(index)), QString());
        a->setObjectName(QStringLiteral("Farbe%1").arg(index));
        a->setToolTip(DrawColourHint(index));
        a->setCheckable(true);
        a->setChecked(index == board_.state().DrawColourIndex);
        g->addAction(a);
        connect(a, &QAction::triggered, this, [this, index] {
            board_.SetDrawColour(index);
            updateTextBoxFont();
        });
    }
    return m;
}

QMenu* DrawingControls::symbolMenu(QWidget* parent) {
    auto* m = new QMenu(parent);
    m->setObjectName(QStringLiteral("SymbolMenu"));
    QActionGroup* g = RadioGroup(m);
    for (int index : kStampMenuOrder) {
        QAction* a = m->addAction(SymbolPicture(index), QString());
        a->setObjectName(QStringLiteral("Symbol%1").arg(index));
        a->setCheckable(true);
        a->setChecked(index == board_.state().StampSymbolIndex);
        g->addAction(a);
        connect(a, &QAction::triggered, this, [this, index] { board_.SetStampSymbol(index); });
    }
    return m;
}

void DrawingControls::updateTextBoxFont() {
    textBox_->setFont(board_.TextFont());
    QPalette pal = textBox_->palette();
    pal.setColor(QPalette::Text, board_.CurrentColour());
    textBox_->setPalette(pal);
    if (textBox_->isVisible())
        placeTextBox(textBox_->geometry().bottomLeft() - viewWidget_->bitmapOffset());
}

// The point is the text's bottom-left; the box never leaves the view bitmap.
void DrawingControls::placeTextBox(QPoint viewPoint) {
    const QFontMetrics fm(textBox_->font());
    const QSize bitmap = board_.view().ViewImage().size();
    const int w =
        std::min(35 * board_.state().StrokeWidthStep + fm.horizontalAdvance(textBox_->text()),
                 bitmap.width());
    const int h = fm.height();
    const QPoint offset = viewWidget_->bitmapOffset();
    const int x = std::clamp(viewPoint.x(), 0, std::max(0, bitmap.width() - w));
    const int bottom = std::clamp(viewPoint.y(), h, std::max(h, bitmap.height()));
    textBox_->setGeometry(QRect(offset.x() + x, offset.y() + bottom - h, w, h));
}

bool DrawingControls::eventFilter(QObject* watched, QEvent* e) {
    if (watched == textBox_ && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            board_.CommitText(textBox_->pos() - viewWidget_->bitmapOffset(), textBox_->text());
            textBox_->hide();
            textBox_->clear();
            return true;
        }
        if (key == Qt::Key_Escape) {
            textBox_->clear();
            textBox_->hide();
            return true;
        }
    }
    return QObject::eventFilter(watched, e);
}

} // namespace bw
