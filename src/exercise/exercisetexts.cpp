#include "exercise/exercisetexts.h"

#include "document/headerdata.h"

#include <QStringList>

namespace bw {

namespace ExerciseText {
QString StillRunning() {
    return QStringLiteral("Die aktuelle Übung ist noch nicht beendet.\r\nWählen Sie \"Übung "
                          "abbrechen\", um die aktuelle Übung vorzeitig abzubrechen.");
}
QString ConfirmAbort() {
    return QStringLiteral(
        "Die aktuelle Übung ist noch nicht beendet.\r\nÜbung wirklich abbrechen?");
}
QString NetParticipantBusy() {
    return QStringLiteral("Die aktuelle Netzwerk-Übung muss zunächst beendet werden, um eine "
                          "eigene Übung starten zu können.");
}
QString NetInitiatorBusy() {
    return QStringLiteral("Auf diesem Rechner wurde eine Netzwerk-Übung initiiert, die zuerst "
                          "beendet werden muss. Daher kann im Moment keine eigene Übung "
                          "gestartet werden.");
}
QString CloseEditorFirst() {
    return QStringLiteral("Bitte zuerst den Beschriftungseditor schließen.");
}
QString NoQueryObjects() {
    return QStringLiteral("Dieses Dokument enthält keine Abfrageobjekte.");
}
QString OptionsDuringExercise() {
    return QStringLiteral(
        "Die Übungseinstellungen können nicht während der Übung geändert werden.");
}
QString TimeLimitReached() {
    return QStringLiteral("Das Zeitlimit ist erreicht, die Übung wird beendet.");
}
QString Started() {
    return QStringLiteral("Übung wird gestartet");
}
QString RightCaption() {
    return QStringLiteral("Richtig!");
}
QString WrongCaption() {
    return QStringLiteral("Falsch!");
}
} // namespace ExerciseText

namespace {
QString Quoted(const QString& s) {
    return QLatin1Char('"') + s + QLatin1Char('"');
}
} // namespace

QString InstructionText(int dokTyp, int modus) {
    if (dokTyp == DokEinzelfragen) return QStringLiteral("Klicke auf die richtige Antwort!");
    if (dokTyp == DokMultipleChoice) return QStringLiteral("Markiere alle zutreffenden Antworten!");
    const bool cloze = dokTyp == DokLueckentext;
    switch (modus) {
    case ModusEinzelTexte:
        return cloze ? QStringLiteral("Ziehe den Lückentext an die richtige Position!")
                     : QStringLiteral("Ziehe das Kärtchen an die richtige Position!");
    case ModusEinzelPositionen:
        return cloze ? QStringLiteral("Ziehe den richtigen Lückentext an die markierte Position!")
                     : QStringLiteral("Ziehe das richtige Kärtchen an die markierte Position!");
    default:
        return cloze ? QStringLiteral("Ziehe die Lückentexte an die jeweils richtige Position!")
                     : QStringLiteral("Ziehe die Kärtchen an die jeweils richtige Position!");
    }
}

QString RightLogLine(int dokTyp, int modus, const QString& card, const QString& target) {
    if (dokTyp == DokEinzelfragen)
        return QStringLiteral("RICHTIG - Gewählte Antwort: ") + Quoted(card);
    const bool cloze = dokTyp == DokLueckentext;
    switch (modus) {
    case ModusEinzelTexte:
        return (cloze ? QStringLiteral("RICHTIG - Lückentext ")
                      : QStringLiteral("RICHTIG - Text-/Bildkärtchen ")) +
               Quoted(card) + QStringLiteral(" wird richtig zugeordnet");
    case ModusEinzelPositionen:
        return cloze ? QStringLiteral("RICHTIG - Der Lücke ") + Quoted(target) +
                           QStringLiteral(" wird der richtige Lückentext zugeordnet")
                     : QStringLiteral("RICHTIG - Der Position von ") + Quoted(target) +
                           QStringLiteral(" wird das richtige Text-/Bildkärtchen zugeordnet");
    default:
        return cloze ? QStringLiteral("RICHTIG - Lückentext ") + Quoted(card) +
                           QStringLiteral(" wird der richtigen Lücke zugeordnet")
                     : QStringLiteral("RICHTIG - Text-/Bildkärtchen ") + Quoted(card) +
                           QStringLiteral(" wird der richtigen Position zugeordnet");
    }
}

QString WrongLogLine(int dokTyp, int modus, const QString& card, const QString& target) {
    if (dokTyp == DokEinzelfragen)
        return QStringLiteral("FALSCH - Gewählte Antwort: ") + Quoted(card);
    const bool cloze = dokTyp == DokLueckentext;
    if (modus == ModusEinzelPositionen) {
        return cloze ? QStringLiteral("FALSCH - Der Lücke ") + Quoted(target) +
                           QStringLiteral(" wird der Lückentext ") + Quoted(card) +
                           QStringLiteral(" zugeordnet")
                     : QStringLiteral("FALSCH - Der Position von ") + Quoted(target) +
                           QStringLiteral(" wird das Text-/Bildkärtchen ") + Quoted(card) +
                           QStringLiteral(" zugeordnet");
    }
    return cloze ? QStringLiteral("FALSCH - Lückentext ") + Quoted(card) +
                       QStringLiteral(" wird der Lücke von ") + Quoted(target) +
                       QStringLiteral(" zugeordnet")
                 : QStringLiteral("FALSCH - Text-/Bildkärtchen ") + Quoted(card) +
                       QStringLiteral(" wird der Position von ") + Quoted(target) +
                       QStringLiteral(" zugeordnet");
}

QString NextTextLogLine(int dokTyp, const QString& text) {
    if (dokTyp == DokLueckentext)
        return QStringLiteral("Lückentext ") + Quoted(text) +
               QStringLiteral(" soll der richtigen Lücke zugeordnet werden");
    return QStringLiteral("Text-/Bildkärtchen ") + Quoted(text) +
           QStringLiteral(" soll der richtigen Position zugeordnet werden");
}

QString NextPositionLogLine(int dokTyp, const QString& text) {
    if (dokTyp == DokLueckentext)
        return QStringLiteral("Der Lücke ") + Quoted(text) +
               QStringLiteral(" soll der richtige Lückentext zugeordnet werden");
    return QStringLiteral("Der Position ") + Quoted(text) +
           QStringLiteral(" soll das richtige Text- oder Bildkärtchen zugeordnet werden");
}

QString ClockText(qint64 seconds) {
    seconds = std::max<qint64>(0, seconds);
    return QStringLiteral("%1:%2")
        .arg(seconds / 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString PercentText(double fraction) {
    return QString::number(fraction * 100.0, 'f', 1) + QStringLiteral(" %");
}

QStringList KennzInfoLines() {
    return {
        QStringLiteral("\"Richtig gelöst\":"),
        QStringLiteral("Gibt die bisherige Anzahl der richtig gelösten Fragen (bzw. Zuordnungen) "
                       "und deren "),
        QStringLiteral("Gesamtanzahl in der aktuellen Übungseinheit an (\"richtig\")."),
        QString(),
        QStringLiteral("\"Fehlversuche\":"),
        QStringLiteral("Gibt die bisherige Anzahl der falschen Zuordnungen bzw. Antworten an "
                       "(\"falsch\"). "),
        QString(),
        QStringLiteral("\"Akt. Erfolgsquote\":"),
        QStringLiteral("Die aktuelle Erfolgsquote ist:   Q = richtig / (richtig + falsch)"),
        QString(),
        QStringLiteral("\"Gesamtleistung\":"),
        QStringLiteral(
            "Die bisherige Gesamtleistung ist:   L = richtig / (richtig + falsch + offen)"),
        QStringLiteral("Diese Kennzahl ist die Grundlage der Leistungsbewertung (Benotung) am "
                       "Ende der "),
        QStringLiteral("Übung. Der Parameter \"offen\" bezeichnet die aktuelle Anzahl der "
                       "Positionen ohne  "),
        QStringLiteral("Zuordnungsversuch bzw. die Anzahl der noch nicht gestellten Fragen."),
        QString(),
        QStringLiteral("\"Benötigte Zeit\" / \"Restzeit\":"),
        QStringLiteral("Zeit im Format \"Minuten:Sekunden\", die bisher verstrichen ist bzw. "
                       "die bei aktiviertem "),
        QStringLiteral("Zeitlimit noch zur Verfügung steht, bis die Übung abgebrochen wird."),
    };
}

} // namespace bw
