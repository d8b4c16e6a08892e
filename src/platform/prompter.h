#pragma once

#include <QString>
#include <QStringList>

namespace bw {

enum class YesNoCancel { Yes, No, Cancel };

// Everything that asks the user goes through this interface, so tests can answer it.
class Prompter {
public:
    virtual ~Prompter() = default;

    virtual void ShowInfo(const QString& text) = 0;
    virtual void ShowWarning(const QString& text) = 0;
    virtual void ShowError(const QString& text) = 0;
    virtual bool AskYesNo(const QString& text) = 0;
    virtual YesNoCancel AskYesNoCancel(const QString& text) = 0;
    // A warning with Yes and No (the display check asks this way).
    virtual bool AskWarningYesNo(const QString& text) = 0;

    // File dialogs; an empty result means the user cancelled.
    // filter uses the "Caption|*.ext|Caption|*.ext" form of the documents.
    virtual QString GetOpenFileName(const QString& title, const QString& folder,
                                    const QString& filter, const QString& defaultExt) = 0;
    virtual QString GetSaveFileName(const QString& title, const QString& folder,
                                    const QString& fileName, const QString& filter,
                                    const QString& defaultExt) = 0;
    virtual QString GetFolder(const QString& title, const QString& folder) = 0;
};

// The process-wide prompter; the program installs the dialog one, tests a scripted one.
Prompter& prompter();
void InstallPrompter(Prompter* p);

// Converts the pipe-separated filter form to Qt's "Caption (*.ext);;..." form.
QString QtFilterFromPipeFilter(const QString& filter);

} // namespace bw
