#pragma once

#include <QString>

namespace bw {

// Wave playback as the sound module gives it. The module (built beside the programs) holds
// the multimedia libraries, which are loaded only when the first sound plays: they take
// longer to load than the whole window takes to build.
class SoundBackend {
public:
    virtual ~SoundBackend() = default;
    virtual void Play(const QString& path, bool loop) = 0;
    virtual void Stop() = 0;
};

// The module's one entry point.
using MakeSoundBackendFn = SoundBackend* (*)();
inline constexpr char kMakeSoundBackendSymbol[] = "bw_make_sound_backend";

} // namespace bw
