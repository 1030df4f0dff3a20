#include "app/CounterWindow.h"

#include "capture/TimerMode.h"
#include "resources/PackImages.h"
#include "ui/UILabel.h"
#include "ui/UIPainter.h"
#include "ui/UIPicture.h"

namespace fw {

namespace {

// Used when the pack lacks the picture, so that the counter keeps a size.
constexpr Size kFallbackSize{112, 112};
constexpr Point kHiddenPosition{-10000, -10000};

} // namespace

CounterWindow::CounterWindow()
    : UIWindow(u"UIWindow"), background_(loadPackImage(u"timer_background")) {
    setName(u"timer");
    setWindowFlags(WindowPopup | WindowTopmost);
    nativeWindow().setNoActivate(true);
    // The background's rounded corners and shadow show what lies behind.
    setLayered(true);
    seconds_ = add<UILabel>();
    seconds_->setName(u"timer_label");
    seconds_->setAlignment(AlignCenter);
    seconds_->setProperties({{u"font", u"default,22,"}, {u"foreground", u"148,147,131"}});
    stop_ = add<UIPicture>(loadPackImage(u"timer_stop_button"));
    stop_->setName(u"timer_stop_button");
    stop_->setClickable(true);
    stop_->onClicked = [this] {
        if (onStop) {
            auto stop = onStop;
            stop();
        }
    };
}

void CounterWindow::setSeconds(int64_t seconds) {
    seconds_->setText(toWide(seconds));
}

const WideString& CounterWindow::secondsText() const {
    return seconds_->text();
}

Size CounterWindow::sizeHint() const {
    return background_.isEmpty() ? px(kFallbackSize) : background_.sizeAt(dpi());
}

void CounterWindow::paint(UIPainter& painter) {
    if (background_.isEmpty()) {
        painter.fillRoundedRect(rect(), px(14), 0xFF262626);
        return;
    }
    const Image& picture = background_.at(dpi());
    painter.drawImage(picture, Rect{0, 0, picture.width(), picture.height()}, rect());
}

void CounterWindow::onResize() {
    // The picture's panel lies inside its shadow: the number in its upper
    // part, the stop button centred below it.
    const Rect panel{px(6), px(14), width() - px(12), height() - px(24)};
    const Size button = stop_->sizeHint();
    const int32_t buttonTop = panel.y + panel.height - button.height - px(8);
    stop_->setGeometry(
        Rect{panel.x + (panel.width - button.width) / 2, buttonTop, button.width, button.height});
    seconds_->setGeometry(Rect{panel.x, panel.y, panel.width, buttonTop - panel.y});
}

void CounterWindow::place(const Rect& workArea, uint32_t alignment, bool visible) {
    createNative();
    adjustSize();
    const Rect current = screenRect();
    const Size size{current.width, current.height};
    if (visible) {
        const Rect target = placeByAlignment(workArea, size, alignment, px(kMargin));
        moveTo(Point{target.x, target.y});
    } else {
        moveTo(kHiddenPosition);
    }
}

void CounterWindow::startTicking() {
    StartTimer(this, kTickTimer, kTickIntervalMs);
}

void CounterWindow::stopTicking() {
    StopTimer(this, kTickTimer);
}

bool CounterWindow::isTicking() const {
    return timerService().isRunning(this, kTickTimer);
}

void CounterWindow::OnTimer(int32_t identifier) {
    if (identifier != kTickTimer) {
        UIWindow::OnTimer(identifier);
        return;
    }
    if (onTick) {
        auto tick = onTick;
        tick();
    }
}

} // namespace fw
