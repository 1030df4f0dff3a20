#pragma once
// The platform window behind a toolkit window: its class (one per window, named
// from the executable's path and a counter), styles from toolkit flags, icons,
// opacity and per-pixel-alpha content, the back buffer it paints through, and
// the translation of platform messages into calls on its client.
#include "capture/Image.h"
#include "platform/Rect.h"
#include "platform/WideString.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace fw {

class UIPainter;

enum WindowFlag : uint32_t {
    WindowDropShadow = 0x1,
    WindowTopmost = 0x10,
    WindowSizable = 0x20,
    WindowMinimizeBox = 0x40,
    WindowMaximizeBox = 0x80,
    WindowSystemMenu = 0x100,
    WindowPopup = 0x200,
};

struct NativeWindowStyles {
    uint32_t classStyle = 0;
    uint32_t style = 0;
    uint32_t exStyle = 0;
};

// The platform styles for `flags`: a top-level window gets caption, frame and
// boxes from its flags; a child gets the child style when it has a parent.
NativeWindowStyles nativeWindowStyles(uint32_t flags, bool topLevel, bool hasParent);

// CRC-32 (IEEE, reflected) of the UTF-16 little-endian bytes of `text`.
uint32_t crc32OfText(WideStringView text);
// "UUI___" + the CRC-32 of the executable's path in decimal.
WideString nativeClassNameBase(WideStringView executablePath);
// The base followed by the next value of the process-wide counter.
WideString nextNativeClassName();

// Opacity as stored: clamped to 0..1, not-a-number counts as 0.
float clampOpacity(float value);
// The constant alpha of a layered window at that opacity (0.5 gives 127).
uint8_t opacityAlpha(float opacity);

enum class NativeMouseKind : int32_t { Press, Release, DoubleClick, Move };

// What a native window reports to the toolkit window that owns it. Positions
// are client coordinates in physical pixels.
class NativeWindowClient {
public:
    virtual ~NativeWindowClient() = default;
    virtual void onNativePaint(UIPainter& painter, const Rect& dirty) = 0;
    virtual void onNativeResize(Size client) = 0;
    virtual void onNativeMouse(NativeMouseKind kind, Point position, uint32_t button,
                               uint32_t buttons, uint32_t modifiers) = 0;
    virtual void onNativeWheel(Point position, int32_t delta, bool vertical,
                               uint32_t modifiers) = 0;
    virtual void onNativeMouseLeave() = 0;
    // True when the key was used.
    virtual bool onNativeKey(bool down, uint32_t key, uint32_t modifiers, bool autoRepeat) = 0;
    virtual void onNativeChar(char16_t character, uint32_t modifiers) = 0;
    // The user asked to close the window (close box, Alt+F4).
    virtual void onNativeClose() = 0;
    virtual void onNativeActivate(bool active) = 0;
    virtual void onNativeCaptureLost() = 0;
    virtual void onNativeDpiChanged(int32_t dpi, const Rect& suggestedWindowRect) = 0;
    // The cursor id for a client position.
    virtual int32_t onNativeCursor(Point position) = 0;
    // A posted toolkit event delivered through the second-start message.
    virtual void onNativeEvent(intptr_t value) = 0;
    // The smallest client size the window accepts.
    virtual Size onNativeMinimumSize() = 0;
    // Minimize, maximize and restore requests; true when handled.
    virtual bool onNativeSystemCommand(uint32_t command) = 0;
};

enum class ShowMode : int32_t { Normal, NoActivate, Maximized, Minimized, Restore };

class NativeWindow {
public:
    // The second-start message: shows and raises the window, or delivers its
    // long parameter as a posted toolkit event.
    static constexpr uint32_t kSecondStartMessage = 0xD000;

    explicit NativeWindow(NativeWindowClient* client);
    NativeWindow(const NativeWindow&) = delete;
    NativeWindow& operator=(const NativeWindow&) = delete;
    ~NativeWindow();

    // Builds the platform window: owned by `parent` when given.
    bool create(NativeWindow* parent, bool topLevel);
    void destroy();
    bool exists() const { return handle_ != nullptr; }
    void* handle() const { return handle_; }
    const WideString& className() const { return className_; }
    // Stops all calls into the client (before it is destroyed).
    void detachClient() { client_ = nullptr; }

    uint32_t flags() const { return flags_; }
    // Takes effect at creation, and for topmost also afterwards.
    void setFlags(uint32_t flags);
    // Popups that never take activation (tooltips, menus).
    void setNoActivate(bool noActivate) { noActivate_ = noActivate; }

    float opacity() const { return opacity_; }
    void setOpacity(float value);
    // Shows `image` (32-bit, premultiplied) as the whole window with per-pixel
    // alpha, scaled bicubically when its size differs; null ends that mode.
    void setContent(const Image* image);
    bool hasContent() const { return !content_.isEmpty(); }

    void setTitle(WideStringView title);
    // Window rectangle (frame included) and client rectangle, in screen pixels.
    Rect frameRect() const;
    Rect clientRect() const;
    void setFrameRect(const Rect& r);
    // The frame rectangle that gives a client area of `client`.
    Rect frameForClient(const Rect& client) const;
    Point clientToScreen(Point client) const;
    Point screenToClient(Point screen) const;

    void show(ShowMode mode);
    void hide();
    bool isVisible() const;
    bool isMinimized() const;
    bool isMaximized() const;
    bool isActive() const;
    void activate();
    void setEnabled(bool enabled);
    bool isEnabled() const;
    void setTopmost(bool topmost);

    void invalidate(const Rect& client);
    void setMouseCapture(bool capture);
    // The window's resolution (the system's when the platform has no
    // per-monitor value).
    int32_t dpi() const;

    // Platform messages a window's owner wants to see first (hotkeys, icons);
    // returns true when it handled the message.
    using MessageHook = std::function<bool(uint32_t, uintptr_t, intptr_t, intptr_t&)>;
    void setMessageHook(MessageHook hook) { hook_ = std::move(hook); }

    // Handles one platform message; called by the window procedure.
    intptr_t handleMessage(uint32_t message, uintptr_t wParam, intptr_t lParam);

    // The native window of a platform handle, or null.
    static NativeWindow* fromHandle(void* handle);

private:
    struct BackBuffer;
    void paint();
    void applyOpacity();
    void showContent();

    NativeWindowClient* client_;
    uint32_t flags_ = WindowSystemMenu;
    float opacity_ = 1.0f;
    WideString className_;
    void* handle_ = nullptr;
    // Unused where there are no native windows.
    [[maybe_unused]] void* smallIcon_ = nullptr;
    [[maybe_unused]] void* bigIcon_ = nullptr;
    Image content_;
    bool noActivate_ = false;
    [[maybe_unused]] bool trackingLeave_ = false;
    std::unique_ptr<BackBuffer> backBuffer_;
    MessageHook hook_;
};

} // namespace fw
