#pragma once
// A window of one solid colour kept directly behind a target window, so that
// a capture of the target over black and over white shows how transparent
// each of its pixels is.
#include "platform/Handles_win.h"

namespace fw::os {

class BackdropWindow {
public:
    static constexpr int kMaxReorders = 11;

    // Covers `area` (screen coordinates) directly behind the top-level window
    // `target`, shown without activation and painted before this returns.
    BackdropWindow(HWND target, const Rect& area, COLORREF colour);
    BackdropWindow(const BackdropWindow&) = delete;
    BackdropWindow& operator=(const BackdropWindow&) = delete;
    ~BackdropWindow();

    bool isShown() const { return window_ != nullptr; }
    HWND handle() const { return window_; }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void keepBehindTarget();
    void raiseTargetOnTop();

    HWND target_;
    GdiObjectHandle brush_;
    HWND window_ = nullptr;
    int reorders_ = 0;
};

} // namespace fw::os
