// The sound module: wave playback through Qt Multimedia.

#include "sound/soundbackend.h"

#include <QEventLoop>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace bw {
namespace {

class QtSoundBackend : public SoundBackend {
public:
    ~QtSoundBackend() override {
        // Qt reads a wave on a loader thread; a player that goes while a file is still being
        // read leaves the reader objects to a thread that has already ended. A local wave
        // takes milliseconds, so let it finish.
        if (effect_.status() == QSoundEffect::Loading) {
            QEventLoop loop;
            QObject::connect(&effect_, &QSoundEffect::statusChanged, &loop, &QEventLoop::quit);
            QTimer::singleShot(1000, &loop, &QEventLoop::quit);
            loop.exec(QEventLoop::ExcludeUserInputEvents);
        }
    }

    void Play(const QString& path, bool loop) override {
        effect_.stop();
        effect_.setSource(QUrl::fromLocalFile(path));
        effect_.setLoopCount(loop ? QSoundEffect::Infinite : 1);
        effect_.play();
    }

    void Stop() override { effect_.stop(); }

private:
    QSoundEffect effect_;
};

} // namespace
} // namespace bw

extern "C" Q_DECL_EXPORT bw::SoundBackend* bw_make_sound_backend() {
    return new bw::QtSoundBackend;
}
