#include "exercise/protocol.h"

#include "exercise/bestlist.h"
#include "exercise/exercisetexts.h"

#include <QFileInfo>
#include <QLocale>

namespace bw {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString Line(const QString& label, const QString& value) {
    return label + QLatin1Char('\t') + value + kCrLf;
}

QString Pick(int index, std::initializer_list<const char16_t*> texts) {
    const int i = std::clamp(index, 0, int(texts.size()) - 1);
    return QString::fromUtf16(texts.begin()[i]);
}

QString ParticipantText(const UebDataTyp& f) {
    QString name;
    switch (f.NetRole) {
    case 1:
        name = f.ParticipantName.trimmed();
        break;
    case 2:
        name = QStringLiteral("(Initiator der Netzwerk-Übung)");
        break;
    default:
        name = f.EnteredName.trimmed();
        break;
    }
    return name.isEmpty() ? QStringLiteral("(nicht angegeben)") : name;
}

QString TimeLimitSetting(const UebDataTyp& f) {
    switch (f.ZeitLimitIndex) {
    case 1:
        return QStringLiteral("ja, ") + TimeLimitText(f.ZeitLimitWert);
    case 2:
        return QStringLiteral("nein, ohne Uhr");
    default:
        return QStringLiteral("nein, mit Uhr");
    }
}

} // namespace

QString LocaleDateTimeText(const QDateTime& t) {
    if (!t.isValid()) return {};
    const QLocale loc;
    // The long time format names the time zone; the protocol never did.
    QString timeFormat = loc.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QLatin1Char('t'));
    return loc.toString(t.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           loc.toString(t.time(), timeFormat.trimmed());
}

QString TimeLimitText(int seconds) {
    seconds = std::max(0, seconds);
    const int h = seconds / 3600;
    const int m = seconds / 60 % 60;
    const int s = seconds % 60;
    QString text;
    if (h != 0) text += QString::number(h) + QStringLiteral(" Std. ");
    if (m != 0 || h != 0) text += QString::number(m) + QStringLiteral(" Min. ");
    text += QString::number(s) + QStringLiteral(" Sek.");
    return text.trimmed();
}

FinishFigures FinishFiguresFor(const UebDataTyp& f, qint64 elapsedMs) {
    FinishFigures r;
    r.Richtig =
        QString::number(f.RightCount) + QStringLiteral("  von  ") + QString::number(f.AskedCount);
    r.Fehlversuche = QString::number(f.WrongCount);
    r.Erfolgsquote = PercentText(f.SuccessQuota);
    if (f.ZeitLimitIndex == 1) {
        r.TimeCaption = QStringLiteral("Verbliebene Zeit:");
        r.Zeit = ClockText(f.RemainingSeconds);
    } else {
        r.TimeCaption = QStringLiteral("Benötigte Zeit:");
        r.Zeit = ClockText(elapsedMs / 1000);
    }
    r.Offen = QString::number(f.OpenCount);
    r.Gesamtleistung = PercentText(f.Performance);
    r.Bewertung = MarkWord(f.Mark);
    r.Schulnote = QString::number(f.Mark);
    return r;
}

QString ProtocolHeadText(const UebDataTyp& f, const ProtocolContext& c) {
    QString t;
    t += Line(QStringLiteral("Datum/Uhrzeit (Beginn):"),
              LocaleDateTimeText(FromDateTimeValue(f.StartTime)));
    t += Line(QStringLiteral("Teilnehmername:"), ParticipantText(f));
    t += Line(QStringLiteral("Rechnername:"), c.ComputerName);
    t += Line(QStringLiteral("Rechnerbenutzer:"), c.UserName);
    t += Line(QStringLiteral("Übungsart:"),
              Pick(f.NetRole, {u"Individual-Übung", u"Teilnahme an Netzwerk-Übung",
                               u"Initiierte Netzwerk-Übung"}));
    if (f.NetRole == 2) {
        t += Line(QStringLiteral("Kommunikationsordner:"), c.KomOrdner);
        t += Line(QStringLiteral("Kommunikationskanal:"), c.KomKanal);
    }
    t += kCrLf;
    t += QStringLiteral("<tit>Übungseinstellungen") + kCrLf;
    t += Line(QStringLiteral("Titel:"), c.Titel);
    t += Line(QStringLiteral("Datei:"), QFileInfo(c.Datei).fileName());
    t += Line(QStringLiteral("Dokumententyp:"), DokTypName(c.DokTyp));
    t += Line(QStringLiteral("Übungsumfang:"),
              f.AskedCount == f.TotalCount
                  ? QString::number(f.AskedCount) + QStringLiteral(" Abfragen (komplette Übung)")
                  : QString::number(f.AskedCount) + QStringLiteral(" von ") +
                        QString::number(f.TotalCount) +
                        QStringLiteral(" Abfragen (Teilwiederholung)"));
    const bool questions = c.DokTyp == 2 || c.DokTyp == 3;
    if (!questions) {
        t += Line(
            QStringLiteral("Abfragemodus:"),
            Pick(f.AbfrageModusItemIndex, {u"freie Zuordnung in beliebiger Reihenfolge",
                                           u"Einzelabfrage Texte", u"Einzelabfrage Positionen"}));
        t += Line(QStringLiteral("Zeitlimit:"), TimeLimitSetting(f));
        t += Line(QStringLiteral("Verhalten bei richtiger Zuordnung:"),
                  Pick(f.ZuordnungRichtigItemIndex,
                       {u"Beschriftung einblenden", u"grünes Häkchen setzen"}));
        t += Line(QStringLiteral("Verhalten bei Fehlversuch:"),
                  Pick(f.ZuordnungFalschItemIndex,
                       {u"beliebig viele Zuordnungsversuche erlaubt",
                        u"rotes Kreuz setzen, keine erneute Zuordnung an dieser Position"}));
        t += Line(
            QStringLiteral("Zuordnungstexte:"),
            Pick(f.ZuordnungstexteItemIndex, {u"alphabetisch geordnet", u"zufällig gemischt"}));
        t += Line(QStringLiteral("Zuordnungsziele (Positionen):"),
                  Pick(f.ZuordnungszieleItemIndex,
                       {u"geordnet nummeriert", u"zufällig gemischt nummeriert", u"Fragezeichen"}));
    } else {
        t += Line(QStringLiteral("Abfragemodus:"),
                  Pick(f.ZuordnungFalschItemIndex,
                       {u"solange wiederholen, bis jede Frage richtig beantwortet wurde",
                        u"jede Frage nur einmal stellen"}));
        t += Line(QStringLiteral("Zeitlimit:"), TimeLimitSetting(f));
        QString answers = f.ZuordnungstexteItemIndex == 1 ? QStringLiteral("zufällig gemischt")
                          : c.DokTyp == 2                 ? QStringLiteral("alphabetisch geordnet")
                                          : QStringLiteral("wie vorgegeben geordnet");
        t += Line(QStringLiteral("Antwortmöglichkeiten:"), answers);
        t += Line(
            QStringLiteral("Reihenfolge der Fragen:"),
            Pick(f.ZuordnungszieleItemIndex, {u"wie vorgegeben geordnet", u"zufällig gemischt"}));
    }
    t += Line(QStringLiteral("Notengrenzen bzgl. Erfolgsquote:"), BoundariesText(f.NoteMinQuote));
    t += kCrLf;
    return t;
}

QString HeaderTextFor(const UebDataTyp& f, const ProtocolContext& c) {
    const FinishFigures v = FinishFiguresFor(f, c.ElapsedMs);
    QString t = QStringLiteral("<tit>Übungsprotokoll") + kCrLf;
    t += ProtocolHeadText(f, c);
    t += QStringLiteral("<tit>Statistik-Zusammenfassung") + kCrLf;
    t += Line(QStringLiteral("Richtig zugeordnet:"), v.Richtig);
    t += Line(QStringLiteral("Fehlversuche:"), v.Fehlversuche);
    t += Line(QStringLiteral("Erfolgsquote:"), v.Erfolgsquote);
    t += Line(QStringLiteral("Offene Positionen:"), v.Offen);
    t += Line(v.TimeCaption, v.Zeit);
    t += Line(QStringLiteral("Gesamtleistung:"), v.Gesamtleistung);
    t += Line(QStringLiteral("Bewertung:"), v.Bewertung);
    t += Line(QStringLiteral("Schulnote:"), v.Schulnote);
    t += kCrLf;
    t += QStringLiteral("<tit>Detaillierter Ablauf") + kCrLf;
    return t;
}

} // namespace bw
