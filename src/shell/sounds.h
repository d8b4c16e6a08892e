#pragma once

#include "sound/sound.h"

#include <QString>

namespace bw {

// The right/wrong sounds of the exercises and any other wave file the program plays.
class Sounds {
public:
    // enabled follows the "&Tonausgabe" option; folder is the program's sound folder.
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    bool Enabled() const { return enabled_; }
    void SetFolder(const QString& folder) { folder_ = folder; }
    QString Folder() const { return folder_; }

    // Returns the file that would be played, or an empty string with the error shown.
    QString PlaySoundFile(const QString& name, bool wait, bool loop);
    void PlayRightSound(bool wait) { PlaySoundFile(QStringLiteral("Richtig1.wav"), wait, false); }
    void PlayWrongSound(bool wait) { PlaySoundFile(QStringLiteral("Falsch1.wav"), wait, false); }
    void Stop() { player_.Stop(); }

    // Play length of a PCM wave file in milliseconds, 0 when it cannot be told.
    static int WaveDurationMs(const QString& path);

private:
    bool enabled_ = true;
    QString folder_;
    SoundPlayer player_;
};

} // namespace bw
