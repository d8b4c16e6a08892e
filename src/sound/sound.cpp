#include "sound/sound.h"

#include "platform/modules.h"
#include "sound/soundbackend.h"

namespace bw {

namespace {

MakeSoundBackendFn Module() {
#ifdef BW_SOUND_MODULE_DIR
    const QString buildDir = QStringLiteral(BW_SOUND_MODULE_DIR);
#else
    const QString buildDir;
#endif
    static const auto make = reinterpret_cast<MakeSoundBackendFn>(
        ResolveModule(QStringLiteral("brettwerk-sound"), kMakeSoundBackendSymbol, buildDir));
    return make;
}

} // namespace

SoundPlayer::SoundPlayer() = default;
SoundPlayer::~SoundPlayer() = default;

bool SoundPlayer::ModuleAvailable() {
    return Module() != nullptr;
}

void SoundPlayer::Play(const QString& path, bool loop) {
    Stop();
    if (!backend_) {
        const MakeSoundBackendFn make = Module();
        if (make) backend_.reset(make());
    }
    current_ = path;
    if (backend_) backend_->Play(path, loop);
}

void SoundPlayer::Stop() {
    if (backend_) backend_->Stop();
    current_.clear();
}

} // namespace bw
