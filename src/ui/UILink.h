#pragma once
// A text link: drawn in the link colour, underlined (by default) while the
// mouse is over its text, with the hand cursor there. A click on the text,
// Enter or Space opens its web address in the user's browser, or runs
// onClicked instead when one is set. Only the text reacts: a link stretched
// over a wide cell does not open from the empty space beside it.
#include "ui/PressState.h"
#include "ui/TextStyle.h"
#include "ui/UIPainter.h"
#include "ui/UIWidget.h"

#include <functional>
#include <optional>

namespace fw {

class UILink : public UIWidget {
public:
    explicit UILink(WideString text = WideString(), WideString address = WideString());

    const WideString& text() const { return text_; }
    void setText(WideString text);
    // A web or mail address ("https://...", "mailto:..."); other addresses are
    // never opened.
    const WideString& address() const { return address_; }
    void setAddress(WideString address);
    // Alignment bits; left and vertically centred by default.
    void setAlignment(uint32_t alignment);

    // Replaces opening the address when set.
    std::function<void()> onClicked;
    // What a click does: onClicked when set, else the address is opened.
    void activate();
    // Where links hand their addresses; tests replace it (null restores the shell).
    static void setAddressOpener(std::function<bool(WideStringView)> opener);

    // How the text is drawn now: hovered, normal or disabled.
    struct Look {
        FontSpec font;
        Paint foreground;
        Paint shadow;
        Point shadowOffset; // logical
        bool operator==(const Look&) const = default;
    };
    Look currentLook() const;
    // Where the text lies in the widget.
    Rect textRect() const;

    Size sizeHint() const override;
    Size minimumSizeHint() const override;
    void paint(UIPainter& painter) override;
    void setProperty(WideStringView name, WideStringView value) override;
    int32_t cursorAt(Point local) const override;
    WideString toolTipAt(Point local, Rect& area) const override;

    bool onMousePress(const MouseEvent& event) override;
    bool onMouseRelease(const MouseEvent& event) override;
    bool onMouseMove(const MouseEvent& event) override;
    void onMouseLeave() override;
    bool onKeyPress(const KeyEvent& event) override;
    bool onKeyRelease(const KeyEvent& event) override;
    void onCaptureLost() override;
    void onFocusOut() override;
    void onStateChanged() override;

private:
    bool isHot() const { return hot_ && isEnabled(); }
    void setHot(bool hot);
    // The larger of the two fonts' extents, so that hovering never moves the text.
    Size textSize() const;

    WideString text_;
    WideString address_;
    uint32_t alignment_ = AlignLeft | AlignVCenter;
    TextStyle style_;
    // Unset, the hovered font is the font underlined and the hovered shadow
    // the normal shadow.
    std::optional<FontSpec> hoveredFont_;
    Paint hoveredForeground_;
    std::optional<Paint> hoveredShadowForeground_;
    FontSpec underlinedFont_;
    bool hot_ = false;
    PressState press_;
};

} // namespace fw
