#include "exercise/widgets/exercisepanel.h"

#include "common/cursors.h"
#include "document/document.h"
#include "exercise/cardface.h"
#include "exercise/exercise.h"
#include "view/questionlayout.h"

#include <QMouseEvent>
#include <QPainter>

namespace bw {

namespace {

// The hollow red rectangle around the field a dragged card would land on.
class TargetFrame : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(QPen(QColor(255, 0, 0), 2));
        p.drawRect(rect().adjusted(1, 1, -1, -1));
    }
};

} // namespace

TKarte::TKarte(ExercisePanel& panel, int entry) : QWidget(&panel), panel_(panel), entry_(entry) {
    const Exercise& ex = panel.exercise();
    // Multiple-choice cards are named after their object.
    const bool choice = ex.doc().CurrentHeader.DokTyp == DokMultipleChoice &&
                        entry < static_cast<int>(ex.cards.size());
    setObjectName(QStringLiteral("UebElemPan%1").arg(choice ? ex.cards[entry].object : entry));
    // Answers are clicked, labels and gaps are dragged onto the picture.
    setCursor(ex.QuestionDocument() ? QCursor(Qt::PointingHandCursor)
                                    : ProgramCursor(QStringLiteral("DRAGBLACK")));
}

void TKarte::paintEvent(QPaintEvent*) {
    Exercise& ex = panel_.exercise();
    if (entry_ >= static_cast<int>(ex.cards.size())) return;
    const ExerciseCard& c = ex.cards[entry_];
    const Document& doc = ex.doc();
    QImage picture;
    QString text;
    if (c.kind == CardKind::AnswerBox) {
        picture = AnswerBoxPicture(c.ticked());
    } else if (c.kind == CardKind::Ok) {
        text = QStringLiteral("OK");
    } else if (doc.ValidIndex(c.object) && doc.CurrentObjects[c.object].Typ == TypAbfrageBild) {
        picture = doc.CurrentObjects[c.object].Bild.image();
    } else {
        text = ex.ObjectText(c.object);
    }
    QPainter p(this);
    PaintCardFace(p, rect(), text, picture, c.colour);
}

void TKarte::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    raise();
    panel_.exercise().CardMouseDown(entry_, panel_.PanelPos(e->globalPosition().toPoint()));
}

void TKarte::mouseMoveEvent(QMouseEvent* e) {
    if (!(e->buttons() & Qt::LeftButton)) return;
    Exercise& ex = panel_.exercise();
    if (ex.DraggedCard() != entry_) return;
    ex.CardMouseMove(panel_.PanelPos(e->globalPosition().toPoint()));
    move(ex.cards[entry_].rect.topLeft());
}

void TKarte::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    panel_.exercise().CardMouseUp();
}

ExercisePanel::ExercisePanel(Exercise& exercise, QWidget* parent) : QWidget(parent), ex_(exercise) {
    setObjectName(QStringLiteral("UebungPanInhalt"));
    frame_ = new TargetFrame(this);
    frame_->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame_->hide();
    RiFaPan = new QLabel(this);
    RiFaPan->setObjectName(QStringLiteral("RiFaPan"));
    RiFaPan->setAttribute(Qt::WA_TransparentForMouseEvents);
    RiFaPan->setAlignment(Qt::AlignCenter);
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(40);
    f.setBold(true);
    RiFaPan->setFont(f);
    RiFaPan->hide();
}

TKarte* ExercisePanel::card(int entry) const {
    return entry >= 0 && entry < static_cast<int>(cards_.size()) ? cards_[entry] : nullptr;
}

void ExercisePanel::SyncCards() {
    // Cards of another document type carry other names and cursors.
    const int kind = ex_.doc().CurrentHeader.DokTyp;
    if (cards_.size() != ex_.cards.size() || kind != cardsDokTyp_) {
        cardsDokTyp_ = kind;
        // Cards may be in the middle of their own mouse event: delete them later.
        for (TKarte* c : cards_) {
            c->hide();
            c->deleteLater();
        }
        cards_.assign(ex_.cards.size(), nullptr);
        // Created from the last entry to the first, so the first lies on top.
        for (int i = static_cast<int>(ex_.cards.size()) - 1; i >= 0; --i)
            cards_[i] = new TKarte(*this, i);
    }
    for (std::size_t i = 0; i < cards_.size(); ++i) {
        const ExerciseCard& m = ex_.cards[i];
        TKarte* w = cards_[i];
        w->setGeometry(m.rect);
        w->setVisible(m.shown());
        w->update();
    }
    frame_->raise();
    RiFaPan->raise();
}

void ExercisePanel::SyncCaption() {
    const QString text = ex_.Caption();
    RiFaPan->setText(text);
    QPalette pal = RiFaPan->palette();
    pal.setColor(QPalette::WindowText, ex_.CaptionColour());
    RiFaPan->setPalette(pal);
    const QRect r = ex_.CaptionRect();
    RiFaPan->setGeometry(r);
    // The card column is narrow: a caption wider than it shrinks instead of being cut off.
    QFont f = RiFaPan->font();
    f.setPointSize(40);
    while (f.pointSize() > 12 && QFontMetrics(f).horizontalAdvance(text) > r.width())
        f.setPointSize(f.pointSize() - 2);
    RiFaPan->setFont(f);
    RiFaPan->setVisible(!text.isEmpty());
    RiFaPan->raise();
    RiFaPan->repaint();
}

void ExercisePanel::SyncTargetFrame() {
    const QRect r = ex_.TargetFrameRect();
    if (r.isEmpty()) {
        frame_->hide();
        return;
    }
    frame_->setGeometry(r);
    frame_->show();
    frame_->raise();
}

void ExercisePanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    ex_.DrawInstruction(p);
}

void ExercisePanel::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    ex_.SetPanelSize(size());
}

} // namespace bw
