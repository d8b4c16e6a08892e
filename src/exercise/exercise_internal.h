#pragma once

#include <QColor>

namespace bw {

// Keeps the run marked busy while feedback pauses, whatever way the judging leaves.
class BusyGuard {
public:
    explicit BusyGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~BusyGuard() { flag_ = false; }

private:
    bool& flag_;
};

inline const QColor kRightCaptionColour(0, 128, 0);
inline const QColor kWrongCaptionColour(255, 0, 0);

} // namespace bw
