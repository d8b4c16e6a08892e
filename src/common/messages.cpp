#include "common/messages.h"

#include "platform/prompter.h"
#include "platform/system.h"

namespace bw {

namespace {
QString WithExtra(QString text, const QString& extra) {
    if (!extra.isEmpty())
        text += QStringLiteral("\r\n\r\n") + extra;
    return text;
}
} // namespace

QString FileMissingText(const QString& path, const QString& extra) {
    return WithExtra(QStringLiteral("Die Datei \"") + path + QStringLiteral("\" existiert nicht."),
                     extra);
}

QString FileReadErrorText(const QString& path, const QString& extra) {
    return WithExtra(QStringLiteral("Die Datei \"") + path +
                         QStringLiteral("\" kann nicht gelesen werden. ") +
                         QStringLiteral("Mögliche Ursachen:\r\n") +
                         QStringLiteral("- Datei existiert nicht\r\n") +
                         QStringLiteral("- Ungültiges Dateiformat\r\n") +
                         QStringLiteral("- Fehlende Lesezugriffsberechtigung im Netzwerk"),
                     extra);
}

QString FileWriteErrorText(const QString& path, const QString& extra) {
    return WithExtra(QStringLiteral("Die Datei \"") + path +
                         QStringLiteral("\" kann nicht geschrieben werden. ") +
                         QStringLiteral("Mögliche Ursachen:\r\n") +
                         QStringLiteral("- Ungültiger Ordner oder Dateiname\r\n") +
                         QStringLiteral("- Fehlende Schreibzugriffsberechtigung im Netzwerk"),
                     extra);
}

void FileMissingMessage(const QString& path, const QString& extra) {
    prompter().ShowError(FileMissingText(path, extra));
}

void FileReadErrorMessage(const QString& path, const QString& extra) {
    prompter().ShowError(FileReadErrorText(path, extra));
}

void FileWriteErrorMessage(const QString& path, const QString& extra) {
    prompter().ShowError(FileWriteErrorText(path, extra));
}

QString DocMessageText(DocMessage m, const QString& path) {
    switch (m) {
    case DocMessage::FileMissing:
        return FileMissingText(path);
    case DocMessage::InvalidFormat:
        return QStringLiteral("Ungültiges Dateiformat.");
    case DocMessage::NewerVersion:
        return QStringLiteral(
            "Das ausgewählte Dokument wurde mit einer neueren Programmversion erstellt und kann "
            "deshalb mit der vorliegenden Brettwerk-Version nicht geöffnet werden.");
    case DocMessage::ReadFailed:
        return FileReadErrorText(path);
    case DocMessage::WriteFailed:
        return FileWriteErrorText(path);
    }
    return {};
}

void ShowDocMessages(const DocResult& r, const QString& path) {
    for (DocMessage m : r.messages)
        prompter().ShowError(DocMessageText(m, path));
}

void ShowInfo(const QString& text) { prompter().ShowInfo(text); }
void ShowWarning(const QString& text) { prompter().ShowWarning(text); }
void ShowError(const QString& text) { prompter().ShowError(text); }
bool AskYesNo(const QString& text) { return prompter().AskYesNo(text); }

bool OpenWithShell(const QString& target) {
    if (ShellOpen(target))
        return true;
    prompter().ShowError(QStringLiteral("Die Datei \"") + target +
                         QStringLiteral("\" kann nicht geöffnet werden. Sie benötigen einen "
                                        "Webbrowser (z.B. Internet Explorer) um dieses Dokument "
                                        "anzusehen."));
    return false;
}

} // namespace bw
