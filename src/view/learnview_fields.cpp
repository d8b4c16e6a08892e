#include "view/learnview.h"

#include "view/numbering.h"
#include "view/questionlayout.h"

#include <QRandomGenerator>

namespace bw {

namespace {

bool IsHitCandidate(const ObjDataTyp& o, bool editorOpen, int currentQuestion) {
    const int t = o.Typ;
    if (editorOpen) return HasTrait(t, TraitLabelObject);
    if (HasTrait(t, TraitClickable)) return true;
    return (t == TypAntwortFeld || t == TypMCAntwortBox) && o.FrageNummer == currentQuestion;
}

} // namespace

int LearnView::HitTestObject(QPoint viewPoint) const {
    const QPointF f = ViewToPage(QPointF(viewPoint));
    for (int i = 0; i < doc_.ObjectCount(); ++i) {
        const ObjDataTyp& o = doc_.CurrentObjects[i];
        if (!IsHitCandidate(o, editorOpen, CurrentQuestion) || !IsObjectVisible(i)) continue;
        const DoubleRect& r = Card(i).KRect;
        if (r.left <= f.x() && f.x() < r.right && r.top <= f.y() && f.y() < r.bottom) return i;
    }
    return -1;
}

void LearnView::SetNumberMode(int mode, bool redraw, QRandomGenerator* rng) {
    NumberMode = std::clamp(mode, 0, 2);
    NumberingOrder = BuildNumbering(doc_, NumberMode, rng);
    emit numberModeChanged(NumberMode);
    if (redraw) DrawAllObjects(false, true, true);
}

QString LearnView::NumberText(int index) const {
    return bw::NumberText(doc_, index);
}

void LearnView::CoverAll() {
    for (ObjDataTyp& o : doc_.CurrentObjects)
        o.Abgedeckt = Abgedeckt_;
    DrawAllObjects(false, true, true);
}

void LearnView::UncoverAll() {
    for (ObjDataTyp& o : doc_.CurrentObjects)
        o.Abgedeckt = Aufgedeckt;
    DrawAllObjects(false, true, true);
}

bool LearnView::ToggleQueryField(int index) {
    if (!doc_.ValidIndex(index) || !IsQueryFieldType(doc_.CurrentObjects[index].Typ)) return false;
    int& state = doc_.CurrentObjects[index].Abgedeckt;
    state = state == Abgedeckt_ ? Aufgedeckt : Abgedeckt_;
    DrawObject(index, false, true, true);
    return true;
}

bool LearnView::HasQuestions() const {
    return doc_.CurrentHeader.AnzFrageNummern >= 1;
}

void LearnView::SetCurrentQuestion(int q) {
    const int n = doc_.CurrentHeader.AnzFrageNummern;
    CurrentQuestion = n >= 1 ? std::clamp(q, 1, n) : q;
    RedrawObjects();
}

ClickResult LearnView::ClickAt(QPoint viewPoint, QRandomGenerator* rng) {
    const int index = HitTestObject(viewPoint);
    if (index < 0) return {};
    const int typ = doc_.CurrentObjects[index].Typ;
    if (IsQueryFieldType(typ)) {
        ToggleQueryField(index);
        return {ClickResult::Toggled, index};
    }
    switch (typ) {
    case TypInfopunkt:
        return {ClickResult::InfoPoint, index};
    case TypLinkExtern:
        return {ClickResult::ExternalLink, index};
    case TypLinkIntern:
        return {ClickResult::InternalLink, index};
    default:
        break;
    }
    if (typ < TypBtnZurueck || typ > TypBtnZufall || !HasQuestions()) return {};
    const int n = doc_.CurrentHeader.AnzFrageNummern;
    int q = CurrentQuestion;
    switch (typ) {
    case TypBtnZurueck:
        q = std::max(1, q - 1);
        break;
    case TypBtnVor:
        q = std::min(n, q + 1);
        break;
    case TypBtnErste:
        q = 1;
        break;
    case TypBtnLetzte:
        q = n;
        break;
    default: {
        if (n <= 1) {
            q = 1;
            break;
        }
        if (!rng) rng = QRandomGenerator::global();
        // A random question other than the current one.
        if (CurrentQuestion >= 1 && CurrentQuestion <= n) {
            q = 1 + static_cast<int>(rng->bounded(n - 1));
            if (q >= CurrentQuestion) ++q;
        } else {
            q = 1 + static_cast<int>(rng->bounded(n));
        }
        break;
    }
    }
    SetCurrentQuestion(q);
    return {ClickResult::QuestionChanged, index};
}

void LearnView::BuildQuestionObjects(bool rebuild) {
    bw::BuildQuestionObjects(doc_, rebuild, exerciseRunning(), CurrentQuestion);
    if (rebuild && doc_.CurrentHeader.DokTyp == DokEinzelfragen) SetNumberMode(NumberMode, false);
}

void LearnView::BuildChoiceObjects(bool rebuild) {
    bw::BuildChoiceObjects(doc_, rebuild, exerciseRunning(), CurrentQuestion);
    if (rebuild && doc_.CurrentHeader.DokTyp == DokMultipleChoice) SetNumberMode(NumberMode, false);
}

void LearnView::RebuildGeneratedObjects() {
    // The cloze text is laid out at the page's current size.
    if (page_.isNull()) RedrawView();
    BuildClozeObjects(true);
    BuildQuestionObjects(true);
    BuildChoiceObjects(true);
    RedrawView();
}

void LearnView::DocumentLoaded(int zoomIndex) {
    SetZoom(0);
    Viewport = {0, 0, 1, 1};
    const int n = doc_.CurrentHeader.AnzFrageNummern;
    if (n >= 1 && (CurrentQuestion < 1 || CurrentQuestion > n)) CurrentQuestion = 1;
    // Multiple-choice layouts are never stored: each load makes them.
    bw::BuildChoiceObjects(doc_, true, exerciseRunning(), CurrentQuestion);
    SetNumberMode(NumberMode, false);
    if (zoomIndex != 0) {
        fixCardSidesAtFit();
        SetZoom(zoomIndex);
    }
    RedrawView();
}

} // namespace bw
