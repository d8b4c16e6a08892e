#include "platform/prompter.h"

#include <QtGlobal>

namespace bw {

namespace {
// Without an installed prompter nothing may block: answer "No"/"Cancel" silently.
class SilentPrompter final : public Prompter {
public:
    void ShowInfo(const QString&) override {}
    void ShowWarning(const QString&) override {}
    void ShowError(const QString&) override {}
    bool AskYesNo(const QString&) override { return false; }
    YesNoCancel AskYesNoCancel(const QString&) override { return YesNoCancel::Cancel; }
    bool AskWarningYesNo(const QString&) override { return true; }
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

SilentPrompter silent;
Prompter* current = &silent;
} // namespace

Prompter& prompter() { return *current; }

void InstallPrompter(Prompter* p) { current = p ? p : &silent; }

QString QtFilterFromPipeFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString caption = parts[i];
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt derives the patterns from the parentheses; keep the caption readable.
        if (caption.contains(QLatin1Char('(')))
            caption = caption.left(caption.indexOf(QLatin1Char('('))).trimmed();
        out << caption + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return out.join(QStringLiteral(";;"));
}

} // namespace bw
