#include "view/widgets/tlernviewwidget.h"

#include "common/made.h"
#include "view/links.h"
#include "view/widgets/tinfoboxform.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace bw {

namespace {

// A hollow rectangle drawn with a pen, not reacting to the mouse (SelectElemRahmen).
class FrameWidget : public QWidget {
public:
    FrameWidget(QWidget* parent, QColor colour, bool transparentForMouse)
        : QWidget(parent), colour_(colour) {
        setAttribute(Qt::WA_TransparentForMouseEvents, transparentForMouse);
        setAttribute(Qt::WA_NoSystemBackground);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QPen pen(colour_, 2);
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(pen);
        p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }

private:
    QColor colour_;
};

} // namespace

TLernViewWidget::TLernViewWidget(LearnView& view, ViewHost* host, QWidget* parent)
    : QWidget(parent), view_(view), host_(host) {
    setMouseTracking(true);
    setAutoFillBackground(false);
    selectFrame_ = new FrameWidget(this, QColor(255, 128, 0), true);
    // The tool under it gets the mouse; the marker only shows where a drag would grab.
    marker_ = new FrameWidget(this, QColor(255, 0, 0), true);
    marker_->setObjectName(QStringLiteral("MoveAnker"));

    connect(&view_, &LearnView::viewShown, this, [this] { update(); });
    connect(&view_, &LearnView::viewRectChanged, this,
            [this](const QRect& r) { update(r.translated(bitmapOffset())); });
    connect(&view_, &LearnView::selectionFrame, this, [this](const QRect& r, bool shown) {
        if (!shown || r.isEmpty()) {
            selectFrame_->hide();
            return;
        }
        selectFrame_->setGeometry(r.translated(bitmapOffset()));
        selectFrame_->show();
        selectFrame_->raise();
    });
}

TLernViewWidget::~TLernViewWidget() = default;

void TLernViewWidget::setToolManager(ToolManager* tools) {
    if (tools_ && tools_->context() == this) tools_->setContext(nullptr);
    tools_ = tools;
    if (tools_) {
        tools_->setContext(this);
        // The manager may outlive this view; the connection dies with whichever goes first.
        ToolContext* self = this;
        connect(this, &QObject::destroyed, tools_, [tools, self] {
            if (tools->context() == self) tools->setContext(nullptr);
        });
        connect(tools_, &ToolManager::currentToolChanged, this,
                [this] { updateCursor(toBitmap(mapFromGlobal(QCursor::pos()))); });
    }
}

QPoint TLernViewWidget::bitmapOffset() const {
    const QSize s = view_.ViewImage().size();
    return {std::max(0, (width() - s.width()) / 2), std::max(0, (height() - s.height()) / 2)};
}

QPoint TLernViewWidget::toBitmap(QPoint widgetPoint) const {
    return widgetPoint - bitmapOffset();
}

void TLernViewWidget::RedrawForSize() {
    view_.SetViewSize(width(), height());
    view_.RedrawView();
}

void TLernViewWidget::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    const QImage& img = view_.ViewImage();
    const QRect target(bitmapOffset(), img.size());
    const QRegion outside = QRegion(e->rect()).subtracted(QRegion(target));
    for (const QRect& r : outside)
        p.fillRect(r, Qt::white);
    if (!img.isNull()) {
        const QRect dirty = e->rect().intersected(target);
        p.drawImage(dirty.topLeft(), img, dirty.translated(-target.topLeft()));
    }
}

void TLernViewWidget::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
}

ToolEvent TLernViewWidget::toolEvent(QMouseEvent* e) const {
    return {toBitmap(e->position().toPoint()), e->button(), e->buttons(), e->modifiers()};
}

void TLernViewWidget::mousePressEvent(QMouseEvent* e) {
    if (host_ && host_->StartScreenVisible()) {
        host_->StartNewSheet();
        return;
    }
    // During an exercise the fields and the viewport belong to the exercise.
    if (!learningView_) return;
    const ToolEvent te = toolEvent(e);
    switch (e->button()) {
    case Qt::RightButton:
        rightPress_ = te.pos;
        rightPan_.begin(*this, te.pos);
        break;
    case Qt::MiddleButton:
        activate(view_.ClickAt(te.pos));
        break;
    case Qt::LeftButton:
        if (tools_ && tools_->currentTool()) {
            toolPress_ = true;
            tools_->currentTool()->mousePressed(*this, te);
        }
        break;
    default:
        break;
    }
}

void TLernViewWidget::mouseMoveEvent(QMouseEvent* e) {
    const ToolEvent te = toolEvent(e);
    if (rightPan_.active()) {
        rightPan_.move(*this, te.pos);
        return;
    }
    if (learningView_ && tools_ && tools_->currentTool()) {
        tools_->currentTool()->mouseMoved(*this, te);
        if (!(e->buttons() & Qt::LeftButton)) updateCursor(te.pos);
        return;
    }
    updateCursor(te.pos);
}

void TLernViewWidget::mouseReleaseEvent(QMouseEvent* e) {
    const ToolEvent te = toolEvent(e);
    if (rightPan_.active() && e->button() == Qt::RightButton) {
        rightPan_.end();
        updateCursor(te.pos);
        if (contextMenu_ && (te.pos - rightPress_).manhattanLength() <= 3)
            contextMenu_->popup(e->globalPosition().toPoint());
        return;
    }
    if (toolPress_ && e->button() == Qt::LeftButton) {
        toolPress_ = false;
        if (tools_ && tools_->currentTool()) tools_->currentTool()->mouseReleased(*this, te);
    }
}

void TLernViewWidget::updateCursor(QPoint bitmapPoint) {
    if (learningView_ && tools_ && tools_->currentTool())
        setCursor(tools_->currentTool()->cursor(*this, bitmapPoint));
    else
        setCursor(Qt::ArrowCursor);
}

void TLernViewWidget::activate(const ClickResult& r) {
    switch (r.kind) {
    case ClickResult::InfoPoint:
        ShowInfoText(view_.doc().CurrentObjects[r.index].Cap);
        break;
    case ClickResult::ExternalLink:
        if (host_) OpenExternalLink(view_.doc(), r.index, *host_);
        break;
    case ClickResult::InternalLink:
        if (host_) OpenInternalLink(view_.doc(), r.index, *host_);
        break;
    case ClickResult::QuestionChanged:
        emit questionChanged(view_.CurrentQuestion);
        break;
    default:
        break;
    }
}

// The info box is made at the first info point opened.
TInfoboxForm* TLernViewWidget::infobox() {
    return Made(infobox_, this);
}

void TLernViewWidget::ShowInfoText(const QString& cap) {
    infobox()->ShowText(cap, window()->frameGeometry());
}

void TLernViewWidget::showHandle(const QRect& viewRect) {
    if (viewRect.isEmpty()) {
        marker_->hide();
        return;
    }
    marker_->setGeometry(viewRect.translated(bitmapOffset()));
    marker_->show();
    marker_->raise();
}

} // namespace bw
