#pragma once

#include "platform/prompter.h"

#include <QSize>
#include <QString>
#include <QStringList>

namespace bw {
struct Settings;
}

// What the commands that run the program's flows share.
namespace bw::tool {

void PrintErr(const QString& text);

// The exercise panel of the program's window at its start size.
inline const QSize kExercisePanelSize(870, 690);

int RunExerciseJoin(const QStringList& args); // cmd_netjoin.cpp

// Messages go to stderr; a question is answered Yes, as a learner who moved on would.
class StderrPrompter final : public Prompter {
public:
    void ShowInfo(const QString& t) override;
    void ShowWarning(const QString& t) override;
    void ShowError(const QString& t) override;
    bool AskYesNo(const QString& t) override;
    YesNoCancel AskYesNoCancel(const QString& t) override;
    bool AskWarningYesNo(const QString& t) override { return AskYesNo(t); }
    QString GetOpenFileName(const QString&, const QString&, const QString&,
                            const QString&) override {
        return {};
    }
    QString GetSaveFileName(const QString&, const QString&, const QString&, const QString&,
                            const QString&) override {
        return {};
    }
    QString GetFolder(const QString&, const QString&) override { return {}; }
};

// Applies NAME=VALUE with the stored value's own type and range; false with a message.
bool ApplySetting(Settings& s, const QString& assignment, QString& message);

// The settings in force (defaults, the user's, central ones), then each NAME=VALUE of sets;
// false after printing the message of the first that does not apply.
bool LoadToolSettings(Settings& s, const QStringList& sets);

} // namespace bw::tool
