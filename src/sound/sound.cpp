#include "sound/sound.h"

#include "sound/soundbackend.h"

#include <QCoreApplication>
#include <QLibrary>

namespace bw {

namespace {

// Beside the program first; the build folder's copy serves the tests.
MakeSoundBackendFn LoadModule() {
    QStringList dirs;
    if (QCoreApplication::instance()) dirs << QCoreApplication::applicationDirPath();
#ifdef BW_SOUND_MODULE_DIR
    dirs << QStringLiteral(BW_SOUND_MODULE_DIR);
#endif
    for (const QString& dir : dirs) {
        QLibrary lib(dir + QStringLiteral("/brettwerk-sound"));
        if (auto f = reinterpret_cast<MakeSoundBackendFn>(lib.resolve(kMakeSoundBackendSymbol)))
            return f; // the library stays loaded for the rest of the run
    }
    return nullptr;
}

MakeSoundBackendFn Module() {
    static const MakeSoundBackendFn make = LoadModule();
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
