#include "shell/displaycheck.h"

namespace bw {

QString DisplayWarningText(int width, int height, int depth) {
    if (width >= 960 && height >= 768 && depth >= 15)
        return {};
    return QStringLiteral("Ungeeigneter Grafikmodus! (Windows-Systemsteuerung / Eigenschaften von "
                          "Anzeige)\r\n\r\nFür dieses Programm sollte ein Grafikmodus mit einer "
                          "Auflösung von mindestens 1024 x 768 Pixel (Bildpunkte)und einer "
                          "Farbtiefe von mindestens 16 Bit (High Color) eingestellt sein. "
                          "\r\nAktuelle Einstellungen:\r\n- Auflösung: ") +
           QString::number(width) + QStringLiteral(" x ") + QString::number(height) +
           QStringLiteral(" Pixel") + QStringLiteral("\r\n") + QStringLiteral("- Farbtiefe: ") +
           QString::number(depth) + QStringLiteral(" Bit") + QStringLiteral("\r\n") +
           QStringLiteral("\r\n") + QStringLiteral("Programm trotzdem starten?");
}

QString SymbolFontWarningText() {
    return QStringLiteral(
        "Die von Windows standardmäßig mitgelieferte Schriftart \"Wingdings\" fehlt auf Ihrem "
        "System.\r\nDie Stempelsymbole (Häkchen, Kreuze, Smilies, etc.) können daher nicht "
        "korrekt dargestellt werden.");
}

} // namespace bw
