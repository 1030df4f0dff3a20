// The timer mode's counter, seen alone and standing in each corner of a
// screen, and the options window of every capture mode.
#include "Screens.h"

#include "app/CounterWindow.h"
#include "capture/TimerMode.h"
#include "settings/SettingsModel.h"
#include "shell/ModeOptionsWindow.h"
#include "shell/TimerOptionsPage.h"
#include "ui/UICheckBox.h"
#include "ui/UIPainter.h"

namespace fw::screens {

namespace {

// The windows keep a reference to the values they edit.
SettingsValues& sampleValues() {
    static SettingsValues values;
    return values;
}

std::unique_ptr<UIWindow> counterAlone() {
    auto counter = std::make_unique<CounterWindow>();
    counter->setSeconds(5);
    return counter;
}

// A screen-like backdrop with the counter where the position puts it.
class CounterOnScreen : public UIWindow {
public:
    explicit CounterOnScreen(uint32_t position) : position_(position) { counter_.setSeconds(42); }
    Size sizeHint() const override { return px(Size{480, 300}); }
    void paint(UIPainter& painter) override {
        painter.fillRect(rect(), rgb(40, 70, 100));
        const Rect taskbar{0, height() - px(24), width(), px(24)};
        painter.fillRect(taskbar, rgb(30, 30, 30));
        const Rect work{0, 0, width(), height() - taskbar.height};
        counter_.setWindowDpi(dpi());
        counter_.setGeometry(Rect{0, 0, counter_.sizeHint().width, counter_.sizeHint().height});
        const Image picture = counter_.render();
        const Rect at = placeByAlignment(work, Size{picture.width(), picture.height()}, position_,
                                         px(CounterWindow::kMargin));
        painter.drawImage(picture, Rect{0, 0, picture.width(), picture.height()}, at);
    }

private:
    uint32_t position_;
    mutable CounterWindow counter_;
};

std::unique_ptr<UIWindow> modeOptions(CaptureMode mode) {
    return std::make_unique<ModeOptionsWindow>(mode, sampleValues(), nullptr);
}

std::unique_ptr<UIWindow> timerOptionsWithoutCounter() {
    auto window = modeOptions(CaptureMode::Timer);
    auto* page = static_cast<TimerOptionsPage*>(static_cast<ModeOptionsWindow&>(*window).page());
    page->showCounter()->setChecked(false);
    return window;
}

const ScreenRegistration counterScreen(u"timer-counter", counterAlone);
const ScreenRegistration topLeft(u"timer-counter-top-left",
                                 [] { return std::make_unique<CounterOnScreen>(5); });
const ScreenRegistration topRight(u"timer-counter-top-right",
                                  [] { return std::make_unique<CounterOnScreen>(6); });
const ScreenRegistration bottomLeft(u"timer-counter-bottom-left",
                                    [] { return std::make_unique<CounterOnScreen>(9); });
const ScreenRegistration bottomRight(u"timer-counter-bottom-right",
                                     [] { return std::make_unique<CounterOnScreen>(10); });
const ScreenRegistration fullScreenOptions(u"mode-options-full-screen",
                                           [] { return modeOptions(CaptureMode::FullScreen); });
const ScreenRegistration windowOptions(u"mode-options-window",
                                       [] { return modeOptions(CaptureMode::Window); });
const ScreenRegistration regionOptions(u"mode-options-region",
                                       [] { return modeOptions(CaptureMode::Region); });
const ScreenRegistration timerOptions(u"mode-options-timer",
                                      [] { return modeOptions(CaptureMode::Timer); });
const ScreenRegistration timerOptionsHidden(u"mode-options-timer-no-counter",
                                            timerOptionsWithoutCounter);

} // namespace

} // namespace fw::screens
