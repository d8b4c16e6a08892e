#include "network/netteacher.h"

#include "common/messages.h"
#include "document/commalist.h"
#include "document/docfile.h"
#include "document/safefile.h"
#include "exercise/bestlistfile.h"
#include "exercise/cardtext.h"
#include "exercise/protocol.h"
#include "network/datagrams.h"
#include "network/netfiles.h"
#include "platform/system.h"

#include <QCollator>
#include <QDateTime>
#include <QFile>
#include <algorithm>

namespace bw {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// The answers marked "+" of a multiple-choice question, or "(keine)".
QString ChoiceSolution(const QString& cap) {
    const QStringList lines = SplitLines(DecodeCommaList(cap));
    QStringList right;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString l = lines[i].trimmed();
        if (l.startsWith(u'+')) right << l.mid(1).trimmed();
    }
    return right.isEmpty() ? QStringLiteral("(keine)") : right.join(QStringLiteral(", "));
}

} // namespace

QString TeacherNumberKey(int n, int numArt) {
    if (numArt != 1) return QString::number(n).rightJustified(4, u' ');
    const int k = n - 1;
    return QString(QChar(u'A' + k % 26)) + QString(k / 26, u'\'');
}

QString ExerciseInformationText(const UebDataTyp& ueb, const Document& doc,
                                const std::vector<int>& numbers, const QString& folder,
                                const QString& channel) {
    ProtocolContext c;
    c.Titel = doc.CurrentHeader.titel;
    c.Datei = doc.CurrentHeader.Datei;
    c.DokTyp = doc.CurrentHeader.DokTyp;
    c.ComputerName = ComputerName();
    c.UserName = UserName();
    c.KomOrdner = folder;
    c.KomKanal = channel;
    QString t = QStringLiteral("<tit>Netzwerk-Übung") + kCrLf + ProtocolHeadText(ueb, c) +
                QStringLiteral("<tit>Lösungen") + kCrLf +
                QStringLiteral("Hinweise: Die Nummern dienen zur Zuordnung im Teilnehmerprotokoll "
                               "am Lehrer-PC.") +
                kCrLf +
                QStringLiteral("Wenn in den Übungseinstellungen \"zufällig gemischt\" gewählt "
                               "wurde, ist die Nummerierung auf den Teilnehmer-PCs davon "
                               "abweichend.") +
                kCrLf;
    QStringList lines;
    const bool choice = doc.CurrentHeader.DokTyp == DokMultipleChoice;
    for (int i = 0; i < doc.ObjectCount() && i < static_cast<int>(numbers.size()); ++i) {
        if (numbers[i] <= 0) continue;
        const QString& cap = doc.CurrentObjects[i].Cap;
        const QString solution = choice ? ChoiceSolution(cap) : NormalizeCardText(cap);
        lines << (TeacherNumberKey(numbers[i], doc.CurrentHeader.NumArt) + QStringLiteral(" - ") +
                  solution)
                     .trimmed();
    }
    // As text, without regard to case; the padded keys keep the numbers in order.
    std::stable_sort(lines.begin(), lines.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    for (const QString& l : std::as_const(lines))
        t += l + kCrLf;
    return t;
}

NetTeacher::NetTeacher(UebDataTyp& ueb, QObject* parent) : QObject(parent), ueb_(ueb) {
    MasterMailslot.CheckInterval = 150;
    MasterMailslot.SetMailBox(QStringLiteral("QLX-1"));
    connect(&MasterMailslot, &TALMailSlot2::NewMessage, this,
            &NetTeacher::MasterMailslotNewMessage);
}

NetTeacher::~NetTeacher() = default;

bool NetTeacher::Initiated() const {
    return ueb_.NetRole == 2;
}

QString NetTeacher::Path(const char* name) const {
    return NetworkFilePath(folder_, channel_, name);
}

QString NetTeacher::BestListPath() const {
    return Path(netfile::kBestList);
}

NetTeacher::Initiation NetTeacher::Initiate(Document& doc, const ExerciseOptions& options,
                                            const std::array<double, 7>& grading,
                                            const QString& folder, const QString& channel) {
    Initiation r;
    if (!NetworkModuleAvailable()) {
        r.errors << NetworkModuleMissingText();
        return r;
    }
    if (!ValidChannel(channel)) {
        r.errors << FileWriteErrorText(FolderWithSlash(folder) + channel + u'-' +
                                       QLatin1String(netfile::kDocument));
        return r;
    }
    folder_ = folder;
    channel_ = channel;
    const int dokTyp = doc.CurrentHeader.DokTyp;
    ReadExerciseOptions(options, dokTyp, grading, ueb_);

    QFile::remove(BestListPath());
    const QString copy = Path(netfile::kDocument);
    const DocResult written = WriteDocumentFile(copy, doc);
    for (DocMessage m : written.messages)
        r.errors << DocMessageText(m, copy);
    const QString settings = Path(netfile::kSettings);
    const bool settingsOk =
        WriteFileSafely(settings, EncodeNetSettings(SettingsOfRun(ueb_, ComputerName()))).ok;
    if (!settingsOk) r.errors << FileWriteErrorText(settings);
    filesWritten_ = r.filesWritten = written.ok && settingsOk;

    ueb_.NetRole = 2;
    ueb_.StartTime = DateTimeValue(QDateTime::currentDateTime());
    ueb_.TotalCount = ueb_.AskedCount = doc.CountQueryObjects(false);
    std::vector<int> numbers = TeacherNumbers(doc);
    info = ExerciseInformationText(ueb_, doc, numbers, folder_, channel_);
    grid.Prepare(ueb_.TotalCount, ueb_.ZeitLimitIndex == 1, std::move(numbers));
    bestListErrors_.clear();

    MasterMailslot.SetActive(false);
    MasterMailslot.SetMailBox(channel_);
    MasterMailslot.SetActive(true);
    return r;
}

QString NetTeacher::WriteMarker() {
    const QString marker = Path(netfile::kMarker);
    if (!filesWritten_ || !WriteFileSafely(marker, MarkerBytes()).ok)
        return FileWriteErrorText(marker);
    return {};
}

void NetTeacher::End() {
    ueb_.NetRole = 0;
    MasterMailslot.SetActive(false);
    if (!folder_.isEmpty()) DeleteExerciseFiles(folder_, channel_);
    filesWritten_ = false;
}

QString NetTeacher::SetJoinAllowed(bool allowed) {
    if (allowed) return WriteMarker();
    QFile::remove(Path(netfile::kMarker));
    return {};
}

bool NetTeacher::JoinAllowed() const {
    return QFile::exists(Path(netfile::kMarker));
}

QStringList NetTeacher::TakeBestListErrors() {
    QStringList e;
    e.swap(bestListErrors_);
    return e;
}

void NetTeacher::MasterMailslotNewMessage(const QString& computer, const QString& text,
                                          const QString&) {
    if (!Initiated()) return;
    const TeacherGrid::Outcome o = grid.HandleMessage(computer, text);
    if (o.bestList) {
        const BestListAppendResult a = AppendBestListEntry(BestListPath(), *o.bestList, true);
        if (a.ok)
            emit bestListEntered();
        else if (bestListErrors_.size() < 10)
            bestListErrors_ << a.message;
    }
    if (o.row >= 0) emit rowChanged(o.row, o.added);
}

} // namespace bw
