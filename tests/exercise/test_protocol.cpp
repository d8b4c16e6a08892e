#include "exercise/bestlist.h"
#include "exercise/protocol.h"
#include "exercise/protocolfile.h"
#include "exercise/protocoltext.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace bw;

namespace {

// The quotas as the exercise settles them at the end, and the mark.
UebDataTyp Settled(UebDataTyp f) {
    const int judged = f.RightCount + f.WrongCount;
    f.SuccessQuota = judged > 0 ? double(f.RightCount) / judged : 0.0;
    const int all = judged + f.OpenCount;
    f.Performance = all > 0 ? double(f.RightCount) / all : 0.0;
    f.Mark = MarkFor(f.Performance, f.NoteMinQuote);
    return f;
}

UebDataTyp LabelRun() {
    UebDataTyp f;
    f.TotalCount = 20;
    f.AskedCount = 20;
    f.RightCount = 18;
    f.WrongCount = 3;
    f.OpenCount = 2;
    f.StartTime = DateTimeValue(QDateTime(QDate(2026, 3, 4), QTime(9, 5, 7)));
    f.ZeitLimitIndex = 0;
    f.AbfrageModusItemIndex = 1;
    f.ZuordnungRichtigItemIndex = 1;
    f.ZuordnungFalschItemIndex = 1;
    f.ZuordnungstexteItemIndex = 0;
    f.ZuordnungszieleItemIndex = 2;
    f.EnteredName = QStringLiteral("  Anna ");
    return Settled(f);
}

ProtocolContext Context(int dokTyp = 0) {
    ProtocolContext c;
    c.Titel = QStringLiteral("Europa");
    c.Datei = QStringLiteral("/schule/themen/europa.bwk");
    c.DokTyp = dokTyp;
    c.ComputerName = QStringLiteral("PC-07");
    c.UserName = QStringLiteral("schueler");
    c.ElapsedMs = 125900;
    return c;
}

} // namespace

TEST(ProtocolHeader, WholeHeaderOfALabelExercise) {
    const UebDataTyp f = LabelRun();
    EXPECT_EQ(f.Mark, 2); // 18 / 23 = 78.3 %
    const QString expected =
        QStringLiteral(
            "<tit>Übungsprotokoll\r\n"
            "Datum/Uhrzeit (Beginn):\t%1\r\n"
            "Teilnehmername:\tAnna\r\n"
            "Rechnername:\tPC-07\r\n"
            "Rechnerbenutzer:\tschueler\r\n"
            "Übungsart:\tIndividual-Übung\r\n"
            "\r\n"
            "<tit>Übungseinstellungen\r\n"
            "Titel:\tEuropa\r\n"
            "Datei:\teuropa.bwk\r\n"
            "Dokumententyp:\tBildbeschriftung\r\n"
            "Übungsumfang:\t20 Abfragen (komplette Übung)\r\n"
            "Abfragemodus:\tEinzelabfrage Texte\r\n"
            "Zeitlimit:\tnein, mit Uhr\r\n"
            "Verhalten bei richtiger Zuordnung:\tgrünes Häkchen setzen\r\n"
            "Verhalten bei Fehlversuch:\trotes Kreuz setzen, keine erneute Zuordnung an dieser "
            "Position\r\n"
            "Zuordnungstexte:\talphabetisch geordnet\r\n"
            "Zuordnungsziele (Positionen):\tFragezeichen\r\n"
            "Notengrenzen bzgl. Erfolgsquote:\t85.0% / 70.0% / 55.0% / 40.0% / 25.0% / 0.0%\r\n"
            "\r\n"
            "<tit>Statistik-Zusammenfassung\r\n"
            "Richtig zugeordnet:\t18  von  20\r\n"
            "Fehlversuche:\t3\r\n"
            "Erfolgsquote:\t85.7 %\r\n"
            "Offene Positionen:\t2\r\n"
            "Benötigte Zeit:\t02:05\r\n"
            "Gesamtleistung:\t78.3 %\r\n"
            "Bewertung:\tgut\r\n"
            "Schulnote:\t2\r\n"
            "\r\n"
            "<tit>Detaillierter Ablauf\r\n")
            .arg(LocaleDateTimeText(QDateTime(QDate(2026, 3, 4), QTime(9, 5, 7))));
    EXPECT_EQ(HeaderTextFor(f, Context()), expected);
}

TEST(ProtocolHeader, TimeLimitRolesAndPartialRepeat) {
    UebDataTyp f = LabelRun();
    f.ZeitLimitIndex = 1;
    f.ZeitLimitWert = 180;
    f.RemainingSeconds = 42;
    f.AskedCount = 5;
    f.NetRole = 2;
    ProtocolContext c = Context();
    c.KomOrdner = QStringLiteral("/srv/kom/");
    c.KomKanal = QStringLiteral("BRETTW-1");
    const QString h = HeaderTextFor(f, c);
    EXPECT_TRUE(h.contains(QStringLiteral("\r\nZeitlimit:\tja, 3 Min. 0 Sek.\r\n")));
    EXPECT_TRUE(h.contains(QStringLiteral("\r\nVerbliebene Zeit:\t00:42\r\n")));
    EXPECT_TRUE(
        h.contains(QStringLiteral("\r\nÜbungsumfang:\t5 von 20 Abfragen (Teilwiederholung)\r\n")));
    EXPECT_TRUE(h.contains(QStringLiteral("Teilnehmername:\t(Initiator der Netzwerk-Übung)\r\n")));
    EXPECT_TRUE(h.contains(QStringLiteral("Übungsart:\tInitiierte Netzwerk-Übung\r\n"
                                          "Kommunikationsordner:\t/srv/kom/\r\n"
                                          "Kommunikationskanal:\tBRETTW-1\r\n\r\n")));
    f.NetRole = 1;
    f.ParticipantName = QStringLiteral("   ");
    const QString p = HeaderTextFor(f, c);
    EXPECT_TRUE(p.contains(QStringLiteral("Teilnehmername:\t(nicht angegeben)\r\n")));
    EXPECT_TRUE(p.contains(QStringLiteral("Übungsart:\tTeilnahme an Netzwerk-Übung\r\n\r\n")));
    EXPECT_FALSE(p.contains(QStringLiteral("Kommunikationsordner")));
}

TEST(ProtocolHeader, QuestionDocumentsNameTheirOwnOptions) {
    UebDataTyp f = LabelRun();
    f.ZuordnungFalschItemIndex = 0;
    f.ZuordnungstexteItemIndex = 0;
    f.ZuordnungszieleItemIndex = 1;
    f.ZeitLimitIndex = 2;
    const QString single = ProtocolHeadText(f, Context(2));
    EXPECT_TRUE(single.contains(QStringLiteral(
        "Dokumententyp:\tEinzelfragen\r\nÜbungsumfang:\t20 Abfragen (komplette Übung)\r\n"
        "Abfragemodus:\tsolange wiederholen, bis jede Frage richtig beantwortet wurde\r\n"
        "Zeitlimit:\tnein, ohne Uhr\r\n"
        "Antwortmöglichkeiten:\talphabetisch geordnet\r\n"
        "Reihenfolge der Fragen:\tzufällig gemischt\r\n"
        "Notengrenzen")));
    const QString mc = ProtocolHeadText(f, Context(3));
    EXPECT_TRUE(mc.contains(QStringLiteral("Antwortmöglichkeiten:\twie vorgegeben geordnet\r\n")));
    f.ZuordnungstexteItemIndex = 1;
    f.ZuordnungFalschItemIndex = 1;
    const QString mc2 = ProtocolHeadText(f, Context(3));
    EXPECT_TRUE(mc2.contains(QStringLiteral("Antwortmöglichkeiten:\tzufällig gemischt\r\n")));
    EXPECT_TRUE(mc2.contains(QStringLiteral("Abfragemodus:\tjede Frage nur einmal stellen\r\n")));
    EXPECT_FALSE(mc2.contains(QStringLiteral("Zuordnungstexte")));
}

TEST(ProtocolText, HeadingsLinesAndComments) {
    ProtocolText p;
    FormatProtocol(p, QStringLiteral("<TiT>Übungsprotokoll\r\nA:\t1\r\n\r\nB\r\n"), true);
    EXPECT_EQ(p.Lines(), (QStringList{QStringLiteral("<TiT>Übungsprotokoll"),
                                      QStringLiteral("A:\t1"), QString(), QStringLiteral("B")}));
    const QList<RtfParagraph> paras = p.Paragraphs();
    ASSERT_EQ(paras.size(), 5);
    EXPECT_EQ(paras[0].text, QStringLiteral("Übungsprotokoll"));
    EXPECT_TRUE(paras[0].bold);
    EXPECT_EQ(paras[0].pointSize, 9);
    EXPECT_EQ(paras[1].pointSize, 4); // the small gap under a heading
    EXPECT_TRUE(paras[1].text.isEmpty());
    EXPECT_FALSE(paras[2].bold);

    EXPECT_FALSE(p.AppendComment(QStringLiteral("   \r\n\t ")));
    EXPECT_EQ(p.Lines().size(), 4);
    EXPECT_TRUE(p.AppendComment(QStringLiteral("  gut gemacht\r\n")));
    EXPECT_EQ(p.Lines().mid(4), (QStringList{QString(), QStringLiteral("<tit>Kommentar"),
                                             QStringLiteral("gut gemacht")}));

    const QByteArray rtf = p.Rtf();
    EXPECT_TRUE(rtf.contains("\\pard\\tx3200\\plain\\f0\\fs18 "));
    EXPECT_TRUE(
        rtf.contains("\\b \\'dcbungsprotokoll\\par\r\n\\b0 \\fs8 \\par\r\n\\fs18 A:\\tab 1\\par"));
    EXPECT_TRUE(p.PlainText().startsWith(QStringLiteral("Übungsprotokoll\r\n\r\nA:\t1\r\n")));

    FormatProtocol(p, QStringLiteral("x"), true);
    EXPECT_EQ(p.Lines(), QStringList{QStringLiteral("x")});
}

TEST(ProtocolText, WindowDocumentShowsHeadingsInBold) {
    ProtocolText p;
    p.Append(QStringLiteral("<tit>Statistik\r\nFehlversuche:\t3"));
    QTextDocument doc;
    p.FillDocument(doc, 213.0);
    ASSERT_EQ(doc.blockCount(), 3);
    const QTextBlock heading = doc.firstBlock();
    EXPECT_EQ(heading.text(), QStringLiteral("Statistik"));
    EXPECT_EQ(heading.charFormat().fontWeight(), QFont::Bold);
    const QTextBlock line = heading.next().next();
    EXPECT_EQ(line.text(), QStringLiteral("Fehlversuche:\t3"));
    EXPECT_EQ(line.charFormat().fontPointSize(), 9);
    EXPECT_NE(line.charFormat().fontWeight(), QFont::Bold);
    ASSERT_EQ(line.blockFormat().tabPositions().size(), 1);
    EXPECT_EQ(line.blockFormat().tabPositions()[0].position, 213.0);
}

TEST(ProtocolFile, SameSecondGetsTheNextCounter) {
    QTemporaryDir dir;
    const QDateTime now(QDate(2026, 12, 9), QTime(8, 7, 6));
    const QByteArray rtf = "{\\rtf1 x}";
    const ProtocolSaveResult a = AutoSaveProtocol(rtf, dir.path(), now, QStringLiteral("PC-07"));
    const ProtocolSaveResult b = AutoSaveProtocol(rtf, dir.path(), now, QStringLiteral("PC-07"));
    ASSERT_TRUE(a.ok && b.ok);
    EXPECT_EQ(a.path, dir.path() + QStringLiteral("/20261209-080706-PC-07-0.rtf"));
    EXPECT_EQ(b.path, dir.path() + QStringLiteral("/20261209-080706-PC-07-1.rtf"));
    QFile f(b.path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), rtf);
    const ProtocolSaveResult m = SaveProtocolForMail(rtf, dir.path() + QLatin1Char('/'), now);
    EXPECT_EQ(m.path, dir.path() + QStringLiteral("/email-bwkprotokoll-20261209-080706-0.rtf"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3);
}

TEST(ProtocolFile, UnwritableFolderGivesTheMessage) {
    QTemporaryDir dir;
    const QDateTime now(QDate(2026, 12, 9), QTime(8, 7, 6));
    const QString missing = dir.path() + QStringLiteral("/fehlt/");
    const ProtocolSaveResult r = AutoSaveProtocol("x", missing, now, QStringLiteral("PC"));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message,
              QStringLiteral("Die Datei \"") + missing +
                  QStringLiteral("20261209-080706-PC-0.rtf\" kann nicht geschrieben werden. "
                                 "Mögliche Ursachen:\r\n- Ungültiger Ordner oder Dateiname\r\n"
                                 "- Fehlende Schreibzugriffsberechtigung im Netzwerk\r\n\r\n"
                                 "Das Übungsprotokoll konnte nicht automatisch gespeichert "
                                 "werden. Überprüfen Sie die Einstellungen unter \"Optionen / "
                                 "Ordner für Protokolle und Bestenlisten\"."));
    EXPECT_FALSE(AutoSaveProtocol("x", QString(), now, QStringLiteral("PC")).ok);
    const ProtocolSaveResult m = SaveProtocolForMail("x", missing, now);
    EXPECT_FALSE(m.ok);
    EXPECT_TRUE(m.message.endsWith(QStringLiteral("\"Optionen | Ordner für Protokolle und "
                                                  "Bestenlisten\".")));
    if (geteuid() != 0) {
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        EXPECT_FALSE(AutoSaveProtocol("x", dir.path(), now, QStringLiteral("PC")).ok);
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
    }
}
