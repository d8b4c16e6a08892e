#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace bw {

// A page bitmap drawn in two horizontal bands at once: the caller draws band 0 while a helper
// thread draws band 1. The helper thread lives as long as this object, so that what it keeps
// per thread (fonts, shaped text, rendered glyphs) serves every redraw.
class BandWorker {
public:
    BandWorker();
    ~BandWorker();
    BandWorker(const BandWorker&) = delete;
    BandWorker& operator=(const BandWorker&) = delete;

    // Runs job(1) on the helper thread and job(0) on the calling thread; returns when both
    // have. job must not throw.
    void RunBoth(const std::function<void(int band)>& job);

    // Whether two bands are worth it on this machine.
    static bool MachineHasTwoCores();

private:
    void loop();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable done_;
    const std::function<void(int)>* job_ = nullptr;
    bool finished_ = false;
    bool quit_ = false;
    std::thread thread_;
};

} // namespace bw
