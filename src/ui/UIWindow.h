#pragma once
// A top-level toolkit window: the root of a widget tree on a native window.
// It is the one event manager of its tree (hit-testing, hover, mouse capture,
// focus and Tab order, Enter and Escape), lays the tree out when asked, and
// paints it double-buffered over the dirty region. Popups (menus, tooltips)
// are windows too; those with soft edges draw with per-pixel alpha.
//
// Input can be synthesized without a screen through the dispatch...()
// operations, and the whole window rendered into an image with render().
#include "ui/NativeWindow.h"
#include "ui/UIWidget.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace fw {

class UIWindow : public UIWidget, private NativeWindowClient {
public:
    explicit UIWindow(WideString className = u"UIWindow");
    ~UIWindow() override;

    bool isWindow() const override { return true; }
    NativeWindow& nativeWindow() { return native_; }
    // Every toolkit window that exists, in creation order.
    static const std::vector<UIWindow*>& allWindows();
    // Windows of a class ("UIMenu", "UIToolTip"), counted or found.
    static std::vector<UIWindow*> windowsOfClass(WideStringView className);
    // After a change of language: every window and every widget in it looks
    // up its texts anew.
    static void retranslateAll();
    // The toolkit window of a native handle, or null.
    static UIWindow* fromNativeHandle(void* handle);

    // Before the native window exists: WindowFlags and the owning window.
    void setWindowFlags(uint32_t flags);
    uint32_t windowFlags() const { return native_.flags(); }
    void setOwnerWindow(UIWindow* owner) { owner_ = owner; }
    UIWindow* ownerWindow() const { return owner_; }
    void setTitle(WideString title);
    const WideString& title() const { return title_; }

    // Builds the native window (show() does it when needed).
    bool createNative();
    void show();
    void showNoActivate();
    void showMaximized();
    void hide();
    bool isShown() const;
    // The close box, Alt+F4 and close(): asks onCloseRequest, then hides.
    void close();
    // Called when the window is to close; false keeps it open.
    virtual bool onCloseRequest();
    std::function<void()> onClosed;
    void activate();
    bool isActive() const;

    // Screen geometry of the client area, in physical pixels.
    Rect screenRect() const;
    void setScreenRect(const Rect& client);
    void moveTo(Point screenClientOrigin);
    // Sizes the client area to the size hint (at least the minimum).
    void adjustSize();
    // Centres the window over its owner, or on the work area when it has none.
    void centerOnOwner();

    // Modal run: disables the program's other windows, shows this one and runs
    // a nested loop until endModal(); returns its code.
    int exec();
    void endModal(int code);
    bool isModalRunning() const { return modalDepth_ != 0; }

    // Focus.
    UIWidget* focusWidget() const { return focus_; }
    void setFocusWidget(UIWidget* widget);
    // Moves focus to the next (or previous) widget that takes Tab focus; false
    // when there is none.
    bool focusNext(bool forward);
    bool focusCuesVisible() const { return focusCues_; }
    // Enter activates this widget's default action unless the focus widget
    // used the key; Escape calls onEscape.
    void setDefaultAction(std::function<void()> action) { defaultAction_ = std::move(action); }
    virtual bool onEscape();

    // Handlers that see every key after the focus chain (a menu bar's Alt, F10
    // and accelerators) while their owner is visible and enabled: `used` tells
    // that a widget used the key already, so the handler only watches; else it
    // returns true when it used the key. An owner that goes away takes its
    // handler with it.
    using KeyHandler = std::function<bool(bool down, const KeyEvent& event, bool used)>;
    void addKeyHandler(UIWidget* owner, KeyHandler handler);
    void removeKeyHandlers(UIWidget* owner);

    UIWidget* hoveredWidget() const { return hovered_; }
    UIWidget* mouseGrabber() const { return grabber_; }
    // A popup (menu) that takes this window's keys and closes on a click
    // outside it.
    void setActivePopup(UIWindow* popup) { popup_ = popup; }
    UIWindow* activePopup() const { return popup_; }

    // Painting and layout.
    void invalidate(const Rect& windowRect);
    void invalidateAll();
    void scheduleLayout();
    void layoutNow();
    // Paints the tree over `dirty` (window coordinates).
    void paintTree(UIPainter& painter, const Rect& dirty);
    // The whole window rendered offscreen at its current size (32-bit, premultiplied).
    Image render();
    // Per-pixel-alpha windows render into an image and show it as the
    // window's content instead of painting through the back buffer.
    void setLayered(bool layered) { layered_ = layered; }
    bool isLayered() const { return layered_; }

    // Resolution of the window; tests set it for a window without native part.
    int32_t windowDpi() const { return dpi_; }
    void setWindowDpi(int32_t dpi);

    // Style: "background" (background) and "borderColor" (colour).
    void setProperty(WideStringView name, WideStringView value) override;
    void paint(UIPainter& painter) override;

    // Input entry points; the native window calls them, and tests may.
    void dispatchMouse(NativeMouseKind kind, Point position, uint32_t button, uint32_t buttons,
                       uint32_t modifiers);
    void dispatchWheel(Point position, int32_t delta, bool vertical, uint32_t modifiers);
    void dispatchMouseLeave();
    bool dispatchKey(bool down, uint32_t key, uint32_t modifiers, bool autoRepeat = false);
    void dispatchChar(char16_t character, uint32_t modifiers = 0);
    // Time stamps of presses come from here; tests replace it.
    static void setClock(std::function<uint32_t()> clock);

    // Used by widgets as they change.
    void widgetGoing(UIWidget* widget);
    void widgetHidden(UIWidget* widget);
    // A disabled widget loses focus and the mouse it held, but stays hovered
    // (its tooltip still shows).
    void widgetDisabled(UIWidget* widget);

protected:
    // A chance for derived windows to see a key before the focus widget.
    virtual bool onWindowKey(const KeyEvent& event);
    // A chance to see mouse input before any widget; true when it was used.
    virtual bool onWindowMouse(NativeMouseKind kind, Point position, uint32_t button,
                               uint32_t buttons);
    // A chance to see the wheel before any widget (a pop-up list scrolls
    // wherever the mouse is); true when it was used.
    virtual bool onWindowWheel(Point position, int32_t delta, bool vertical, uint32_t modifiers);
    // The window lost the mouse it held (another window took it).
    virtual void onCaptureLostByWindow();
    virtual void onActivated(bool active);
    // After the window was shown or hidden.
    virtual void onShown(bool shown);
    Paint background_;
    Color borderColor_ = kTransparentColor;

private:
    // NativeWindowClient
    void onNativePaint(UIPainter& painter, const Rect& dirty) override;
    void onNativeResize(Size client) override;
    void onNativeMouse(NativeMouseKind kind, Point position, uint32_t button, uint32_t buttons,
                       uint32_t modifiers) override;
    void onNativeWheel(Point position, int32_t delta, bool vertical, uint32_t modifiers) override;
    void onNativeMouseLeave() override;
    bool onNativeKey(bool down, uint32_t key, uint32_t modifiers, bool autoRepeat) override;
    void onNativeChar(char16_t character, uint32_t modifiers) override;
    void onNativeClose() override;
    void onNativeActivate(bool active) override;
    void onNativeCaptureLost() override;
    void onNativeDpiChanged(int32_t dpi, const Rect& suggestedWindowRect) override;
    int32_t onNativeCursor(Point position) override;
    void onNativeEvent(intptr_t value) override;
    Size onNativeMinimumSize() override;
    bool onNativeSystemCommand(uint32_t command) override;

    UIWidget* widgetAt(Point windowPosition) const;
    void setHovered(UIWidget* widget);
    void releaseGrab();
    void paintWidget(UIWidget& widget, UIPainter& painter, const Rect& dirty);
    std::vector<UIWidget*> tabChain() const;
    void refreshLayeredContent();
    void deliverMouse(NativeMouseKind kind, UIWidget* target, Point position, uint32_t button,
                      uint32_t buttons, uint32_t modifiers);
    bool isDoubleClick(Point position, uint32_t button, uint32_t time);
    bool routeKey(bool down, uint32_t key, uint32_t modifiers, bool autoRepeat);
    bool offerToKeyHandlers(bool down, const KeyEvent& event, bool used);

    NativeWindow native_;
    UIWindow* owner_ = nullptr;
    WideString title_;
    int32_t dpi_ = 96;
    bool layoutPending_ = false;
    bool layered_ = false;
    bool layeredRefreshPending_ = false;
    bool active_ = false;
    bool focusCues_ = false;
    // A key went down with Alt and was used since Alt went down.
    bool altChordUsed_ = false;
    size_t modalDepth_ = 0;
    UIWidget* focus_ = nullptr;
    UIWidget* hovered_ = nullptr;
    UIWidget* grabber_ = nullptr;
    UIWindow* popup_ = nullptr;
    std::function<void()> defaultAction_;
    std::vector<std::pair<UIWidget*, KeyHandler>> keyHandlers_;
    // The last press, for double clicks.
    uint32_t lastPressTime_ = 0;
    uint32_t lastPressButton_ = 0;
    Point lastPressPosition_;
    bool lastPressWasDouble_ = false;
};

} // namespace fw
