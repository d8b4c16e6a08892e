#include "exercise/exercise.h"

#include "document/document.h"
#include "exercise/cardtext.h"
#include "exercise/finish.h"
#include "platform/prompter.h"
#include "view/learnview.h"

#include <QCollator>
#include <QDateTime>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace bw {

namespace {

constexpr int kCardGap = 2;
constexpr int kColumnTop = 35;
constexpr int kLayerRise = 7;
constexpr int kLayerShift = 12;
const QColor kStripColour(225, 225, 217);

// Selection sort that keeps the first of equal minima.
template <class Less> void SelectionSort(std::vector<int>& idx, Less less) {
    const std::size_t n = idx.size();
    for (std::size_t i = 0; i + 1 < n; ++i) {
        std::size_t m = i;
        for (std::size_t j = i + 1; j < n; ++j)
            if (less(idx[j], idx[m])) m = j;
        std::swap(idx[i], idx[m]);
    }
}

} // namespace

Exercise::Exercise(Document& doc, LearnView& view, ExerciseClock& clock, RandomSource& random,
                   ExerciseHost& host)
    : doc_(doc), view_(view), clock_(clock), random_(random), host_(host) {}

bool Exercise::IsImage(int obj) const {
    return doc_.ValidIndex(obj) && doc_.CurrentObjects[obj].Typ == TypAbfrageBild;
}

QString Exercise::ObjectText(int obj) const {
    if (!doc_.ValidIndex(obj)) return {};
    if (obj < static_cast<int>(imageKeys_.size()) && !imageKeys_[obj].isEmpty())
        return imageKeys_[obj];
    return NormalizeCardText(doc_.CurrentObjects[obj].Cap);
}

bool Exercise::StartExercise(bool showOptions, int repeat, int role) {
    if (ueb.NetRole == 1 && role != 1) {
        prompter().ShowInfo(ExerciseText::NetParticipantBusy());
        return false;
    }
    if (ueb.NetRole == 2 && role != 2) {
        prompter().ShowInfo(ExerciseText::NetInitiatorBusy());
        return false;
    }
    if (busy_) return false;
    if (Running() && !prompter().AskYesNo(ExerciseText::ConfirmAbort())) return false;
    if (host_.EditorOpen()) {
        prompter().ShowInfo(ExerciseText::CloseEditorFirst());
        return false;
    }
    const int dokTyp = doc_.CurrentHeader.DokTyp;
    if (showOptions && !host_.ShowOptionsDialog(dokTyp)) return false;
    if (role != 1) ReadExerciseOptions(options, dokTyp, grading, ueb);
    if (dokTyp == DokMultipleChoice) BuildAnswerMapping(ueb.ZuordnungstexteItemIndex == 1);

    // Refusing for want of query objects must leave the document as it was.
    struct Saved {
        int state, fehlerPos, fehlerKarte;
    };
    std::vector<Saved> saved;
    saved.reserve(doc_.CurrentObjects.size());
    for (const ObjDataTyp& o : doc_.CurrentObjects)
        saved.push_back({o.Abgedeckt, o.FehlerPos, o.FehlerKarte});
    for (int i = 0; i < doc_.ObjectCount(); ++i) {
        if (!doc_.IsAskedQueryObject(i)) continue;
        ObjDataTyp& o = doc_.CurrentObjects[i];
        if (repeat == 0)
            o.Abgedeckt = StateOffen;
        else if (repeat == 1)
            o.Abgedeckt = (o.FehlerPos >= 1 || o.FehlerKarte >= 1) ? StateOffen : Aufgedeckt;
        else
            o.Abgedeckt = Aufgedeckt;
        o.FehlerPos = 0;
        o.FehlerKarte = 0;
    }
    const int asked = doc_.CountQueryObjects(repeat != 0);
    if (asked == 0) {
        for (int i = 0; i < doc_.ObjectCount(); ++i) {
            ObjDataTyp& o = doc_.CurrentObjects[i];
            o.Abgedeckt = saved[i].state;
            o.FehlerPos = saved[i].fehlerPos;
            o.FehlerKarte = saved[i].fehlerKarte;
        }
        prompter().ShowInfo(ExerciseText::NoQueryObjects());
        if (active_) ReturnToLearningView();
        return false;
    }
    ueb.AskedCount = asked;

    ueb.EnteredName.clear();
    if (role == 0 && nameEntry) ueb.EnteredName = host_.AskName();

    active_ = true;
    drag_ = -1;
    target_ = -1;
    ueb.TotalCount = doc_.CountQueryObjects(false);

    BuildExerciseOrder();
    for (int i = 0; i < static_cast<int>(order.size()); ++i) {
        ObjDataTyp& pos = doc_.CurrentObjects[order[i].Position];
        pos.Abgedeckt = StateOffen;
        pos.FehlerPos = 0;
        pos.FehlerKarte = 0;
        pos.Nummer = ueb.ZuordnungszieleItemIndex == 2 ? 0 : i + 1;
    }

    view_.SetZoom(0);
    view_.Viewport = {0, 0, 1, 1};
    if (dokTyp == DokMultipleChoice) {
        CreateChoiceCards();
    } else {
        cards.assign(order.size(), ExerciseCard{});
        for (std::size_t i = 0; i < order.size(); ++i)
            cards[i].object = order[i].Card;
    }
    if (QuestionDocument()) {
        // The cards lie on the picture; the column to its right keeps the instruction.
        ueb.CardAreaLeft = std::max(0, panel_.width() - kCardWidth - 5);
    } else {
        LayoutCards(true);
    }

    ueb.LogText.clear();
    ueb.HeaderText.clear();
    ueb.NetRole = role;
    ueb.RightCount = 0;
    ueb.WrongCount = 0;
    ueb.SuccessQuota = 0;
    ueb.Mark = 0;
    ueb.EndReason = EndRunning;
    ueb.OpenCount = doc_.CountOpenObjects();
    ueb.StartTick = clock_.NowMs();
    clock_elapsed_ms_ = 0;
    if (role != 1) ueb.StartTime = DateTimeValue(QDateTime::currentDateTime());
    ueb.RemainingSeconds = ueb.ZeitLimitWert;
    ueb.CurrentIndex = 0;
    ueb.EnteredInBestList = false;
    clock_text_.clear();
    caption_.clear();

    AddLogLine(1, ExerciseText::Started(), true);

    view_.exercise.running = true;
    view_.exercise.onePositionAtATime = ueb.AbfrageModusItemIndex == ModusEinzelPositionen;
    view_.exercise.askedObject = -1;
    if (QuestionDocument()) {
        view_.CurrentQuestion = doc_.CurrentObjects[order.front().Position].FrageNummer;
        RenderPicture();
        ShowCurrentQuestion();
    } else {
        if (ueb.AbfrageModusItemIndex == ModusEinzelTexte)
            ShowNextText();
        else if (ueb.AbfrageModusItemIndex == ModusEinzelPositionen)
            ShowNextPosition();
        RenderPicture();
    }
    host_.CardsChanged();
    host_.CaptionChanged();
    host_.TargetFrameChanged();
    UpdateStatusDisplay();
    return true;
}

void Exercise::BuildExerciseOrder() {
    order.clear();
    imageKeys_.assign(doc_.CurrentObjects.size(), QString());
    for (int i = 0; i < doc_.ObjectCount(); ++i) {
        if (!doc_.IsAskedQueryObject(i) || doc_.CurrentObjects[i].Abgedeckt != StateOffen) continue;
        // Each image gets a key of its own, so no two images ever count as equal. The key
        // lives in the run, not in the document's caption.
        if (IsImage(i)) {
            QString key;
            for (int k = 0; k < 20; ++k)
                key += QChar(u'a' + random_.Bounded(26));
            imageKeys_[i] = key + QStringLiteral(" (Zufallskennung für Bild)");
        }
        order.push_back({i, i});
    }
    const int n = static_cast<int>(order.size());
    const int dokTyp = doc_.CurrentHeader.DokTyp;
    auto shuffle = [&](auto swapAt) {
        for (int i = 0; i < n; ++i)
            swapAt(i, random_.Bounded(n));
    };

    if (dokTyp != DokMultipleChoice) {
        if (ueb.ZuordnungstexteItemIndex == 1 && dokTyp != DokEinzelfragen) {
            shuffle([&](int i, int j) { std::swap(order[i], order[j]); });
        } else {
            // Folded first: the collator of the C locale ignores the case setting.
            QCollator coll;
            coll.setCaseSensitivity(Qt::CaseInsensitive);
            std::vector<QCollatorSortKey> keys;
            keys.reserve(n);
            for (const OrderEntry& e : order)
                keys.push_back(coll.sortKey(ObjectText(e.Card).toCaseFolded()));
            std::vector<int> idx(n);
            for (int i = 0; i < n; ++i)
                idx[i] = i;
            SelectionSort(idx, [&](int a, int b) { return keys[a].compare(keys[b]) < 0; });
            std::vector<OrderEntry> sorted;
            sorted.reserve(n);
            for (int i : idx)
                sorted.push_back(order[i]);
            order = std::move(sorted);
        }
    }

    if (ueb.ZuordnungszieleItemIndex != 0) {
        shuffle([&](int i, int j) { std::swap(order[i].Position, order[j].Position); });
    } else if (IsQuestionDocument(dokTyp)) {
        // Questions in the order written; the cards' sorting must not reorder them.
        std::vector<int> pos(n);
        for (int i = 0; i < n; ++i)
            pos[i] = order[i].Position;
        std::sort(pos.begin(), pos.end());
        for (int i = 0; i < n; ++i)
            order[i].Position = pos[i];
    } else {
        std::vector<int> pos(n);
        for (int i = 0; i < n; ++i)
            pos[i] = order[i].Position;
        const auto& objs = doc_.CurrentObjects;
        if (doc_.CurrentHeader.GeordnetArt == 1) {
            QCollator coll;
            coll.setCaseSensitivity(Qt::CaseInsensitive);
            std::vector<QCollatorSortKey> keys;
            std::vector<int> slot(doc_.CurrentObjects.size(), -1);
            for (int p : pos) {
                slot[p] = static_cast<int>(keys.size());
                keys.push_back(coll.sortKey(objs[p].Cap.toCaseFolded()));
            }
            SelectionSort(pos,
                          [&](int a, int b) { return keys[slot[a]].compare(keys[slot[b]]) < 0; });
        } else {
            SelectionSort(pos, [&](int a, int b) {
                if (objs[a].Ky != objs[b].Ky) return objs[a].Ky < objs[b].Ky;
                return objs[a].Kx < objs[b].Kx;
            });
        }
        for (int i = 0; i < n; ++i)
            order[i].Position = pos[i];
    }
}

void Exercise::LayoutCards(bool setArea) {
    const int W = panel_.width();
    const int H = panel_.height();
    bool first = true;
    int x = W - kCardWidth, startY = 0, y = 0, layer = 0;
    for (int i = static_cast<int>(cards.size()) - 1; i >= 0; --i) {
        ExerciseCard& c = cards[i];
        if (!c.shown()) continue;
        if (first) {
            first = false;
            startY = ueb.AbfrageModusItemIndex == ModusEinzelTexte ? (H - kCardHeight) / 2
                                                                   : H - kCardHeight;
            y = startY;
        } else {
            y -= kCardHeight + kCardGap;
            if (y < kColumnTop) {
                ++layer;
                y = startY - kLayerRise * layer;
                x -= kLayerShift;
            }
        }
        c.rect = QRect(x, y, kCardWidth, kCardHeight);
    }
    if (setArea) ueb.CardAreaLeft = std::max(0, x - 5);
    host_.CardsChanged();
}

void Exercise::SetPanelSize(QSize s) {
    if (s == panel_) return;
    const int dx = s.width() - panel_.width();
    panel_ = s;
    if (!active_) return;
    ueb.CardAreaLeft = std::max(0, ueb.CardAreaLeft + dx);
    if (QuestionDocument()) {
        RenderPicture();
        PlaceQuestionCards();
    } else {
        LayoutCards();
        RenderPicture();
    }
    host_.TargetFrameChanged();
    host_.CaptionChanged();
}

void Exercise::ShowNextText() {
    if (order.empty()) return;
    const int idx = ueb.CurrentIndex;
    for (std::size_t i = 0; i < cards.size(); ++i)
        cards[i].visible = static_cast<int>(i) == idx;
    AddLogLine(1, NextTextLogLine(doc_.CurrentHeader.DokTyp, ObjectText(order[idx].Card)), true);
    LayoutCards();
}

void Exercise::ShowNextPosition() {
    if (order.empty()) return;
    const int pos = order[ueb.CurrentIndex].Position;
    view_.exercise.askedObject = pos;
    AddLogLine(1, NextPositionLogLine(doc_.CurrentHeader.DokTyp, ObjectText(pos)), true);
}

void Exercise::RenderPicture() {
    view_.SetViewSize(std::max(1, ueb.CardAreaLeft), std::max(1, panel_.height()));
    view_.RedrawView();
    host_.BackgroundChanged();
}

QPoint Exercise::PictureOrigin() const {
    const QSize s = view_.ViewImage().size();
    return {std::max(0, (ueb.CardAreaLeft - s.width()) / 2),
            std::max(0, (panel_.height() - s.height()) / 2)};
}

QPoint Exercise::PageToPanel(QPointF page) const {
    return view_.PageToView(page).toPoint() + PictureOrigin();
}

QPointF Exercise::PanelToPage(QPointF panel) const {
    const QPointF v = panel - QPointF(PictureOrigin());
    const DoubleRect& vp = view_.Viewport;
    const double vw = std::max(1, view_.ViewImage().width());
    const double vh = std::max(1, view_.ViewImage().height());
    return {vp.left + v.x() * vp.width() / vw, vp.top + v.y() * vp.height() / vh};
}

QString Exercise::Instruction() const {
    return InstructionText(doc_.CurrentHeader.DokTyp, ueb.AbfrageModusItemIndex);
}

void Exercise::DrawInstruction(QPainter& p) const {
    p.fillRect(QRect(QPoint(0, 0), panel_), Qt::white);
    p.drawImage(PictureOrigin(), view_.ViewImage());
    p.fillRect(QRect(ueb.CardAreaLeft, 0, 3, panel_.height()), kStripColour);
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(10);
    p.setFont(f);
    p.setPen(Qt::black);
    const int left = ueb.CardAreaLeft + 5;
    p.drawText(QRect(left, 1, std::max(0, panel_.width() - left), panel_.height()),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, Instruction());
}

QRect Exercise::CaptionRect() const {
    const int left = ueb.CardAreaLeft + 5;
    return {left, 50, std::max(0, panel_.width() - left - 3), 60};
}

bool Exercise::AbortExercise() {
    if (busy_) return false;
    if (Running()) {
        if (!prompter().AskYesNo(ExerciseText::ConfirmAbort())) return false;
        ueb.EndReason = EndAborted;
        if (reporter && ueb.NetRole == 1) reporter->RunEnded();
    }
    ReturnToLearningView();
    return true;
}

void Exercise::ReturnToLearningView() {
    if (!active_) {
        host_.LearningViewRestored();
        return;
    }
    ueb.NetRole = 0;
    active_ = false;
    drag_ = -1;
    target_ = -1;
    caption_.clear();
    cards.clear();
    for (ObjDataTyp& o : doc_.CurrentObjects)
        if (o.Abgedeckt != Abgedeckt_ && o.Abgedeckt != Aufgedeckt) o.Abgedeckt = Aufgedeckt;
    view_.exercise = ExerciseDrawState{};
    if (view_.HasQuestions()) view_.CurrentQuestion = 1;
    view_.SetZoom(0);
    view_.SetNumberMode(view_.NumberMode, false);
    host_.CardsChanged();
    host_.LearningViewRestored();
}

// ---- clock and status ----

void Exercise::AddLogLine(int buffer, const QString& text, bool withTime) {
    QString& out = buffer == 1 ? ueb.LogText : ueb.HeaderText;
    if (withTime) {
        const qint64 elapsed = std::max<qint64>(0, clock_.NowMs() - ueb.StartTick);
        clock_elapsed_ms_ = elapsed;
        out += ClockText(elapsed / 1000) + QStringLiteral(" - ");
    }
    out += text + QStringLiteral("\r\n");
}

void Exercise::UpdateClock() {
    const qint64 elapsed = std::max<qint64>(0, clock_.NowMs() - ueb.StartTick);
    qint64 shown;
    if (ueb.ZeitLimitIndex == 1) {
        const double left = std::trunc(ueb.ZeitLimitWert - elapsed / 1000.0);
        ueb.RemainingSeconds = static_cast<int>(std::max(0.0, left));
        shown = ueb.RemainingSeconds;
    } else {
        shown = elapsed / 1000;
    }
    const QString text = ClockText(shown);
    if (text != clock_text_) {
        clock_text_ = text;
        host_.ClockChanged();
    }
}

bool Exercise::ZeitTimerTimer() {
    if (!Running()) return false;
    if (busy_) return true;
    UpdateClock();
    if (ueb.ZeitLimitIndex == 1 && ueb.RemainingSeconds < 1) {
        drag_ = -1;
        SetTarget(-1);
        ueb.EndReason = EndTimeLimit;
        AddLogLine(1, ExerciseText::TimeLimitReached(), true);
        prompter().ShowInfo(ExerciseText::TimeLimitReached());
        Finish(EndTimeLimit);
        return false;
    }
    return true;
}

StatusTexts Exercise::UpdateStatusDisplay() {
    StatusTexts s;
    s.total = QStringLiteral("von  ") + QString::number(ueb.AskedCount);
    const QString name = (ueb.NetRole == 1 ? ueb.ParticipantName : ueb.EnteredName).trimmed();
    s.name = name.isEmpty() ? QStringLiteral("-") : name;
    if (ueb.RiFaRueckmeldungItemIndex == 1 && ueb.OpenCount > 0) {
        s.right = s.wrong = s.quota = s.performance = QStringLiteral("?");
    } else {
        const int judged = ueb.RightCount + ueb.WrongCount;
        ueb.SuccessQuota = judged > 0 ? double(ueb.RightCount) / judged : 0.0;
        const int all = judged + ueb.OpenCount;
        ueb.Performance = all > 0 ? double(ueb.RightCount) / all : 0.0;
        s.right = QString::number(ueb.RightCount);
        s.wrong = QString::number(ueb.WrongCount);
        s.quota = PercentText(ueb.SuccessQuota);
        s.performance = PercentText(ueb.Performance);
    }
    s.clockCaption = ueb.ZeitLimitIndex == 1 ? QStringLiteral("Verbleibende Zeit:")
                                             : QStringLiteral("Benötigte Zeit:");
    s.clockVisible = ueb.ZeitLimitIndex != 2;
    status_ = s;
    host_.StatusChanged();
    return s;
}

void Exercise::Finish(int reason) {
    FinishExercise(*this, reason);
}

} // namespace bw
