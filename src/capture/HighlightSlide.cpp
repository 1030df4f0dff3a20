#include "capture/HighlightSlide.h"

namespace fw {

HighlightSlide::Corners HighlightSlide::cornersOf(const Rect& r) {
    return Corners{static_cast<double>(r.x), static_cast<double>(r.y),
                   static_cast<double>(r.right()), static_cast<double>(r.bottom())};
}

void HighlightSlide::slide(const Rect& from, const Rect& to) {
    start_ = running_ ? cornersOf(current_) : cornersOf(from);
    if (!running_) {
        current_ = from;
    }
    target_ = cornersOf(to);
    elapsedMs_ = 0;
    running_ = true;
}

bool HighlightSlide::tick() {
    if (!running_) {
        return false;
    }
    if (elapsedMs_ >= kDurationMs) {
        stop();
        return false;
    }
    const double t = static_cast<double>(elapsedMs_) / kDurationMs;
    elapsedMs_ += kStepMs;
    auto along = [t](double from, double to) {
        return static_cast<int32_t>(from + (to - from) * t);
    };
    const int32_t left = along(start_.left, target_.left);
    const int32_t top = along(start_.top, target_.top);
    current_ = Rect{left, top, along(start_.right, target_.right) - left,
                    along(start_.bottom, target_.bottom) - top};
    return true;
}

void HighlightSlide::stop() {
    running_ = false;
    start_ = target_ = Corners{};
    current_ = Rect{};
    elapsedMs_ = 0;
}

} // namespace fw
