#pragma once
// The timer mode's counter: a small topmost window on the "timer_background"
// picture with the seconds left and a stop button ("timer_stop_button"). It
// never takes the focus from the program the user works in, and it owns the
// countdown's one-second tick timer.
#include "ui/ScaledArt.h"
#include "ui/UIWindow.h"

#include <functional>

namespace fw {

class UILabel;
class UIPicture;

class CounterWindow : public UIWindow {
public:
    static constexpr int32_t kTickTimer = 2;
    static constexpr int32_t kTickIntervalMs = 1000;
    // Logical distance from the edges of the work area.
    static constexpr int32_t kMargin = 16;

    CounterWindow();

    void setSeconds(int64_t seconds);
    const WideString& secondsText() const;
    UIPicture* stopButton() const { return stop_; }

    // Placed inside `workArea` by the alignment flags, or far outside every
    // screen when the counter is not to be seen.
    void place(const Rect& workArea, uint32_t alignment, bool visible);

    void startTicking();
    void stopTicking();
    bool isTicking() const;

    std::function<void()> onTick;
    std::function<void()> onStop;

    Size sizeHint() const override;
    void paint(UIPainter& painter) override;
    void onResize() override;
    void OnTimer(int32_t identifier) override;

private:
    ScaledImage background_;
    UILabel* seconds_ = nullptr;
    UIPicture* stop_ = nullptr;
};

} // namespace fw
