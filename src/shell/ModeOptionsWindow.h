#pragma once
// The options window of one capture mode, opened from the "..." button of the
// main window's mode bar: it edits only that mode's settings, writes them on
// OK and leaves everything as it was on Cancel. It is built when opened, runs
// modally and is destroyed when it closes.
#include "capture/CaptureMode.h"
#include "ui/UIWindow.h"

#include <functional>

namespace fw {

class UIButton;
class UIBox;
struct SettingsValues;

class ModeOptionsWindow : public UIWindow {
public:
    ModeOptionsWindow(CaptureMode mode, SettingsValues& values, UIWindow* owner);
    ~ModeOptionsWindow() override;

    CaptureMode mode() const { return mode_; }
    // The page of the mode (a TimerOptionsPage for the timer).
    UIBox* page() const { return page_; }
    UIButton* okButton() const { return ok_; }
    UIButton* cancelButton() const { return cancel_; }

    // OK: finishes what is being typed, writes the page's settings, closes.
    void accept();
    bool wasAccepted() const { return accepted_; }

private:
    void addButtons();

    CaptureMode mode_;
    SettingsValues& values_;
    UIBox* page_ = nullptr;
    // Writes the page into the settings, in the order of the settings table.
    std::function<void(SettingsValues&)> write_;
    UIButton* ok_ = nullptr;
    UIButton* cancel_ = nullptr;
    bool accepted_ = false;
};

// Opens the options window of `mode` over `parent` and runs it modally; true
// when OK wrote the settings of the running program (they are saved with the
// other settings). A mode without options opens nothing.
bool showModeOptions(CaptureMode mode, SettingsValues& values, UIWindow* parent);

} // namespace fw
