#include "sound/sound.h"

#include <QEventLoop>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace bw {

SoundPlayer::SoundPlayer() = default;

SoundPlayer::~SoundPlayer() {
    // Qt reads a wave on a loader thread; a player that goes while a file is still being read
    // leaves the reader objects to a thread that has already ended. A local wave takes
    // milliseconds, so let it finish.
    if (effect_ && effect_->status() == QSoundEffect::Loading) {
        QEventLoop loop;
        QObject::connect(effect_.get(), &QSoundEffect::statusChanged, &loop, &QEventLoop::quit);
        QTimer::singleShot(1000, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
}

void SoundPlayer::Play(const QString& path, bool loop) {
    Stop();
    if (!effect_)
        effect_ = std::make_unique<QSoundEffect>();
    current_ = path;
    effect_->setSource(QUrl::fromLocalFile(path));
    effect_->setLoopCount(loop ? QSoundEffect::Infinite : 1);
    effect_->play();
}

void SoundPlayer::Stop() {
    if (effect_)
        effect_->stop();
    current_.clear();
}

} // namespace bw
