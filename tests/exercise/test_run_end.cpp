#include "document/document.h"
#include "exercise/bestlistfile.h"
#include "exercise/protocolend.h"
#include "exercise/protocoltext.h"
#include "platform/system.h"
#include "support/scriptedprompter.h"
#include "support/testfiles.h"
#include "support/toolrun.h"

#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace bw;

namespace {

struct RunEndFixture : ::testing::Test {
    RunEndFixture() {
        OverrideComputerName(QStringLiteral("PC-11"));
        OverrideUserName(QStringLiteral("lehrer"));
        doc.CurrentHeader.titel = QStringLiteral("Insel");
        doc.CurrentHeader.Datei = dir.filePath(QStringLiteral("insel.bwk"));
        QDir(dir.path()).mkpath(QStringLiteral("prot"));
        QDir(dir.path()).mkpath(QStringLiteral("best"));
        s.ProtOrdner = dir.filePath(QStringLiteral("prot/"));
        s.BestListOrdner = dir.filePath(QStringLiteral("best/"));
        ueb.TotalCount = ueb.AskedCount = 6;
        ueb.RightCount = 6;
        ueb.WrongCount = 2;
        ueb.SuccessQuota = 0.75;
        ueb.Performance = 0.75;
        ueb.EnteredName = QStringLiteral("   ");
        ueb.LogText = QStringLiteral("00:01 - Übung wird gestartet\r\n");
    }
    ~RunEndFixture() override {
        OverrideComputerName(QString());
        OverrideUserName(QString());
    }
    QString listPath() const { return dir.filePath(QStringLiteral("best/insel.hsc")); }

    test::ScriptedPrompter prompter;
    QTemporaryDir dir;
    Document doc;
    UebDataTyp ueb;
    RunEndSettings s;
    ProtocolText protocol;
};

} // namespace

TEST_F(RunEndFixture, CompleteRunSavesTheProtocolAndEntersTheResultOnce) {
    s.AutoProtSpeichern = true;
    s.ErgebBestListEintragen = true;
    RunEnd end = ConcludeRun(ueb, doc, 95400, protocol, s);
    EXPECT_EQ(ueb.Mark, 2);
    EXPECT_EQ(end.figures.Zeit, QStringLiteral("01:35"));
    EXPECT_TRUE(end.repeatEnabled);
    EXPECT_TRUE(ueb.HeaderText.contains(QStringLiteral("Rechnername:\tPC-11\r\n"
                                                       "Rechnerbenutzer:\tlehrer\r\n")));
    EXPECT_EQ(protocol.Lines().last(), QStringLiteral("00:01 - Übung wird gestartet"));
    EXPECT_TRUE(end.protocolFile.startsWith(s.ProtOrdner));
    EXPECT_TRUE(end.protocolFile.endsWith(QStringLiteral("-PC-11-0.rtf")));
    QFile rtf(end.protocolFile);
    ASSERT_TRUE(rtf.open(QIODevice::ReadOnly));
    EXPECT_EQ(rtf.readAll(), protocol.Rtf());

    EXPECT_EQ(end.bestListFile, listPath());
    EXPECT_EQ(end.bestListLine,
              QStringLiteral("Das Ergebnis wurde in die Bestenliste eingetragen."));
    EXPECT_FALSE(end.bestListButton);
    EXPECT_TRUE(ueb.EnteredInBestList);
    EXPECT_FALSE(EnterInBestList(ueb, doc, s, end)); // never twice
    const BestListLoadResult list = LoadBestList(listPath(), false);
    ASSERT_EQ(list.entries.size(), 1);
    EXPECT_EQ(list.entries[0].Name, QStringLiteral("(kein Name)"));
    EXPECT_EQ(list.entries[0].Rechner, QStringLiteral("PC-11"));
    EXPECT_EQ(list.entries[0].Dauer, 95400);
    EXPECT_DOUBLE_EQ(list.entries[0].Leistung, 0.75);
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(RunEndFixture, ButtonEntersWhenTheOptionIsOff) {
    RunEnd end = ConcludeRun(ueb, doc, 1000, protocol, s);
    EXPECT_TRUE(end.bestListButton);
    EXPECT_TRUE(end.bestListLine.isEmpty());
    EXPECT_TRUE(end.protocolFile.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(listPath()));
    ueb.EnteredName = QStringLiteral(" Mia ");
    EXPECT_TRUE(EnterInBestList(ueb, doc, s, end));
    EXPECT_FALSE(end.bestListButton);
    EXPECT_EQ(LoadBestList(listPath(), false).entries[0].Name, QStringLiteral("Mia"));
}

TEST_F(RunEndFixture, PartialRepeatOffersNoBestList) {
    s.ErgebBestListEintragen = true;
    ueb.AskedCount = 2;
    const RunEnd end = ConcludeRun(ueb, doc, 1000, protocol, s);
    EXPECT_TRUE(ueb.HeaderText.contains(
        QStringLiteral("Übungsumfang:\t2 von 6 Abfragen (Teilwiederholung)")));
    EXPECT_FALSE(end.bestListButton);
    EXPECT_TRUE(end.bestListFile.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(listPath()));
    ueb.WrongCount = 0;
    EXPECT_FALSE(ConcludeRun(ueb, doc, 1000, protocol, s).repeatEnabled);
}

TEST_F(RunEndFixture, UnwritableFoldersGiveTheirMessagesAndTheEndGoesOn) {
    s.AutoProtSpeichern = true;
    s.ErgebBestListEintragen = true;
    s.ProtOrdner = dir.filePath(QStringLiteral("fehlt/"));
    s.BestListOrdner = dir.filePath(QStringLiteral("auch-nicht/"));
    const RunEnd end = ConcludeRun(ueb, doc, 1000, protocol, s);
    const QStringList errors = prompter.texts("error");
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[0].endsWith(QStringLiteral("Das Übungsprotokoll konnte nicht automatisch "
                                                  "gespeichert werden. Überprüfen Sie die "
                                                  "Einstellungen unter \"Optionen / Ordner für "
                                                  "Protokolle und Bestenlisten\".")));
    EXPECT_TRUE(errors[1].startsWith(QStringLiteral("Die Datei \"") + s.BestListOrdner +
                                     QStringLiteral("insel.hsc\" kann nicht geschrieben werden.")));
    EXPECT_FALSE(protocol.IsEmpty());
    EXPECT_TRUE(end.bestListButton); // the learner can still try with the button
    EXPECT_FALSE(ueb.EnteredInBestList);
}

TEST(BestListNames, NetworkEntriesKeepAnEmptyName) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("K-qlxnetzuebung.hsc"));
    ASSERT_TRUE(AppendBestListEntry(path, {QString(), QStringLiteral("PC-3"), 1, 2, 0.5}, true).ok);
    EXPECT_EQ(LoadBestList(path, true).entries[0].Name, QString());
    UebDataTyp ueb;
    EXPECT_EQ(IndividualBestListEntry(ueb, 0, QStringLiteral("PC")).Name,
              QStringLiteral("(kein Name)"));
}

TEST(ExerciseToolEnd, WritesProtocolAndBestListWhenAsked) {
    QTemporaryDir dir;
    const QString sample = test::Sample(QStringLiteral("insel-karte.bwk"));
    auto run = [&](const QStringList& extra, const QByteArray& moves) {
        const test::ToolRun r = test::RunTool(
            QStringList{QStringLiteral("exercise"), sample, QStringLiteral("--seed"),
                        QStringLiteral("1"), QStringLiteral("--set"),
                        QStringLiteral("Opt-ProtOrdner=") + dir.path() + QLatin1Char('/'),
                        QStringLiteral("--set"),
                        QStringLiteral("Opt-BestListOrdner=") + dir.path() + QLatin1Char('/')} +
                extra,
            moves);
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        return r.json;
    };
    const QByteArray moves = test::SolvingMoves(run({}, {}));
    const QJsonObject plain = run({}, moves);
    EXPECT_EQ(plain[QStringLiteral("Mark")].toInt(), 1);
    EXPECT_TRUE(plain[QStringLiteral("HeaderText")].toString().startsWith(
        QStringLiteral("<tit>Übungsprotokoll\r\nDatum/Uhrzeit (Beginn):\t")));
    EXPECT_EQ(plain[QStringLiteral("ProtocolFile")].toString(), QString());
    EXPECT_EQ(plain[QStringLiteral("BestListFile")].toString(), QString());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());

    const QJsonObject asked =
        run({QStringLiteral("--set"), QStringLiteral("Opt-AutoProtSpeichern=1"),
             QStringLiteral("--set"), QStringLiteral("Opt-ErgebBestListEintragen=1"),
             QStringLiteral("--name"), QStringLiteral("Ben")},
            moves);
    const QString rtf = asked[QStringLiteral("ProtocolFile")].toString();
    EXPECT_TRUE(rtf.endsWith(QStringLiteral(".rtf")));
    EXPECT_TRUE(QFileInfo(rtf).isFile());
    EXPECT_EQ(asked[QStringLiteral("BestListFile")].toString(),
              dir.filePath(QStringLiteral("insel-karte.hsc")));
    const BestListLoadResult list =
        LoadBestList(dir.filePath(QStringLiteral("insel-karte.hsc")), false);
    ASSERT_EQ(list.entries.size(), 1);
    EXPECT_EQ(list.entries[0].Name, QStringLiteral("Ben"));
    EXPECT_DOUBLE_EQ(list.entries[0].Leistung, 1.0);
}
