#pragma once
// The base of every toolkit widget: a node of the widget tree with a rectangle
// in its parent, a look given by style properties and skins, size hints for
// layout, and handlers for the input its window routes to it.
//
// Writing a widget: override paint() to draw in local coordinates (it only
// draws, it never changes state), sizeHint() to say how big it wants to be,
// setProperty()/bindSkin() for its style, and the on...() handlers it needs;
// call update() when its look changes and updateGeometry() when its size hint
// does. Sizes are physical pixels: px() scales a logical (96 DPI) length.
#include "platform/Rect.h"
#include "platform/WideString.h"
#include "ui/EventLoop.h"
#include "ui/StyleValue.h"
#include "ui/TimerService.h"
#include "ui/UIEvent.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace fw {

class Skin;
class UILayout;
class UIPainter;
class UIWindow;

enum class FocusPolicy : uint32_t {
    None = 0,
    Tab = 1,   // reached with Tab
    Click = 2, // takes focus when pressed
    Strong = 3,
};

// How a widget takes space along one axis beyond its size hint.
enum class SizePolicy : int32_t {
    Fixed = 0,     // exactly the hint
    Preferred = 1, // the hint, shrinks to the minimum when space is short
    Expanding = 2, // takes what is left over
};

class UIWidget : public TimerOwner, public EventReceiver {
public:
    explicit UIWidget(WideString className = u"UIWidget");
    ~UIWidget() override;

    // The class name ("UIButton"), used to find widgets of a class.
    const WideString& className() const { return className_; }
    // A name of the application's choosing, to find one widget.
    const WideString& name() const { return name_; }
    void setName(WideString name) { name_ = std::move(name); }

    // Tree. Children are owned and painted in order (later ones on top).
    UIWidget* parent() const { return parent_; }
    UIWidget* addChild(std::unique_ptr<UIWidget> child);
    template <typename T, typename... Args> T* add(Args&&... args) {
        return static_cast<T*>(addChild(std::make_unique<T>(std::forward<Args>(args)...)));
    }
    std::unique_ptr<UIWidget> takeChild(UIWidget* child);
    const std::vector<std::unique_ptr<UIWidget>>& children() const { return children_; }
    // The nearest window above this widget (or this widget when it is one).
    UIWindow* window() const;
    virtual bool isWindow() const { return false; }
    bool isAncestorOf(const UIWidget* other) const;
    UIWidget* findByName(WideStringView name);
    // Every widget of the subtree whose class name is `className`, this one included.
    std::vector<UIWidget*> findByClass(WideStringView className);
    template <typename T> T* find(WideStringView name) {
        return dynamic_cast<T*>(findByName(name));
    }

    // Geometry, relative to the parent. setGeometry arranges the children.
    const Rect& geometry() const { return geometry_; }
    void setGeometry(const Rect& r);
    Rect rect() const { return Rect{0, 0, geometry_.width, geometry_.height}; }
    int32_t width() const { return geometry_.width; }
    int32_t height() const { return geometry_.height; }
    // The widget's rectangle in its window's client coordinates.
    Rect windowRect() const;
    Point mapToWindow(Point local) const;
    Point mapFromWindow(Point windowPoint) const;

    // Layout: the preferred and the smallest useful size, and how to grow.
    virtual Size sizeHint() const;
    virtual Size minimumSizeHint() const;
    // sizeHint and minimumSizeHint limited by the explicit minimum and maximum.
    Size effectiveSizeHint() const;
    Size effectiveMinimumSize() const;
    Size maximumSize() const { return maximumSize_; }
    // Explicit limits, in physical pixels.
    void setMinimumSize(Size size);
    void setMaximumSize(Size size);
    void setFixedSize(Size size);
    SizePolicy horizontalPolicy() const { return horizontalPolicy_; }
    SizePolicy verticalPolicy() const { return verticalPolicy_; }
    void setSizePolicy(SizePolicy horizontal, SizePolicy vertical);
    // The layout that arranges the children; without one they keep the
    // rectangles they were given.
    void setLayout(std::unique_ptr<UILayout> layout);
    UILayout* layout() const { return layout_.get(); }
    // Call when the size hint changed: the window lays itself out again.
    void updateGeometry();
    // Arranges the children in the current rectangle.
    void relayout();

    // Visibility and enabled state; both are inherited by the children.
    void setVisible(bool visible);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    bool isVisibleFlag() const { return visible_; }
    // Visible itself and every ancestor up to its window.
    bool isVisible() const;
    void setEnabled(bool enabled);
    bool isEnabledFlag() const { return enabled_; }
    bool isEnabled() const;

    // Focus.
    FocusPolicy focusPolicy() const { return focusPolicy_; }
    void setFocusPolicy(FocusPolicy policy) { focusPolicy_ = policy; }
    bool acceptsTabFocus() const;
    bool hasFocus() const;
    // Focus shown as keyboard users expect: the widget has focus and the
    // window has been used with the keyboard.
    bool showsFocus() const;
    void setFocus();
    bool isHovered() const;
    // Held by the mouse: a button went down on it and is not released yet.
    bool isPressedByMouse() const;

    // Painting.
    void update();
    void update(const Rect& local);
    // Draws the widget itself in local coordinates; the window paints the
    // children afterwards, clipped to their rectangles.
    virtual void paint(UIPainter& painter);
    // Draws what lies over the children (focus frames, overlays); rarely needed.
    virtual void paintOver(UIPainter& painter);
    // Whether the parent's painting shows through where this widget draws nothing.
    bool isOpaque() const { return opaque_; }
    void setOpaque(bool opaque) { opaque_ = opaque; }

    // Style. Unknown names and skins are ignored.
    virtual void setProperty(WideStringView name, WideStringView value);
    virtual void bindSkin(WideStringView name, const Skin& skin);
    // Offers every skin of the current style to bindSkin.
    void applySkins();
    // Sets several properties: pairs of name and value.
    void setProperties(std::initializer_list<std::pair<WideStringView, WideStringView>> values);

    // Mouse cursor and tooltip.
    void setCursor(int32_t cursorId) { cursorId_ = cursorId; }
    virtual int32_t cursorAt(Point local) const;
    void setToolTip(WideString text);
    const WideString& toolTip() const { return toolTip_; }
    // The tooltip at a point, and the area it belongs to (an item of a list);
    // moving within the area keeps the tooltip.
    virtual WideString toolTipAt(Point local, Rect& area) const;

    // Resolution: dots per inch of the window, and its ratio to 96.
    int32_t dpi() const;
    float scale() const;
    // A logical (96 DPI) length in physical pixels, rounded.
    int32_t px(int32_t logical) const;
    Size px(Size logical) const;
    Margins px(const Margins& logical) const;
    // Layout metrics of the current style, scaled.
    int32_t metric(int32_t metricId) const;

    // Input; handlers return true when they used the event, else it goes to
    // the parent.
    virtual bool onMousePress(const MouseEvent& event);
    virtual bool onMouseRelease(const MouseEvent& event);
    // The second press of a double click; by default a press.
    virtual bool onMouseDoubleClick(const MouseEvent& event);
    virtual bool onMouseMove(const MouseEvent& event);
    virtual bool onWheel(const WheelEvent& event);
    virtual void onMouseEnter();
    virtual void onMouseLeave();
    virtual bool onKeyPress(const KeyEvent& event);
    virtual bool onKeyRelease(const KeyEvent& event);
    virtual bool onChar(const CharEvent& event);
    virtual void onFocusIn();
    virtual void onFocusOut();
    // The widget took or lost the mouse while a button went down elsewhere.
    virtual void onCaptureLost();
    // After the geometry changed and the children were arranged.
    virtual void onResize();
    // The resolution changed (the window moved to another monitor).
    virtual void onDpiChanged();
    // Visible or enabled state changed, its own or an ancestor's.
    virtual void onStateChanged();
    // Texts are looked up anew after a change of language.
    virtual void retranslate();

    void OnTimer(int32_t identifier) override;

    // Runs `action` later, after the current event, unless this widget is gone.
    void defer(std::function<void()> action);

protected:
    // For classes derived from another widget class ("UIToolButton" from "UIButton").
    void setClassName(WideString name) { className_ = std::move(name); }

private:
    friend class UIWindow;
    void notifyStateChanged();
    void forEachDescendant(const std::function<void(UIWidget&)>& visit);

    WideString className_;
    WideString name_;
    UIWidget* parent_ = nullptr;
    std::vector<std::unique_ptr<UIWidget>> children_;
    std::unique_ptr<UILayout> layout_;
    Rect geometry_;
    Size minimumSize_;
    Size maximumSize_{1 << 24, 1 << 24};
    SizePolicy horizontalPolicy_ = SizePolicy::Preferred;
    SizePolicy verticalPolicy_ = SizePolicy::Preferred;
    FocusPolicy focusPolicy_ = FocusPolicy::None;
    bool visible_ = true;
    bool enabled_ = true;
    bool opaque_ = false;
    int32_t cursorId_ = 1;
    WideString toolTip_;
};

} // namespace fw
