#pragma once

#include "exercise/exercise.h"
#include "network/mailslot.h"

#include <QObject>
#include <QString>

namespace bw {

// What joining asks of the program around it.
class ParticipantHost {
public:
    virtual ~ParticipantHost() = default;
    // Reads the document copy as the current document (showing the reader's messages);
    // false when it could not be read.
    virtual bool LoadDocument(const QString& path) = 0;
    // StartExercise without options dialog, repeat 0, role 1.
    virtual bool StartRun() = 0;
};

// The participant's side: joining, the reports of every judged release and of the end, and
// the repeat. Sending needs no local slot; a slot that cannot be bound changes nothing.
class NetParticipant : public QObject, public ExerciseReporter {
    Q_OBJECT
public:
    NetParticipant(Exercise& exercise, ParticipantHost& host, QObject* parent = nullptr);
    ~NetParticipant() override;

    TALMailSlot2 TNMailSlot;

    // JoinNetworkExercise: files, document copy, settings, a new id, "TN-INIT", the run.
    // Failures show their message through the prompter.
    bool JoinNetworkExercise(const QString& folder, const QString& channel, const QString& name);
    // "Übung wiederholen" of a participant: joins again (new id, new row); on failure shows
    // that the repeat was not allowed.
    bool RepeatNetworkExercise();

    // 30 random capital letters.
    static QString NewParticipantId();
    static QString ReadErrorText(const QString& path);
    static QString RepeatRefusedText();

    // ExerciseReporter
    void Judged(int target) override;
    void RunEnded() override;

private:
    void Send(const QStringList& lines);

    Exercise& ex_;
    ParticipantHost& host_;
    QString folder_;
    QString channel_;
};

} // namespace bw
