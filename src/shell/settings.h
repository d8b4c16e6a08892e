#pragma once

#include <QString>

namespace bw {

// The settings in force: the user's stored values with the central config.ini applied.
// Member names follow the stored value names without their hyphen.
struct Settings {
    bool OptSound = true;
    bool OptUebNameEingabe = true;
    bool OptUebStatusInfo = true;
    bool OptAutoProtSpeichern = false;
    bool OptErgebBestListEintragen = false;

    int DokSeitRatioArt = 1;
    int DokSeitRatioBreite = 10;
    int DokSeitRatioHoehe = 7;
};

} // namespace bw
