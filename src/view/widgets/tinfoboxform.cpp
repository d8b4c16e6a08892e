#include "view/widgets/tinfoboxform.h"

#include "platform/prompter.h"
#include "common/messages.h"
#include "view/markup.h"
#include "view/objectpainter.h"
#include "view/rtfwriter.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextDocument>
#include <QVBoxLayout>

namespace bw {

namespace {
constexpr int kCopyPoints = 11;
constexpr int kInitialWidth = 560;
} // namespace

TInfoboxForm::TInfoboxForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Information"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);

    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("ScrollBox"));
    scroll_->setWidgetResizable(false);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    textLabel_ = new QLabel;
    textLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    textLabel_->setContentsMargins(8, 6, 0, 0);
    scroll_->setWidget(textLabel_);
    textLabel_->installEventFilter(this);
    scroll_->viewport()->installEventFilter(this);
    layout->addWidget(scroll_, 1);

    buttonPanel_ = new QWidget(this);
    auto* buttons = new QHBoxLayout(buttonPanel_);
    buttons->setContentsMargins(0, 0, 0, 0);
    auto add = [&](const QString& caption, void (TInfoboxForm::*slot)()) {
        auto* b = new QPushButton(caption, buttonPanel_);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
        return b;
    };
    add(QStringLiteral("Drucken..."), &TInfoboxForm::DruckenClick);
    add(QStringLiteral("Speichern..."), &TInfoboxForm::SpeichernClick);
    add(QStringLiteral("In Zwischenablage"), &TInfoboxForm::ZwischenablageClick);
    buttons->addStretch(1);
    auto* close = new QPushButton(QStringLiteral("Schließen"), buttonPanel_);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    close->setDefault(true);
    buttons->addWidget(close);
    layout->addWidget(buttonPanel_);
    resize(kInitialWidth, 300);
}

void TInfoboxForm::renderText(const QString& cap) {
    textImage_ = RenderInfoText(cap, std::max(60, scroll_->width() - 30),
                                scroll_->palette().color(QPalette::Window));
    textLabel_->setPixmap(QPixmap::fromImage(textImage_));
    textLabel_->resize(textImage_.size() + QSize(8, 6));
    scroll_->verticalScrollBar()->setSingleStep(
        std::max(1, QFontMetrics(ArialPixels(kInfoTextPoints * 96 / 72)).height()));
}

void TInfoboxForm::ShowText(const QString& cap, const QRect& mainWindowFrame) {
    if (!isVisible()) resize(kInitialWidth, height());
    ensurePolished();
    layout()->activate();
    renderText(cap);
    copyLines_ = InfoTextCopyLines(cap);
    const int chrome = height() - scroll_->height();
    const int h = std::min(kMaxHeight, chrome + textImage_.height() + 34);
    resize(width(), h);
    scroll_->verticalScrollBar()->setValue(0);
    if (mainWindowFrame.isValid())
        move(mainWindowFrame.right() + 1 - 6 - frameGeometry().width(), mainWindowFrame.top() + 6);
    show();
    raise();
}

void TInfoboxForm::keyPressEvent(QKeyEvent* e) {
    QScrollBar* bar = scroll_->verticalScrollBar();
    if (e->key() == Qt::Key_PageDown) {
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        return;
    }
    if (e->key() == Qt::Key_PageUp) {
        bar->triggerAction(QAbstractSlider::SliderPageStepSub);
        return;
    }
    QDialog::keyPressEvent(e);
}

bool TInfoboxForm::eventFilter(QObject* watched, QEvent* e) {
    if (watched != textLabel_ && watched != scroll_->viewport())
        return QDialog::eventFilter(watched, e);
    QScrollBar* bar = scroll_->verticalScrollBar();
    switch (e->type()) {
    case QEvent::Wheel: {
        const int steps = static_cast<QWheelEvent*>(e)->angleDelta().y() / 120;
        bar->setValue(bar->value() - steps * bar->singleStep());
        return true;
    }
    case QEvent::MouseButtonPress: {
        auto* me = static_cast<QMouseEvent*>(e);
        if (me->button() == Qt::LeftButton) {
            dragging_ = true;
            dragLast_ = me->globalPosition().toPoint();
            textLabel_->setCursor(Qt::ClosedHandCursor);
            return true;
        }
        break;
    }
    case QEvent::MouseMove: {
        if (!dragging_) break;
        auto* me = static_cast<QMouseEvent*>(e);
        const QPoint g = me->globalPosition().toPoint();
        bar->setValue(bar->value() - (g.y() - dragLast_.y()));
        dragLast_ = g;
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (dragging_) {
            dragging_ = false;
            textLabel_->unsetCursor();
            return true;
        }
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, e);
}

void TInfoboxForm::hideEvent(QHideEvent* e) {
    scroll_->verticalScrollBar()->setValue(0);
    QDialog::hideEvent(e);
}

void TInfoboxForm::DruckenClick() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    printer.setDocName(QStringLiteral("Infotext"));
    QTextDocument doc;
    doc.setDefaultFont(QFont(QStringLiteral("Arial"), kCopyPoints));
    doc.setPlainText(copyLines_.join(QLatin1Char('\n')));
    doc.print(&printer);
}

void TInfoboxForm::SpeichernClick() {
    QString path = prompter().GetSaveFileName(
        QStringLiteral("Infotext in Datei speichern"), saveFolder_, QString(),
        QStringLiteral("Rich Text Dokument (*.rtf)|*.rtf|Alle Dateien (*.*)|*.*"),
        QStringLiteral("rtf"));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".rtf");
    if (!WriteRtfFile(path, PlainLinesToRtf(copyLines_, kCopyPoints))) FileWriteErrorMessage(path);
}

void TInfoboxForm::ZwischenablageClick() {
    auto* mime = new QMimeData;
    mime->setData(QStringLiteral("text/rtf"), PlainLinesToRtf(copyLines_, kCopyPoints));
    mime->setData(QStringLiteral("application/rtf"), PlainLinesToRtf(copyLines_, kCopyPoints));
    mime->setHtml(PlainLinesToHtml(copyLines_, kCopyPoints));
    mime->setText(copyLines_.join(QLatin1Char('\n')));
    QApplication::clipboard()->setMimeData(mime);
}

} // namespace bw
