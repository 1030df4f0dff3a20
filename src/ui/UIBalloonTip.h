#pragma once
// A balloon tip: a rounded pop-up with a title, a text and a close button,
// whose arrow points at a screen point (a notification-area icon, a field).
// It goes on the side of the point that has room on that monitor, stays on
// the desktop, never takes the activation, and closes when clicked, by its
// close button, or after its timeout (which waits while the mouse is over it).
//
// The style's skins draw it ("UIBalloonTip_Background", "_BackgroundBorder",
// "_CloseButton" normal/hovered/pressed, one "_Arrow..." per side); a
// "background" set by the application paints body and arrow in that colour
// instead.
#include "ui/ScaledArt.h"
#include "ui/TextStyle.h"
#include "ui/UIWindow.h"

#include <functional>

namespace fw {

// The side of the balloon that carries the arrow.
enum class BalloonSide : int32_t { Top, Bottom, Left, Right };

struct BalloonArrow {
    int32_t length = 8;       // from the body to the tip
    int32_t thickness = 16;   // along the body's side
    int32_t edgeSpacing = 12; // at least this far from the ends of the side
    int32_t overlap = 1;      // laid over the body's border, which it hides
};

struct BalloonPlacement {
    Rect window; // screen coordinates: body and arrow
    Rect body;   // window coordinates
    Rect arrow;  // window coordinates
    BalloonSide side = BalloonSide::Bottom;
};

// Where a balloon with a body of `body` goes so that its arrow's tip touches
// `anchor`: on the `preferred` side when the desktop has room there, else the
// opposite side, else left or right, else wherever there is most room; always
// inside `desktop` when it fits (an empty desktop bounds nothing).
BalloonPlacement placeBalloon(Point anchor, Size body, const Rect& desktop,
                              const BalloonArrow& arrow,
                              BalloonSide preferred = BalloonSide::Bottom);

class UIBalloonTip : public UIWindow {
public:
    UIBalloonTip();

    const WideString& titleText() const { return titleText_; }
    void setTitleText(WideString title);
    const WideString& text() const { return text_; }
    void setText(WideString text);
    // A small picture before the title (information, warning).
    void setIcon(Image icon);
    // Milliseconds until it closes by itself; 0 keeps it until clicked.
    void setTimeout(int32_t milliseconds) { timeoutMs_ = milliseconds; }
    int32_t timeout() const { return timeoutMs_; }
    // The side to use when there is room: by default the arrow is at the
    // bottom, the balloon above the point (as over the notification area).
    void setPreferredSide(BalloonSide side) { preferredSide_ = side; }

    // Shows it, without activating, pointing at `anchor` (screen coordinates)
    // on the monitor of that point. `owner` may be null.
    void showAt(Point anchor, UIWindow* owner = nullptr);
    // Sizes and places it for `anchor` on `desktop` without showing it. New
    // texts or properties place it again for the same point.
    void place(Point anchor, const Rect& desktop);
    const BalloonPlacement& placement() const { return placement_; }
    // The close button, in window coordinates.
    Rect closeButtonRect() const;
    // The size of the body for the current texts.
    Size bodySize() const;

    // A click on the balloon (not on its close button); it closes first.
    std::function<void()> onClicked;

    Size sizeHint() const override;
    void paint(UIPainter& painter) override;
    void setProperty(WideStringView name, WideStringView value) override;
    void bindSkin(WideStringView name, const Skin& skin) override;
    bool onMousePress(const MouseEvent& event) override;
    bool onMouseRelease(const MouseEvent& event) override;
    bool onMouseMove(const MouseEvent& event) override;
    void onMouseEnter() override;
    void onMouseLeave() override;
    void OnTimer(int32_t identifier) override;

protected:
    void onShown(bool shown) override;

private:
    struct Parts {
        Rect icon, title, text, close;
    };
    Parts parts() const;
    Size closeSize() const;
    BalloonArrow arrowMetrics() const;
    const Skin* arrowSkin() const;
    void paintBody(UIPainter& painter);
    void paintCloseButton(UIPainter& painter, const Rect& r);
    void setCloseHot(bool hot);
    // Places it again for a new size, when it has been placed.
    void placeAgain();

    WideString titleText_;
    WideString text_;
    ScaledImage icon_;
    TextStyle textStyle_;
    TextStyle titleStyle_;
    Margins padding_{12, 10, 10, 12};
    Margins desktopPadding_{4, 4, 4, 4};
    int32_t horizontalSpacing_ = 12;
    int32_t verticalSpacing_ = 6;
    int32_t cornerDiameter_ = 14;
    int32_t arrowLength_ = 8;
    int32_t arrowThickness_ = 16;
    int32_t arrowBorderSpacing_ = 12;
    int32_t timeoutMs_ = 10000;
    BalloonSide preferredSide_ = BalloonSide::Bottom;
    BalloonPlacement placement_;
    bool placed_ = false;
    Point anchor_;
    Rect desktop_;

    const Skin* backgroundSkin_ = nullptr;
    const Skin* borderSkin_ = nullptr;
    const Skin* closeSkin_ = nullptr;
    const Skin* arrowSkins_[4] = {};

    bool down_ = false;
    bool pressedOnClose_ = false;
    bool closeHot_ = false;
};

} // namespace fw
