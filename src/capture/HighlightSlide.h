#pragma once
// The window highlight's slide from the previously picked window to the new
// one: five steps of 10 ms over 50 ms, each corner moving in a straight line.
// A new target while the slide runs starts a new slide from where the frame is.
#include "platform/Rect.h"

#include <cstdint>

namespace fw {

class HighlightSlide {
public:
    static constexpr int32_t kStepMs = 10;
    static constexpr int32_t kDurationMs = 50;

    // Slides towards `to`: from `from` when no slide runs, else from the
    // current position.
    void slide(const Rect& from, const Rect& to);
    // One step; false when the slide has ended (the frame is on the target
    // and the timer is to stop).
    bool tick();
    void stop();
    bool isRunning() const { return running_; }
    // The frame's rectangle now; empty when no slide runs.
    const Rect& current() const { return current_; }

private:
    struct Corners {
        double left = 0, top = 0, right = 0, bottom = 0;
    };
    static Corners cornersOf(const Rect& r);

    bool running_ = false;
    Corners start_;
    Corners target_;
    Rect current_;
    int32_t elapsedMs_ = 0;
};

} // namespace fw
