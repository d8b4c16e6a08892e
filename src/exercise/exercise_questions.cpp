// Exercises on question documents: the question display of single questions and multiple
// choice, the answer boxes, their shuffling, and judging a chosen answer or "OK".

#include "document/document.h"
#include "exercise/cardtext.h"
#include "exercise/exercise.h"
#include "exercise/exercise_internal.h"
#include "exercise/finish.h"
#include "view/learnview.h"

#include <cmath>

namespace bw {

namespace {

constexpr int kMaxDistractors = 5;
constexpr int kDistractorTries = 100;
constexpr int kGridColumns = 3;
constexpr int kGridSlots = 6;
constexpr int kGridGap = 20;
constexpr int kBoxOffset = 10;

QString Quoted(const QString& s) {
    return QLatin1Char('"') + s + QLatin1Char('"');
}

} // namespace

bool Exercise::QuestionDocument() const {
    return IsQuestionDocument(doc_.CurrentHeader.DokTyp);
}

int Exercise::CurrentTarget() const {
    if (order.empty() || ueb.CurrentIndex < 0 || ueb.CurrentIndex >= int(order.size())) return -1;
    return order[ueb.CurrentIndex].Position;
}

int Exercise::AnswerBoxSide() const {
    return static_cast<int>(std::lround(view_.ViewImage().width() * 34.0 / 870.0));
}

void Exercise::BuildAnswerMapping(bool shuffle) {
    const auto& objs = doc_.CurrentObjects;
    const int n = doc_.ObjectCount();
    std::vector<int> map(n, -1);
    auto isBox = [&](int i) { return objs[i].Typ == TypMCAntwortBox; };
    if (shuffle) {
        for (int i = 0; i < n; ++i) {
            if (!isBox(i)) continue;
            const int q = objs[i].FrageNummer;
            const int r = random_.Bounded(std::max(1, objs[i].AntwortAnz));
            // The r-th unassigned box of the same question, counting cyclically from i + 1.
            int count = 0, found = -1;
            for (int step = 1, seen = 0; found < 0; ++step) {
                const int j = (i + step) % n;
                if (isBox(j) && objs[j].FrageNummer == q && map[j] < 0) {
                    ++seen;
                    if (count++ == r) found = j;
                }
                // A full round without any free box: nothing left to take.
                if (step % n == 0 && seen == 0) break;
            }
            if (found < 0) continue;
            map[found] = i;
            if (found + 1 < n && i + 1 < n) map[found + 1] = i + 1;
        }
    }
    for (int i = 0; i < n; ++i)
        if (map[i] < 0) map[i] = i;
    view_.exercise.answerMap = std::move(map);
}

void Exercise::CreateChoiceCards() {
    cards.clear();
    for (int i = 0; i < doc_.ObjectCount(); ++i) {
        const ObjDataTyp& o = doc_.CurrentObjects[i];
        if (o.Typ != TypMCAntwortBox && o.Typ != TypMCOkBtn) continue;
        ExerciseCard c;
        c.object = i;
        c.visible = false;
        c.kind = o.Typ == TypMCOkBtn ? CardKind::Ok : CardKind::AnswerBox;
        cards.push_back(c);
    }
}

void Exercise::ShowCurrentQuestion() {
    if (doc_.CurrentHeader.DokTyp == DokMultipleChoice)
        ShowChoiceQuestion();
    else
        ShowSingleQuestion();
}

void Exercise::ShowSingleQuestion() {
    const int answer = CurrentTarget();
    if (!doc_.ValidIndex(answer)) return;
    for (ExerciseCard& c : cards)
        c.visible = false;
    const int right = CardOfObject(answer);
    if (right < 0) return;
    cards[right].visible = true;
    QStringList shown{ObjectText(answer)};
    const int n = static_cast<int>(cards.size());
    for (int d = 0; d < kMaxDistractors; ++d) {
        for (int attempt = 0; attempt < kDistractorTries; ++attempt) {
            const int k = random_.Bounded(n);
            const QString caption = ObjectText(cards[k].object);
            if (cards[k].visible || shown.contains(caption)) continue;
            cards[k].visible = true;
            shown << caption;
            break;
        }
    }

    const int frage = doc_.CurrentObjects[answer].FrageNummer;
    QString question;
    for (const ObjDataTyp& o : doc_.CurrentObjects)
        if (o.Typ == TypFrageText && o.FrageNummer == frage) question = NormalizeCardText(o.Cap);
    AddLogLine(1, QStringLiteral("Frage Nr. %1\r\n").arg(frage) + question, true);
    QStringList offered;
    for (int k = 0; k < n; ++k) {
        if (!cards[k].visible) continue;
        offered << Quoted(ObjectText(cards[k].object)) +
                       (k == right ? QStringLiteral(" (Lösung)") : QString());
    }
    AddLogLine(1, QStringLiteral("Antwortmöglichkeiten: ") + offered.join(QStringLiteral(", ")),
               false);

    std::vector<int> freeSlots;
    for (int slot = 0; slot < kGridSlots; ++slot)
        freeSlots.push_back(slot);
    for (ExerciseCard& c : cards) {
        c.slot = -1;
        if (!c.visible) continue;
        const int pick = ueb.ZuordnungstexteItemIndex == 1
                             ? random_.Bounded(static_cast<int>(freeSlots.size()))
                             : 0;
        c.slot = freeSlots[pick];
        freeSlots.erase(freeSlots.begin() + pick);
    }
    PlaceQuestionCards();
}

void Exercise::PlaceQuestionCards() {
    const auto& objs = doc_.CurrentObjects;
    if (doc_.CurrentHeader.DokTyp == DokEinzelfragen) {
        // Three columns of cells one card plus 20 px in size, below the answer line.
        const QPoint origin = PageToPanel({0.1, 0.58}) + QPoint(4, 0);
        for (ExerciseCard& c : cards) {
            if (c.slot < 0) continue;
            const QPoint cell((c.slot % kGridColumns) * (kCardWidth + kGridGap),
                              (c.slot / kGridColumns) * (kCardHeight + kGridGap));
            c.rect = QRect(origin + cell, QSize(kCardWidth, kCardHeight));
        }
    } else {
        // Each card sits where the object it is mapped to lies.
        const auto& map = view_.exercise.answerMap;
        const int side = AnswerBoxSide();
        for (ExerciseCard& c : cards) {
            const int at = c.object < int(map.size()) && doc_.ValidIndex(map[c.object])
                               ? map[c.object]
                               : c.object;
            const QPoint p = PageToPanel({objs[at].Kx, objs[at].Ky});
            if (c.kind == CardKind::AnswerBox)
                c.rect =
                    QRect(p.x() + kBoxOffset, p.y() - int(std::lround(side / 2.0)), side, side);
            else
                c.rect = QRect(p.x() + kBoxOffset, p.y(), kCardWidth, side);
        }
    }
    host_.CardsChanged();
}

void Exercise::ShowChoiceQuestion() {
    const int question = CurrentTarget();
    if (!doc_.ValidIndex(question)) return;
    const int q = doc_.CurrentObjects[question].FrageNummer;
    const auto& objs = doc_.CurrentObjects;
    for (ExerciseCard& c : cards) {
        const ObjDataTyp& o = objs[c.object];
        c.visible = o.FrageNummer == q;
        c.colour = CardColour::Normal;
        if (c.kind == CardKind::AnswerBox) c.mark = o.Cap.left(1) + QLatin1Char('-');
    }
    PlaceQuestionCards();

    QString text;
    bool picture = false;
    for (const ObjDataTyp& o : objs) {
        if (o.FrageNummer != q) continue;
        if (o.Typ == TypMCFragetext) text += NormalizeCardText(o.Cap);
        if (o.Typ == TypMCFragebild) picture = true;
    }
    AddLogLine(1,
               QStringLiteral("Frage Nr. %1\r\n").arg(q) + text +
                   (picture ? QStringLiteral(" (Bild)") : QString()),
               true);
    QStringList offered;
    for (const ExerciseCard& c : cards) {
        if (!c.visible || c.kind != CardKind::AnswerBox) continue;
        const bool applies = objs[c.object].Cap.startsWith(QLatin1Char('+'));
        offered << Quoted(ObjectText(c.object + 1)) +
                       (applies ? QStringLiteral(" (zutreffend)") : QString());
    }
    AddLogLine(1, QStringLiteral("Antwortmöglichkeiten: ") + offered.join(QStringLiteral(", ")),
               false);
}

bool Exercise::ChoiceAnsweredRight(int frageNummer) const {
    for (const ExerciseCard& c : cards) {
        if (c.kind != CardKind::AnswerBox ||
            doc_.CurrentObjects[c.object].FrageNummer != frageNummer)
            continue;
        if (c.mark.size() != 2 || c.mark[0] != c.mark[1]) return false;
    }
    return true;
}

QString Exercise::TickedAnswersText(int frageNummer) const {
    QStringList ticked;
    for (const ExerciseCard& c : cards) {
        if (c.kind == CardKind::AnswerBox && c.ticked() &&
            doc_.CurrentObjects[c.object].FrageNummer == frageNummer)
            ticked << Quoted(ObjectText(c.object + 1));
    }
    return ticked.isEmpty() ? QStringLiteral("- keine -") : ticked.join(QStringLiteral(", "));
}

void Exercise::HideAnswerCards() {
    for (ExerciseCard& c : cards)
        c.visible = false;
    host_.CardsChanged();
}

void Exercise::ReleaseQuestion(int card, int target) {
    BusyGuard guard(busy_);
    const bool choice = doc_.CurrentHeader.DokTyp == DokMultipleChoice;
    const bool withheld = ueb.RiFaRueckmeldungItemIndex == 1;
    bool right;
    QString chosen;
    if (choice) {
        const int q = doc_.CurrentObjects[target].FrageNummer;
        right = ChoiceAnsweredRight(q);
        chosen = TickedAnswersText(q);
    } else {
        chosen = ObjectText(cards[card].object);
        right = chosen == ObjectText(target);
        chosen = Quoted(chosen);
    }
    const QString verdict = right ? QStringLiteral("RICHTIG - ") : QStringLiteral("FALSCH - ");
    const QString what =
        choice ? QStringLiteral("Gewählte Antwort(en): ") : QStringLiteral("Gewählte Antwort: ");
    AddLogLine(1, verdict + what + chosen, true);

    if (withheld) {
        SetState(target, StateZugeordnet, false);
    } else {
        cards[card].colour = right ? CardColour::Right : CardColour::Wrong;
        caption_ = right ? ExerciseText::RightCaption() : ExerciseText::WrongCaption();
        captionColour_ = right ? kRightCaptionColour : kWrongCaptionColour;
        host_.CardsChanged();
        host_.CaptionChanged();
        host_.PlaySound(right);
        UpdateClock();
        if (right) {
            host_.Pause(500);
            host_.Pause(500);
            HideAnswerCards();
            SetState(target, Aufgedeckt, false);
        } else {
            host_.Pause(100);
            if (ueb.ZuordnungFalschItemIndex == 1) SetState(target, StateFrageFalsch, false);
            host_.Pause(900);
            HideAnswerCards();
        }
        cards[card].colour = CardColour::Normal;
        caption_.clear();
        host_.CaptionChanged();
    }
    if (right) {
        ++ueb.RightCount;
    } else {
        ++doc_.CurrentObjects[target].FehlerPos;
        ++ueb.WrongCount;
    }

    AfterJudged(target, &Exercise::AdvanceQuestion);
}

void Exercise::AdvanceQuestion() {
    const int n = static_cast<int>(order.size());
    for (int step = 1; step <= n; ++step) {
        const int i = (ueb.CurrentIndex + step) % n;
        if (doc_.CurrentObjects[order[i].Position].Abgedeckt != StateOffen) continue;
        ueb.CurrentIndex = i;
        view_.CurrentQuestion = doc_.CurrentObjects[order[i].Position].FrageNummer;
        view_.RedrawObjects();
        host_.BackgroundChanged();
        ShowCurrentQuestion();
        return;
    }
}

} // namespace bw
