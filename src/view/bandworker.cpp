#include "view/bandworker.h"

namespace bw {

BandWorker::BandWorker() : thread_([this] { loop(); }) {}

BandWorker::~BandWorker() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

bool BandWorker::MachineHasTwoCores() {
    return std::thread::hardware_concurrency() >= 2;
}

void BandWorker::RunBoth(const std::function<void(int)>& job) {
    {
        std::lock_guard lock(mutex_);
        job_ = &job;
        finished_ = false;
    }
    wake_.notify_one();
    job(0);
    std::unique_lock lock(mutex_);
    done_.wait(lock, [this] { return finished_; });
    job_ = nullptr;
}

void BandWorker::loop() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return quit_ || (job_ && !finished_); });
        if (quit_) return;
        const std::function<void(int)>* job = job_;
        lock.unlock();
        (*job)(1);
        lock.lock();
        finished_ = true;
        done_.notify_one();
    }
}

} // namespace bw
