#include "view/widgets/tlernviewwidget.h"

#include "view/links.h"
#include "view/widgets/tinfoboxform.h"

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
    marker_ = new FrameWidget(this, QColor(255, 0, 0), false);
    marker_->setObjectName(QStringLiteral("MoveAnker"));
    marker_->setFixedSize(13, 13);
    marker_->setCursor(Qt::PointingHandCursor);
    marker_->installEventFilter(this);
    infobox_ = new TInfoboxForm(this);

    view_.onViewShown = [this] { update(); };
    view_.onViewRectChanged = [this](const QRect& r) { update(r.translated(bitmapOffset())); };
    view_.onSelectionFrame = [this](const QRect& r, bool shown) {
        if (!shown || r.isEmpty()) {
            selectFrame_->hide();
            return;
        }
        selectFrame_->setGeometry(r.translated(bitmapOffset()));
        selectFrame_->show();
        selectFrame_->raise();
    };
}

TLernViewWidget::~TLernViewWidget() {
    view_.onViewShown = nullptr;
    view_.onViewRectChanged = nullptr;
    view_.onSelectionFrame = nullptr;
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

void TLernViewWidget::mousePressEvent(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    const QPoint bp = toBitmap(pos);
    if (host_ && host_->StartScreenVisible()) {
        host_->StartNewSheet();
        return;
    }
    const Qt::MouseButton button = e->button();
    if (learningView_ &&
        (button == Qt::RightButton || (button == Qt::LeftButton && tool_ == ViewTool::Hand))) {
        view_.BeginPan();
        panning_ = true;
        panLast_ = pos;
        setCursor(Qt::ClosedHandCursor);
        return;
    }
    if (view_.editorOpen && learningView_) {
        if (button == Qt::LeftButton)
            emit editorMousePress(view_.ViewToPage(QPointF(bp)), e->modifiers());
        return;
    }
    // During an exercise the fields' states belong to the exercise.
    if (learningView_ &&
        ((button == Qt::LeftButton && tool_ == ViewTool::Pointer) || button == Qt::MiddleButton)) {
        activate(view_.ClickAt(bp));
        return;
    }
    if (button == Qt::LeftButton && tool_ == ViewTool::Drawing) emit drawingMousePress(bp, button);
}

void TLernViewWidget::mouseMoveEvent(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    const QPoint bp = toBitmap(pos);
    if (panning_) {
        const QPoint d = panLast_ - pos;
        panLast_ = pos;
        if (!d.isNull()) view_.Pan(d.x(), d.y());
        return;
    }
    if (tool_ == ViewTool::Drawing) {
        unsetCursor();
        emit drawingMouseMove(bp, e->buttons());
        return;
    }
    if (tool_ == ViewTool::Hand) {
        setCursor(Qt::OpenHandCursor);
        return;
    }
    if (view_.editorOpen && learningView_) {
        emit editorMouseMove(view_.ViewToPage(QPointF(bp)), e->modifiers());
        return;
    }
    updateCursor(bp);
}

void TLernViewWidget::mouseReleaseEvent(QMouseEvent* e) {
    const QPoint bp = toBitmap(e->position().toPoint());
    if (panning_) {
        panning_ = false;
        if (tool_ == ViewTool::Hand)
            setCursor(Qt::OpenHandCursor);
        else
            updateCursor(bp);
        return;
    }
    if (tool_ == ViewTool::Drawing) emit drawingMouseRelease(bp, e->button());
}

void TLernViewWidget::updateCursor(QPoint bitmapPoint) {
    const bool inside = QRect(QPoint(0, 0), view_.ViewImage().size()).contains(bitmapPoint);
    if (tool_ == ViewTool::Pointer && inside && view_.HitTestObject(bitmapPoint) >= 0)
        setCursor(Qt::PointingHandCursor);
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

void TLernViewWidget::ShowInfoText(const QString& cap) {
    infobox_->ShowText(cap, window()->frameGeometry());
}

void TLernViewWidget::SetMarker(QPoint viewCentre, bool visible) {
    if (!visible) {
        marker_->hide();
        return;
    }
    marker_->move(viewCentre + bitmapOffset() - QPoint(6, 6));
    marker_->show();
    marker_->raise();
}

bool TLernViewWidget::eventFilter(QObject* watched, QEvent* e) {
    if (watched == marker_) {
        auto toView = [this](QMouseEvent* me) {
            return toBitmap(marker_->mapTo(this, me->position().toPoint()));
        };
        switch (e->type()) {
        case QEvent::MouseButtonPress: {
            auto* me = static_cast<QMouseEvent*>(e);
            emit markerPressed(toView(me), me->modifiers());
            return true;
        }
        case QEvent::MouseMove: {
            auto* me = static_cast<QMouseEvent*>(e);
            if (me->buttons() & Qt::LeftButton) emit markerDragged(toView(me), me->modifiers());
            return true;
        }
        case QEvent::MouseButtonRelease: {
            auto* me = static_cast<QMouseEvent*>(e);
            emit markerReleased(toView(me), me->modifiers());
            return true;
        }
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, e);
}

} // namespace bw
