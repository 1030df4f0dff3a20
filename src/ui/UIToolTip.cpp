#include "ui/UIToolTip.h"

#include "capture/Screen.h"
#include "ui/ScaledArt.h"
#include "ui/TextLayout.h"
#include "ui/UIPainter.h"

#include <algorithm>
#include <memory>

namespace fw {

UIToolTip::UIToolTip() : UIWindow(u"UIToolTip") {
    setWindowFlags(WindowPopup | WindowTopmost);
    nativeWindow().setNoActivate(true);
    setLayered(true);
    background_ = Paint::solid(rgb(30, 30, 30));
    borderColor_ = theme::kBorder;
    applySkins();
}

void UIToolTip::setText(WideString text) {
    text_ = std::move(text);
    updateGeometry();
    invalidateAll();
}

Size UIToolTip::sizeHint() const {
    Size text = measureText(text_, textStyle_.font, dpi(), TextWordWrap, px(480));
    Margins pad = px(padding_);
    return Size{text.width + pad.horizontal(), text.height + pad.vertical()};
}

void UIToolTip::paint(UIPainter& painter) {
    const int32_t radius = px(cornerDiameter_) / 2;
    if (skin_ && !background_.isVisible()) {
        drawSkin(painter, skin_, 0, rect());
    } else {
        painter.fillRoundedRect(rect(), radius, background_.effectiveColor());
        if (alphaOf(borderColor_) != 0) {
            painter.drawRoundedRect(rect(), radius, borderColor_, 1);
        }
    }
    textStyle_.draw(painter, shrink(rect(), px(padding_)), text_,
                    AlignLeft | AlignTop | TextWordWrap, true);
}

void UIToolTip::setProperty(WideStringView name, WideStringView value) {
    if (textStyle_.setProperty(name, value,
                               TextPropertyFont | TextPropertyForeground | TextPropertyShadow |
                                   TextPropertyShadowOffset)) {
    } else if (name == u"background") {
        background_ = parseStyleBackground(value);
    } else if (name == u"borderColor") {
        borderColor_ = parseStyleColor(value);
    } else if (name == u"padding") {
        padding_ = parseStyleRectangle(value);
    } else if (name == u"desktopPadding") {
        desktopPadding_ = parseStyleRectangle(value);
    } else if (name == u"cornerDiametr") {
        cornerDiameter_ = parseStyleInteger(value);
    } else if (name == u"desktopVerticalOffset") {
        desktopVerticalOffset_ = parseStyleInteger(value);
    } else {
        return;
    }
    updateGeometry();
    invalidateAll();
}

void UIToolTip::bindSkin(WideStringView name, const Skin& skin) {
    if (name == u"UIToolTip_Background") {
        skin_ = &skin;
    }
}

Point UIToolTip::placement(Point cursor, Size size, const Rect& desktop, int32_t belowCursor) {
    Point at{cursor.x, cursor.y + belowCursor};
    if (desktop.isEmpty()) {
        return at;
    }
    if (at.y + size.height > desktop.bottom()) {
        at.y = cursor.y - size.height - 2;
    }
    at.x = std::clamp(at.x, desktop.x, std::max(desktop.x, desktop.right() - size.width));
    at.y = std::clamp(at.y, desktop.y, std::max(desktop.y, desktop.bottom() - size.height));
    return at;
}

void UIToolTip::showAt(Point cursor, UIWindow* owner) {
    setOwnerWindow(owner);
    if (owner) {
        setWindowDpi(owner->windowDpi());
    }
    Size size = sizeHint();
    Rect desktop = os::monitorOfPoint(cursor, true);
    if (desktop.isEmpty()) {
        desktop = os::primaryWorkArea();
    }
    Point at =
        placement(cursor, size, shrink(desktop, px(desktopPadding_)), px(desktopVerticalOffset_));
    setScreenRect(Rect{at.x, at.y, size.width, size.height});
    showNoActivate();
}

namespace {

// The one tooltip of the program: what it shows and what it waits for.
class ToolTipController : public TimerOwner {
public:
    static constexpr int32_t kShowTimer = 1;
    static constexpr int32_t kHideTimer = 2;

    void moved(UIWidget* hovered, Point windowPosition) {
        Rect area;
        Point local = hovered->mapFromWindow(windowPosition);
        WideString text = hovered->toolTipAt(local, area);
        if (text.empty()) {
            dismiss();
            return;
        }
        Rect areaInWindow{hovered->mapToWindow(Point{area.x, area.y}).x,
                          hovered->mapToWindow(Point{area.x, area.y}).y, area.width, area.height};
        if (hovered == widget_ && areaInWindow == area_ && text == text_) {
            return;
        }
        const bool wasShown = tip_ && tip_->isShown();
        hide();
        widget_ = hovered;
        area_ = areaInWindow;
        text_ = std::move(text);
        StartTimer(this, kShowTimer, wasShown ? kToolTipReshowDelayMs : kToolTipDelayMs);
    }

    void dismiss() {
        hide();
        widget_ = nullptr;
        text_.clear();
    }

    void going(UIWidget* widget) {
        if (widget_ && (widget_ == widget || widget->isAncestorOf(widget_))) {
            dismiss();
        }
    }

    UIToolTip* shown() const { return tip_ && tip_->isShown() ? tip_.get() : nullptr; }

    void OnTimer(int32_t identifier) override {
        StopTimer(this, identifier);
        if (identifier == kHideTimer) {
            hide();
            return;
        }
        UIWindow* window = widget_ ? widget_->window() : nullptr;
        if (!window || !window->isShown() || text_.empty()) {
            return;
        }
        if (!tip_) {
            tip_ = std::make_unique<UIToolTip>();
        }
        tip_->setText(text_);
        tip_->showAt(os::cursorPosition(), window);
        StartTimer(this, kHideTimer, kToolTipDurationMs);
    }

private:
    void hide() {
        StopTimer(this, kShowTimer);
        StopTimer(this, kHideTimer);
        // Hiding a window dismisses tooltips, the tooltip's own window included.
        if (tip_ && tip_->isShown() && !hiding_) {
            hiding_ = true;
            tip_->hide();
            hiding_ = false;
        }
    }

    std::unique_ptr<UIToolTip> tip_;
    bool hiding_ = false;
    UIWidget* widget_ = nullptr;
    Rect area_;
    WideString text_;
};

ToolTipController& controller() {
    // The services it uses are made first, so that they are destroyed after it.
    timerService();
    eventLoop();
    static ToolTipController instance;
    return instance;
}

} // namespace

void toolTipMouseMoved(UIWidget* hovered, Point windowPosition) {
    if (hovered) {
        controller().moved(hovered, windowPosition);
    }
}

void toolTipDismiss() {
    controller().dismiss();
}

void toolTipWidgetGoing(UIWidget* widget) {
    controller().going(widget);
}

UIToolTip* shownToolTip() {
    return controller().shown();
}

} // namespace fw
