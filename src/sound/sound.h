#pragma once

#include <QString>
#include <memory>

namespace bw {

class SoundBackend;

// Asynchronous wave playback; silent and harmless without a sound device or without the
// sound module.
class SoundPlayer {
public:
    SoundPlayer();
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    void Play(const QString& path, bool loop);
    void Stop();
    QString CurrentFile() const { return current_; }

    // Whether the sound module could be loaded (it is loaded at the first call).
    static bool ModuleAvailable();

private:
    std::unique_ptr<SoundBackend> backend_;
    QString current_;
};

} // namespace bw
