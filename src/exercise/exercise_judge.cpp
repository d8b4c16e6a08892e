// Finding the target of a dragged card, judging its release and moving on.

#include "document/document.h"
#include "exercise/exercise.h"
#include "exercise/exercise_internal.h"
#include "exercise/finish.h"
#include "view/learnview.h"

#include <cmath>

namespace bw {

namespace {

bool Inside(const DoubleRect& r, double x, double y) {
    return r.left <= x && x < r.right && r.top <= y && y < r.bottom;
}

bool CornerInside(const DoubleRect& a, const DoubleRect& b) {
    return Inside(b, a.left, a.top) || Inside(b, a.right, a.top) || Inside(b, a.left, a.bottom) ||
           Inside(b, a.right, a.bottom);
}

} // namespace

bool Exercise::IsCandidate(int i) const {
    if (!doc_.ValidIndex(i)) return false;
    const ObjDataTyp& o = doc_.CurrentObjects[i];
    if (!IsQueryFieldType(o.Typ) || o.Abgedeckt != StateOffen || o.Nummer < 0) return false;
    if ((o.Typ == TypAntwortFeld || o.Typ == TypMCAntwortBox) &&
        o.FrageNummer != view_.CurrentQuestion)
        return false;
    if (ueb.AbfrageModusItemIndex == ModusEinzelPositionen && !order.empty())
        return i == order[ueb.CurrentIndex].Position;
    return true;
}

int Exercise::FindTarget(const QRect& cardRect) const {
    const QPointF tl = PanelToPage(cardRect.topLeft());
    const QPointF br =
        PanelToPage(QPointF(cardRect.x() + cardRect.width(), cardRect.y() + cardRect.height()));
    const DoubleRect card{tl.x(), tl.y(), br.x(), br.y()};
    const double midY = (card.top + card.bottom) / 2;
    if (ueb.AbfrageModusItemIndex == ModusEinzelPositionen) {
        if (order.empty()) return -1;
        const int only = order[ueb.CurrentIndex].Position;
        if (!IsCandidate(only)) return -1;
        const DoubleRect& k = view_.Card(only).KRect;
        return Inside(k, card.left, midY) || CornerInside(card, k) || CornerInside(k, card) ? only
                                                                                            : -1;
    }
    for (int i = 0; i < doc_.ObjectCount(); ++i)
        if (IsCandidate(i) && Inside(view_.Card(i).KRect, card.left, midY)) return i;
    for (int i = 0; i < doc_.ObjectCount(); ++i) {
        if (!IsCandidate(i)) continue;
        const DoubleRect& k = view_.Card(i).KRect;
        if (CornerInside(card, k) || CornerInside(k, card)) return i;
    }
    return -1;
}

QRect Exercise::TargetFrameRect() const {
    // A question's answer is chosen by a click: there is no field to frame.
    if (!doc_.ValidIndex(target_) || QuestionDocument()) return {};
    const DoubleRect& k = view_.Card(target_).KRect;
    const QPoint tl = PageToPanel({k.left, k.top});
    const QPoint br = PageToPanel({k.right, k.bottom});
    return QRect(tl, br).adjusted(-4, -4, 4, 4);
}

void Exercise::SetTarget(int object) {
    if (object == target_) return;
    target_ = object;
    host_.TargetFrameChanged();
}

int Exercise::CardOfObject(int obj) const {
    for (std::size_t i = 0; i < cards.size(); ++i)
        if (cards[i].alive && cards[i].object == obj) return static_cast<int>(i);
    return -1;
}

void Exercise::CardMouseDown(int card, QPoint panelPos) {
    if (!Running() || busy_ || card < 0 || card >= static_cast<int>(cards.size()) ||
        !cards[card].shown())
        return;
    if (QuestionDocument()) {
        // An answer box toggles at once; an answer card or "OK" is judged on release.
        ExerciseCard& c = cards[card];
        if (c.kind == CardKind::AnswerBox) {
            if (c.mark.size() == 2) c.mark[1] = c.ticked() ? QLatin1Char('-') : QLatin1Char('+');
            host_.CardsChanged();
            return;
        }
        drag_ = card;
        SetTarget(CurrentTarget());
        return;
    }
    drag_ = card;
    dragReturn_ = cards[card].rect.topLeft();
    lastPointer_ = panelPos;
}

void Exercise::CardMouseMove(QPoint panelPos) {
    if (drag_ < 0 || !Running() || busy_ || QuestionDocument()) return;
    QRect& r = cards[drag_].rect;
    const QPoint wanted = r.topLeft() + (panelPos - lastPointer_);
    const QPoint placed(std::clamp(wanted.x(), 0, std::max(0, panel_.width() - r.width())),
                        std::clamp(wanted.y(), 0, std::max(0, panel_.height() - r.height())));
    r.moveTopLeft(placed);
    lastPointer_ = panelPos - (wanted - placed);
    SetTarget(FindTarget(r));
}

void Exercise::CardMouseUp() {
    const int card = drag_;
    drag_ = -1;
    if (card < 0 || !Running() || busy_) return;
    if (target_ >= 0) Release(card, target_);
}

void Exercise::SetState(int object, int state, bool redraw) {
    doc_.CurrentObjects[object].Abgedeckt = state;
    if (redraw) {
        view_.DrawObject(object, false, true, false);
        host_.BackgroundChanged();
    }
}

void Exercise::DestroyCard(int card) {
    cards[card].alive = false;
    cards[card].visible = false;
    host_.CardsChanged();
}

void Exercise::GlideBack(int card, QPoint to) {
    const QPoint from = cards[card].rect.topLeft();
    const double distance = std::hypot(double(to.x() - from.x()), double(to.y() - from.y()));
    const int steps = static_cast<int>(std::lround(distance / 2));
    host_.Glide(card, to, steps);
    cards[card].rect.moveTopLeft(to);
}

void Exercise::Release(int card, int target) {
    if (!Running() || busy_ || card < 0 || card >= static_cast<int>(cards.size()) ||
        !cards[card].shown())
        return;
    if (QuestionDocument()) {
        if (cards[card].kind != CardKind::AnswerBox && target == CurrentTarget() &&
            doc_.ValidIndex(target) && doc_.CurrentObjects[target].Abgedeckt == StateOffen)
            ReleaseQuestion(card, target);
        return;
    }
    if (!IsCandidate(target)) return;
    BusyGuard guard(busy_);
    const int dokTyp = doc_.CurrentHeader.DokTyp;
    const int modus = ueb.AbfrageModusItemIndex;
    const bool withheld = ueb.RiFaRueckmeldungItemIndex == 1;
    const int cardObj = cards[card].object;
    const QString cardText = ObjectText(cardObj);
    const QString targetText = ObjectText(target);
    const bool right = cardText == targetText;

    if (right) {
        AddLogLine(1, RightLogLine(dokTyp, modus, cardText, targetText), true);
        if (withheld) {
            SetState(target, StateZugeordnet, false);
        } else {
            caption_ = ExerciseText::RightCaption();
            captionColour_ = kRightCaptionColour;
            cards[card].colour = CardColour::Right;
            host_.CardsChanged();
            host_.CaptionChanged();
            host_.PlaySound(true);
            UpdateClock();
            host_.Pause(500);
            cards[card].colour = CardColour::Normal;
            SetState(target, ueb.ZuordnungRichtigItemIndex == 1 ? StateRichtig : Aufgedeckt, false);
            caption_.clear();
            host_.CaptionChanged();
        }
        DestroyCard(card);
        // The card of an equal text took another object's field: that object's card now
        // stands for the field still open, so the single-texts mode can offer it.
        if (target != cardObj && doc_.CurrentObjects[cardObj].Abgedeckt == StateOffen) {
            const int other = CardOfObject(target);
            if (other >= 0) {
                cards[other].object = cardObj;
                cards[card].object = target;
                std::swap(order[other].Card, order[card].Card);
            }
        }
        SetState(target, doc_.CurrentObjects[target].Abgedeckt, true);
        ++ueb.RightCount;
    } else {
        AddLogLine(1, WrongLogLine(dokTyp, modus, cardText, targetText), true);
        if (withheld) {
            SetState(target, StateZugeordnet, true);
            DestroyCard(card);
        } else {
            cards[card].colour = CardColour::Wrong;
            caption_ = ExerciseText::WrongCaption();
            captionColour_ = kWrongCaptionColour;
            host_.CardsChanged();
            host_.CaptionChanged();
            host_.PlaySound(false);
            UpdateClock();
            host_.Pause(100);
            if (modus == ModusEinzelTexte) {
                host_.Pause(900);
                cards[card].visible = false;
            } else {
                GlideBack(card, dragReturn_);
            }
            cards[card].colour = CardColour::Normal;
            host_.CardsChanged();
            if (ueb.ZuordnungFalschItemIndex == 1) SetState(target, StateFalsch, true);
            caption_.clear();
            host_.CaptionChanged();
        }
        ++doc_.CurrentObjects[target].FehlerPos;
        ++doc_.CurrentObjects[cardObj].FehlerKarte;
        ++ueb.WrongCount;
    }

    AfterJudged(target, &Exercise::Advance);
}

void Exercise::AfterJudged(int target, void (Exercise::*advance)()) {
    ueb.OpenCount = doc_.CountOpenObjects();
    UpdateStatusDisplay();
    if (reporter && ueb.NetRole == 1) reporter->Judged(target);
    SetTarget(-1);
    if (ueb.OpenCount > 0) {
        (this->*advance)();
    } else {
        busy_ = false;
        Finish(EndFinished);
    }
}

void Exercise::Advance() {
    const int n = static_cast<int>(order.size());
    const int modus = ueb.AbfrageModusItemIndex;
    if (n == 0 || modus == ModusFrei) return;
    const auto& objs = doc_.CurrentObjects;
    auto offer = [&](int i) {
        ueb.CurrentIndex = i;
        if (modus == ModusEinzelTexte) {
            ShowNextText();
        } else {
            ShowNextPosition();
            RenderPicture();
        }
    };
    for (int step = 1; step <= n; ++step) {
        const int i = (ueb.CurrentIndex + step) % n;
        const bool open =
            objs[modus == ModusEinzelTexte ? order[i].Card : order[i].Position].Abgedeckt ==
            StateOffen;
        if (open && (modus != ModusEinzelTexte || cards[i].alive)) {
            offer(i);
            return;
        }
    }
    // With feedback withheld a wrong card is used up while its own field stays open; any
    // card left can still close one of the open fields.
    if (modus == ModusEinzelTexte) {
        for (int step = 1; step <= n; ++step) {
            const int i = (ueb.CurrentIndex + step) % n;
            if (cards[i].alive) {
                offer(i);
                return;
            }
        }
    }
}

} // namespace bw
