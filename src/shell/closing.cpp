#include "shell/closing.h"

#include <QFileInfo>

namespace bw {

QString ChronicleQuestionText(int count, const QString& folder) {
    if (count <= 0)
        return {};
    if (count == 1)
        return QString::number(count) + QStringLiteral(" Chronik-Screenshot wurde im Ordner ") +
               folder + QStringLiteral(" als PNG-Bilddatei abgelegt.") + QStringLiteral("\r\n") +
               QStringLiteral("Soll diese jetzt gelöscht werden?");
    return QString::number(count) + QStringLiteral(" Chronik-Screenshots wurden im Ordner ") +
           folder + QStringLiteral(" als PNG-Bilddateien abgelegt.") + QStringLiteral("\r\n") +
           QStringLiteral("Sollen diese jetzt gelöscht werden?");
}

QString TitleLabelText(int selectedTopic, const QString& titel, bool titleShown) {
    const QString prefix = selectedTopic >= 0
                               ? QStringLiteral("(") + QString::number(selectedTopic + 1) +
                                     QStringLiteral(") ")
                               : QStringLiteral(" ");
    if (!titleShown)
        return prefix + QStringLiteral("?");
    return prefix + (titel.isEmpty() ? QStringLiteral("(ohne Titel)") : titel);
}

QString WindowCaption(const QString& applicationTitle, const QString& datei) {
    if (datei.isEmpty())
        return applicationTitle;
    return applicationTitle + QStringLiteral(" - ") + QFileInfo(datei).fileName();
}

} // namespace bw
