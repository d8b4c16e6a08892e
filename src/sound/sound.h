#pragma once

#include <QString>
#include <memory>

class QSoundEffect;

namespace bw {

// Asynchronous wave playback; silent and harmless without a sound device.
class SoundPlayer {
public:
    SoundPlayer();
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    void Play(const QString& path, bool loop);
    void Stop();
    QString CurrentFile() const { return current_; }

private:
    std::unique_ptr<QSoundEffect> effect_;
    QString current_;
};

} // namespace bw
