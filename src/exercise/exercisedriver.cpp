#include "exercise/exercisedriver.h"

#include "document/document.h"
#include "view/learnview.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <cmath>

namespace bw {

namespace {

constexpr qint64 kTickMs = 100;

bool ParseInt(const QString& s, int& out) {
    bool ok = false;
    out = s.toInt(&ok);
    return ok;
}

bool ParseFraction(const QString& s, double& out) {
    bool ok = false;
    out = s.toDouble(&ok);
    return ok && std::isfinite(out);
}

} // namespace

void ExerciseDriver::RunClockTo(qint64 ms) {
    if (nextTick_ < 0) nextTick_ = ex_.ueb.StartTick + kTickMs;
    while (ex_.Running() && nextTick_ <= ms) {
        clock_.Set(nextTick_);
        ex_.ZeitTimerTimer();
        // A pause during the tick holds the timer back, as the window's timer is.
        nextTick_ = std::max(nextTick_, clock_.NowMs()) + kTickMs;
    }
    clock_.Set(ms);
}

int ExerciseDriver::LiveCard(int object, QString& message) const {
    const int card = ex_.CardOfObject(object);
    if (card < 0 || !ex_.cards[card].shown()) {
        message = QStringLiteral("Kärtchen %1 ist nicht sichtbar").arg(object);
        return -1;
    }
    return card;
}

ExerciseDriver::Result ExerciseDriver::Click(int object, CardKind kind, QString& message) {
    for (std::size_t i = 0; i < ex_.cards.size(); ++i) {
        const ExerciseCard& c = ex_.cards[i];
        if (c.shown() && c.kind == kind && (object < 0 || c.object == object)) {
            ex_.CardMouseDown(int(i), c.rect.center());
            ex_.CardMouseUp();
            return Result::Done;
        }
    }
    message = object < 0 ? QStringLiteral("keine Schaltfläche \"OK\" sichtbar")
                         : QStringLiteral("Kärtchen %1 ist nicht sichtbar").arg(object);
    return Result::Skipped;
}

ExerciseDriver::Result ExerciseDriver::Drop(int object, int target, QString& message) {
    const int card = LiveCard(object, message);
    if (card < 0) return Result::Skipped;
    if (target >= 0 && !ex_.IsCandidate(target)) {
        message = QStringLiteral("Feld %1 ist kein offenes Ziel").arg(target);
        return Result::Skipped;
    }
    // Picked up where it lies, so that a wrong card glides back there.
    ex_.CardMouseDown(card, ex_.cards[card].rect.center());
    if (target >= 0) ex_.Release(card, target);
    ex_.CardMouseUp();
    return Result::Done;
}

ExerciseDriver::Result ExerciseDriver::DropAt(int object, double x, double y, QString& message) {
    const int card = LiveCard(object, message);
    if (card < 0) return Result::Skipped;
    const QRect start = ex_.cards[card].rect;
    const QPoint grip = start.center();
    const QPoint to = ex_.PageToPanel({x, y});
    ex_.CardMouseDown(card, grip);
    ex_.CardMouseMove(grip + (to - start.topLeft()));
    ex_.CardMouseUp();
    return Result::Done;
}

ExerciseDriver::Result ExerciseDriver::Apply(const QString& line, QString& message) {
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QStringList w = line.trimmed().split(blanks, Qt::SkipEmptyParts);
    if (w.isEmpty()) return Result::Done;
    const QString& verb = w[0];
    auto malformed = [&] {
        message = QStringLiteral("unverständlicher Zug: ") + line.trimmed();
        return Result::Malformed;
    };
    auto ended = [&] {
        message = QStringLiteral("die Übung ist beendet: ") + line.trimmed();
        return Result::Skipped;
    };
    const bool questions = ex_.QuestionDocument();
    auto wrongKind = [&] {
        message = QStringLiteral("Zug passt nicht zu diesem Dokumenttyp: ") + line.trimmed();
        return Result::Skipped;
    };
    if (verb == QLatin1String("answer") || verb == QLatin1String("tick")) {
        int object = 0;
        if (w.size() != 2 || !ParseInt(w[1], object) || object < 0) return malformed();
        if (!ex_.Running()) return ended();
        const bool tick = verb == QLatin1String("tick");
        const int wanted = tick ? DokMultipleChoice : DokEinzelfragen;
        if (ex_.doc().CurrentHeader.DokTyp != wanted) return wrongKind();
        return Click(object, tick ? CardKind::AnswerBox : CardKind::Text, message);
    }
    if (verb == QLatin1String("ok")) {
        if (w.size() != 1) return malformed();
        if (!ex_.Running()) return ended();
        if (ex_.doc().CurrentHeader.DokTyp != DokMultipleChoice) return wrongKind();
        return Click(-1, CardKind::Ok, message);
    }
    if ((verb == QLatin1String("drop") || verb == QLatin1String("dropat")) && questions &&
        ex_.Running())
        return wrongKind();
    if (verb == QLatin1String("drop")) {
        int card = 0, target = -1;
        if (w.size() != 3 || !ParseInt(w[1], card)) return malformed();
        if (w[2] != QLatin1String("none") && (!ParseInt(w[2], target) || target < 0))
            return malformed();
        if (!ex_.Running()) return ended();
        return Drop(card, target, message);
    }
    if (verb == QLatin1String("dropat")) {
        int card = 0;
        double x = 0, y = 0;
        if (w.size() != 4 || !ParseInt(w[1], card) || !ParseFraction(w[2], x) ||
            !ParseFraction(w[3], y))
            return malformed();
        if (!ex_.Running()) return ended();
        return DropAt(card, x, y, message);
    }
    if (verb == QLatin1String("wait")) {
        double seconds = 0;
        if (w.size() != 2 || !ParseFraction(w[1], seconds) || seconds < 0 || seconds > 86400)
            return malformed();
        if (!ex_.Running()) return ended();
        RunClockTo(clock_.NowMs() + std::llround(seconds * 1000));
        return Result::Done;
    }
    if (verb == QLatin1String("abort")) {
        if (w.size() != 1) return malformed();
        if (!ex_.Active()) return ended();
        ex_.AbortExercise();
        return Result::Done;
    }
    return malformed();
}

QByteArray ExerciseJson(const Exercise& ex) {
    const UebDataTyp& u = ex.ueb;
    QJsonObject o;
    o[QStringLiteral("TotalCount")] = u.TotalCount;
    o[QStringLiteral("AskedCount")] = u.AskedCount;
    o[QStringLiteral("RightCount")] = u.RightCount;
    o[QStringLiteral("WrongCount")] = u.WrongCount;
    o[QStringLiteral("SuccessQuota")] = u.SuccessQuota;
    o[QStringLiteral("Performance")] = u.Performance;
    o[QStringLiteral("Mark")] = u.Mark;
    o[QStringLiteral("StartTick")] = u.StartTick;
    o[QStringLiteral("StartTime")] = u.StartTime;
    o[QStringLiteral("CardAreaLeft")] = u.CardAreaLeft;
    o[QStringLiteral("RiFaRueckmeldungItemIndex")] = u.RiFaRueckmeldungItemIndex;
    o[QStringLiteral("ZuordnungRichtigItemIndex")] = u.ZuordnungRichtigItemIndex;
    o[QStringLiteral("ZuordnungFalschItemIndex")] = u.ZuordnungFalschItemIndex;
    o[QStringLiteral("ZuordnungstexteItemIndex")] = u.ZuordnungstexteItemIndex;
    o[QStringLiteral("ZuordnungszieleItemIndex")] = u.ZuordnungszieleItemIndex;
    o[QStringLiteral("AbfrageModusItemIndex")] = u.AbfrageModusItemIndex;
    o[QStringLiteral("ZeitLimitIndex")] = u.ZeitLimitIndex;
    o[QStringLiteral("ZeitLimitWert")] = u.ZeitLimitWert;
    o[QStringLiteral("RemainingSeconds")] = u.RemainingSeconds;
    o[QStringLiteral("OpenCount")] = u.OpenCount;
    o[QStringLiteral("EndReason")] = u.EndReason;
    o[QStringLiteral("CurrentIndex")] = u.CurrentIndex;
    o[QStringLiteral("LogText")] = u.LogText;
    o[QStringLiteral("HeaderText")] = u.HeaderText;
    // Where the end of the run wrote its protocol and best-list entry ("" for nothing).
    o[QStringLiteral("ProtocolFile")] = ex.lastEnd.protocolFile;
    o[QStringLiteral("BestListFile")] = ex.lastEnd.bestListFile;
    o[QStringLiteral("NetRole")] = u.NetRole;
    o[QStringLiteral("EnteredName")] = u.EnteredName;
    o[QStringLiteral("EnteredInBestList")] = u.EnteredInBestList;
    QJsonArray grading;
    for (double q : u.NoteMinQuote)
        grading.append(q);
    o[QStringLiteral("NoteMinQuote")] = grading;
    o[QStringLiteral("Clock")] = ex.ClockDisplay();

    QJsonArray order;
    for (const OrderEntry& e : ex.order)
        order.append(QJsonObject{{QStringLiteral("Card"), e.Card},
                                 {QStringLiteral("Position"), e.Position}});
    o[QStringLiteral("Order")] = order;

    QJsonArray cards;
    for (const ExerciseCard& c : ex.cards) {
        if (!c.shown()) continue;
        cards.append(QJsonObject{{QStringLiteral("Object"), c.object},
                                 {QStringLiteral("Left"), c.rect.x()},
                                 {QStringLiteral("Top"), c.rect.y()}});
    }
    o[QStringLiteral("Cards")] = cards;

    if (ex.QuestionDocument()) {
        o[QStringLiteral("CurrentQuestion")] = ex.view().CurrentQuestion;
        QJsonArray answers;
        for (const ExerciseCard& c : ex.cards) {
            if (!c.shown()) continue;
            QJsonObject a{{QStringLiteral("Object"), c.object},
                          {QStringLiteral("Left"), c.rect.x()},
                          {QStringLiteral("Top"), c.rect.y()},
                          {QStringLiteral("Width"), c.rect.width()},
                          {QStringLiteral("Height"), c.rect.height()}};
            switch (c.kind) {
            case CardKind::Text:
                a[QStringLiteral("Caption")] = ex.ObjectText(c.object);
                break;
            case CardKind::AnswerBox:
                a[QStringLiteral("Answer")] = ex.ObjectText(c.object + 1);
                a[QStringLiteral("Ticked")] = c.ticked();
                break;
            case CardKind::Ok:
                a[QStringLiteral("Caption")] = QStringLiteral("OK");
                break;
            }
            answers.append(a);
        }
        o[QStringLiteral("AnswerCards")] = answers;
    }

    QJsonArray objects;
    const Document& doc = ex.doc();
    for (int i = 0; i < doc.ObjectCount(); ++i) {
        const ObjDataTyp& ob = doc.CurrentObjects[i];
        objects.append(QJsonObject{{QStringLiteral("Index"), i},
                                   {QStringLiteral("Typ"), ob.Typ},
                                   {QStringLiteral("Abgedeckt"), ob.Abgedeckt},
                                   {QStringLiteral("Nummer"), ob.Nummer},
                                   {QStringLiteral("FehlerPos"), ob.FehlerPos},
                                   {QStringLiteral("FehlerKarte"), ob.FehlerKarte}});
    }
    o[QStringLiteral("Objects")] = objects;
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

} // namespace bw
