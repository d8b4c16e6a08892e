#include "startupprobe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace bw::bench {

namespace {

double Seconds(clockid_t clock) {
    timespec ts{};
    clock_gettime(clock, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

class Probe : public QObject {
public:
    explicit Probe(std::function<bool(QWidget*)> documentShown)
        : documentShown_(std::move(documentShown)),
          untilDocument_(qgetenv("BW_PROBE_UNTIL") == "document") {}

    bool eventFilter(QObject* o, QEvent* e) override {
        if (inside_) return false;
        const bool firstExpose = !framed_ && e->type() == QEvent::Expose && o->isWindowType() &&
                                 static_cast<QWindow*>(o)->isExposed();
        const bool documentPaint = framed_ && untilDocument_ && e->type() == QEvent::Paint &&
                                   o->isWidgetType() && documentShown_ &&
                                   documentShown_(static_cast<QWidget*>(o));
        if (!firstExpose && !documentPaint) return false;
        // Let the event do its work first (painting, and on expose the flush), then note the
        // time; the event is then taken out of the normal delivery.
        inside_ = true;
        QCoreApplication::sendEvent(o, e);
        inside_ = false;
        if (firstExpose) {
            framed_ = true;
            Print("frame");
            if (!untilDocument_) Finish();
        } else {
            Print("document");
            Finish();
        }
        return true;
    }

private:
    static void Print(const char* what) {
        std::printf("%s %.6f %.6f\n", what, Seconds(CLOCK_MONOTONIC),
                    Seconds(CLOCK_PROCESS_CPUTIME_ID));
        std::fflush(stdout);
    }
    // Ends at once: closing the window would run the program's shut-down, which is not
    // what is measured.
    static void Finish() { _exit(0); }

    std::function<bool(QWidget*)> documentShown_;
    bool untilDocument_ = false;
    bool framed_ = false;
    bool inside_ = false;
};

} // namespace

void InstallStartupProbe(std::function<bool(QWidget*)> documentShown) {
    auto* probe = new Probe(std::move(documentShown));
    probe->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(probe);
}

} // namespace bw::bench
