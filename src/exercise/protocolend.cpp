#include "exercise/protocolend.h"

#include "document/document.h"
#include "exercise/bestlistfile.h"
#include "exercise/protocolfile.h"
#include "exercise/protocoltext.h"
#include "platform/prompter.h"
#include "platform/system.h"

namespace bw {

namespace {

ProtocolContext ContextFor(const UebDataTyp& ueb, const Document& doc, qint64 elapsedMs,
                           const RunEndSettings& s) {
    ProtocolContext c;
    c.Titel = doc.CurrentHeader.titel;
    c.Datei = doc.CurrentHeader.Datei;
    c.DokTyp = doc.CurrentHeader.DokTyp;
    c.ComputerName = ComputerName();
    c.UserName = UserName();
    if (ueb.NetRole == 2) {
        c.KomOrdner = s.KomOrdner;
        c.KomKanal = s.KomKanal;
    }
    c.ElapsedMs = elapsedMs;
    return c;
}

// Only complete individual runs of a saved document go into its list.
bool BestListPossible(const UebDataTyp& ueb, const Document& doc) {
    return ueb.NetRole == 0 && ueb.AskedCount == ueb.TotalCount &&
           !doc.CurrentHeader.Datei.isEmpty();
}

} // namespace

QString EnteredInBestListText() {
    return QStringLiteral("Das Ergebnis wurde in die Bestenliste eingetragen.");
}

BestListDataTyp IndividualBestListEntry(const UebDataTyp& ueb, qint64 elapsedMs,
                                        const QString& computer) {
    BestListDataTyp e;
    e.Name = ueb.EnteredName.trimmed();
    if (e.Name.isEmpty()) e.Name = QStringLiteral("(kein Name)");
    e.Rechner = computer;
    e.Beginn = ueb.StartTime;
    e.Dauer = qint32(std::clamp<qint64>(elapsedMs, 0, std::numeric_limits<qint32>::max()));
    e.Leistung = ueb.Performance;
    return e;
}

RunEnd ConcludeRun(UebDataTyp& ueb, const Document& doc, qint64 elapsedMs, ProtocolText& protocol,
                   const RunEndSettings& s) {
    RunEnd end;
    end.elapsedMs = elapsedMs;
    ueb.Mark = MarkFor(ueb.Performance, ueb.NoteMinQuote);
    end.figures = FinishFiguresFor(ueb, elapsedMs);
    end.repeatEnabled = ueb.NetRole == 0 && ueb.WrongCount > 0;

    const ProtocolContext context = ContextFor(ueb, doc, elapsedMs, s);
    ueb.HeaderText = HeaderTextFor(ueb, context);
    FormatProtocol(protocol, ueb.HeaderText + ueb.LogText, true);

    if (s.AutoProtSpeichern) {
        const ProtocolSaveResult r = AutoSaveProtocol(
            protocol.Rtf(), s.ProtOrdner, QDateTime::currentDateTime(), context.ComputerName);
        if (r.ok)
            end.protocolFile = r.path;
        else
            prompter().ShowError(r.message);
    }

    if (BestListPossible(ueb, doc)) {
        bool entered = false;
        if (s.ErgebBestListEintragen && !ueb.EnteredInBestList) {
            const QString path = IndividualBestListPath(s.BestListOrdner, doc.CurrentHeader.Datei);
            const BestListAppendResult r = AppendBestListEntry(
                path, IndividualBestListEntry(ueb, elapsedMs, context.ComputerName), false);
            if (r.ok) {
                ueb.EnteredInBestList = entered = true;
                end.bestListFile = path;
            } else {
                prompter().ShowError(r.message);
            }
        }
        if (entered) end.bestListLine = EnteredInBestListText();
        end.bestListButton = !ueb.EnteredInBestList;
    }
    return end;
}

bool EnterInBestList(UebDataTyp& ueb, const Document& doc, const RunEndSettings& s, RunEnd& end) {
    if (ueb.EnteredInBestList || !BestListPossible(ueb, doc)) return false;
    const QString path = IndividualBestListPath(s.BestListOrdner, doc.CurrentHeader.Datei);
    const BestListAppendResult r = AppendBestListEntry(
        path, IndividualBestListEntry(ueb, end.elapsedMs, ComputerName()), false);
    if (!r.ok) {
        prompter().ShowError(r.message);
        return false;
    }
    ueb.EnteredInBestList = true;
    end.bestListFile = path;
    end.bestListLine = EnteredInBestListText();
    end.bestListButton = false;
    return true;
}

} // namespace bw
