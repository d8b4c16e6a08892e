#include "authoring/basecommands.h"

#include "authoring/newdocument.h"
#include "common/messages.h"
#include "platform/prompter.h"

#include <QClipboard>
#include <QGuiApplication>

namespace bw {

void BaseImageCommands::EinfuegenAusDatei(const QString& folder) {
    QImage image;
    if (AskAuthoringPicture(QStringLiteral("Basisbild aus Datei einfügen"), folder, image))
        authoring_.ReplaceBaseImage(image);
}

void BaseImageCommands::EinfuegenAusZwischenablage() {
    const QImage image = QGuiApplication::clipboard()->image();
    if (image.isNull()) {
        prompter().ShowInfo(QStringLiteral("Die Zwischenablage enthält keine Bitmap-Grafik."));
        return;
    }
    authoring_.ReplaceBaseImage(image.convertToFormat(QImage::Format_RGB32));
}

void BaseImageCommands::KopierenInZwischenablage() {
    QGuiApplication::clipboard()->setImage(ed_.document().BaseImage.image());
}

void BaseImageCommands::BasisbildLoeschen() {
    if (prompter().AskYesNo(QStringLiteral("Basisbild wirklich löschen?")))
        authoring_.DeleteBaseImage();
}

bool BaseImageCommands::AlleBeschriftungenLoeschen() {
    if (ed_.document().ObjectCount() == 0) {
        prompter().ShowInfo(QStringLiteral("Es sind keine zu löschenden Objekte vorhanden."));
        return false;
    }
    if (!prompter().AskYesNo(
            QStringLiteral("Wirklich alle Beschriftungs- und Bildobjekte sowie Infopunkte "
                           "löschen?\r\nGgf. vorhandene Inhalte eines anderen Dokumententyps "
                           "(Lückentext, Einzelfragen, Multiple-Choice-Fragen) bleiben erhalten.")))
        return false;
    return authoring_.DeleteAllObjects();
}

} // namespace bw
