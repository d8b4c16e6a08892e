#include "sound/sound.h"

#include <QSoundEffect>
#include <QUrl>

namespace bw {

SoundPlayer::SoundPlayer() = default;
SoundPlayer::~SoundPlayer() = default;

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
