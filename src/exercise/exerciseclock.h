#pragma once

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtGlobal>

namespace bw {

// The exercise's millisecond counter; tests and the tool advance it by hand.
class ExerciseClock {
public:
    virtual ~ExerciseClock() = default;
    virtual qint64 NowMs() const = 0;
};

class SteadyClock final : public ExerciseClock {
public:
    SteadyClock() { timer_.start(); }
    qint64 NowMs() const override { return timer_.elapsed(); }

private:
    QElapsedTimer timer_;
};

class ManualClock final : public ExerciseClock {
public:
    qint64 NowMs() const override { return now_; }
    void Advance(qint64 ms) { now_ += std::max<qint64>(0, ms); }
    void Set(qint64 ms) { now_ = std::max(now_, ms); }

private:
    qint64 now_ = 0;
};

// Chance for shuffling and the random keys of image cards.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Uniform in 0..n-1; 0 when n < 2.
    virtual int Bounded(int n) = 0;
};

class QtRandomSource final : public RandomSource {
public:
    QtRandomSource() : gen_(QRandomGenerator::securelySeeded()) {}
    explicit QtRandomSource(quint32 seed) : gen_(seed) {}
    int Bounded(int n) override { return n < 2 ? 0 : static_cast<int>(gen_.bounded(n)); }

private:
    QRandomGenerator gen_;
};

} // namespace bw
