#pragma once
// Tooltips: a small pop-up with a widget's hint, shown after the mouse rests
// over it, placed near the cursor inside the desktop, with rounded corners of
// "cornerDiametr". One tooltip is shown at a time; windows report the mouse
// to it and it asks the widget under the mouse for its text.
#include "ui/TextStyle.h"
#include "ui/UIWindow.h"

namespace fw {

class UIToolTip : public UIWindow {
public:
    UIToolTip();

    void setText(WideString text);
    const WideString& text() const { return text_; }
    // Shows the tooltip with its top-left near `cursor` (screen), inside the
    // desktop: below the cursor, or above it when there is no room.
    void showAt(Point cursor, UIWindow* owner);

    Size sizeHint() const override;
    void paint(UIPainter& painter) override;
    void setProperty(WideStringView name, WideStringView value) override;
    void bindSkin(WideStringView name, const Skin& skin) override;

    // The placement rule, for a tooltip of `size` at `cursor` on `desktop`.
    static Point placement(Point cursor, Size size, const Rect& desktop, int32_t belowCursor);

private:
    WideString text_;
    TextStyle textStyle_;
    Margins padding_{8, 5, 8, 6};
    Margins desktopPadding_{4, 4, 4, 4};
    int32_t cornerDiameter_ = 8;
    int32_t desktopVerticalOffset_ = 20;
    const Skin* skin_ = nullptr;
};

// How long the mouse must rest before a tooltip shows, and how long it stays.
constexpr int32_t kToolTipDelayMs = 500;
constexpr int32_t kToolTipReshowDelayMs = 100;
constexpr int32_t kToolTipDurationMs = 20000;

// Called by windows as the mouse moves over `hovered` (window coordinates).
void toolTipMouseMoved(UIWidget* hovered, Point windowPosition);
// Hides any tooltip and forgets the pending one (press, key, leave).
void toolTipDismiss();
// A widget goes away or hides: its tooltip goes too.
void toolTipWidgetGoing(UIWidget* widget);
// The tooltip window while one is shown, else null.
UIToolTip* shownToolTip();

} // namespace fw
