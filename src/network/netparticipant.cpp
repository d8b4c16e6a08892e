#include "network/netparticipant.h"

#include "document/document.h"
#include "exercise/bestlist.h"
#include "network/datagrams.h"
#include "network/netfiles.h"
#include "network/netmessages.h"
#include "platform/prompter.h"
#include "platform/system.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QThread>

namespace bw {

NetParticipant::NetParticipant(Exercise& exercise, ParticipantHost& host, QObject* parent)
    : QObject(parent), ex_(exercise), host_(host) {
    TNMailSlot.CheckInterval = 500;
    TNMailSlot.SetMailBox(QStringLiteral("QLX-1"));
    ex_.reporter = this;
}

NetParticipant::~NetParticipant() {
    if (ex_.reporter == this) ex_.reporter = nullptr;
}

QString NetParticipant::NewParticipantId() {
    QString id;
    for (int i = 0; i < 30; ++i)
        id += QChar(u'A' + QRandomGenerator::global()->bounded(26));
    return id;
}

QString NetParticipant::ReadErrorText(const QString& path) {
    return QStringLiteral("Fehler beim Einlesen der Datei \"") + path + u'"';
}

QString NetParticipant::RepeatRefusedText() {
    return QStringLiteral("Eine Wiederholung der Netzwerk-Übung wurde nicht zugelassen.");
}

bool NetParticipant::JoinNetworkExercise(const QString& folder, const QString& channel,
                                         const QString& name) {
    folder_ = folder;
    channel_ = channel;
    if (!NetworkModuleAvailable()) {
        prompter().ShowError(NetworkModuleMissingText());
        return false;
    }
    if (!NetworkFilesPresent(folder, channel)) return false;
    // The settings are checked before the document replaces the current one, so a damaged
    // file leaves the program as it was.
    const QString settingsPath = NetworkFilePath(folder, channel, netfile::kSettings);
    const std::optional<NetExerciseSettings> settings = ReadNetSettingsFile(settingsPath);
    if (!settings) {
        prompter().ShowError(ReadErrorText(settingsPath));
        return false;
    }
    if (!host_.LoadDocument(NetworkFilePath(folder, channel, netfile::kDocument))) return false;
    UebDataTyp& ueb = ex_.ueb;
    // A file without a grading scale leaves the participant's own in force.
    ueb.NoteMinQuote = ex_.grading;
    ApplyToRun(*settings, ueb);
    ueb.ParticipantId = NewParticipantId();
    ueb.ParticipantName = name;
    ueb.StartTime = DateTimeValue(QDateTime::currentDateTime());

    TNMailSlot.SetActive(false);
    TNMailSlot.SetMailBox(channel);
    TNMailSlot.SetActive(true);
    Send(InitMessage(ueb));
    return host_.StartRun();
}

bool NetParticipant::RepeatNetworkExercise() {
    const QString name = ex_.ueb.ParticipantName;
    if (JoinNetworkExercise(folder_, channel_, name)) return true;
    prompter().ShowInfo(RepeatRefusedText());
    return false;
}

void NetParticipant::Send(const QStringList& lines) {
    TNMailSlot.SendLines(ex_.ueb.TeacherComputer, lines);
}

void NetParticipant::Judged(int target) {
    if (!ex_.doc().ValidIndex(target)) return;
    const ObjDataTyp& o = ex_.doc().CurrentObjects[target];
    ex_.UpdateClock();
    Send(ActionMessage(ex_.ueb, target, o.Abgedeckt, o.FehlerPos, ex_.ClockDisplay()));
}

void NetParticipant::RunEnded() {
    ex_.UpdateClock();
    const UebDataTyp& ueb = ex_.ueb;
    Send(FinishMessage(ueb, ex_.ClockDisplay()));
    if (ueb.EndReason == EndFinished || ueb.EndReason == EndTimeLimit) {
        QThread::msleep(50);
        Send(BestListMessage(ueb, ComputerName(), ex_.ClockElapsedMs()));
    }
}

} // namespace bw
