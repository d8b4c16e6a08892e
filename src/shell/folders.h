#pragma once

#include <QString>

namespace bw {

// The program's default folders, each with a trailing separator. Folders the program only
// reads lie below the program folder P; folders it writes into lie below P when P lets us
// write, else below the user's data folder, so that an installed program works too.
struct ProgramFolders {
    QString Programm;         // P
    QString Sound;            // P/sound/
    QString Hilfe;            // P/hilfe/
    QString SetupBasissystem; // P/setupbasissystem/
    QString ConfigDatei;      // P/config.ini

    QString Chronik;      // chronik/
    QString Tauschboerse; // tauschboerse/
    QString Protokolle;   // protokolle/
    QString Bestenlisten; // bestenlisten/
    QString Kom;          // kom/
};

// $XDG_DATA_HOME/brettwerk/ (or ~/.local/share/brettwerk/).
QString UserDataFolder();

// The writable folder sub below P, or below dataFolder when P does not let us write there.
QString WritableFolderBelow(const QString& programFolder, const QString& sub,
                            const QString& dataFolder);

ProgramFolders DefaultFolders(const QString& programFolder,
                              const QString& dataFolder = UserDataFolder());

} // namespace bw
