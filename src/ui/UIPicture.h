#pragma once
// A picture from the style or the program, at the window's resolution, placed
// by its alignment and shrunk (never enlarged) to fit; optionally with a line
// of text under it, or text alone. A clickable picture takes the mouse and the
// keyboard like a button (the options windows check a toggle when its picture
// is clicked) and shows the mouse over it.
#include "ui/PressState.h"
#include "ui/ScaledArt.h"
#include "ui/TextStyle.h"
#include "ui/UIPainter.h"
#include "ui/UIWidget.h"

#include <functional>

namespace fw {

class UIPicture : public UIWidget {
public:
    explicit UIPicture(Image image = Image(), WideString text = WideString());

    void setImage(Image image);
    const Image& image() const { return image_.source(); }
    const WideString& text() const { return text_; }
    void setText(WideString text);
    // Alignment bits of the picture and its text as one block; centred by default.
    void setAlignment(uint32_t alignment);

    // Clickable pictures take focus (Tab, a click), show the hand cursor and
    // the mouse over them, and run onClicked on a click, Space or Enter.
    void setClickable(bool clickable);
    bool isClickable() const { return clickable_; }
    std::function<void()> onClicked;
    void click();

    // Where the picture and the text are drawn at the current size.
    Rect imageRect() const;
    Rect textRect() const;

    Size sizeHint() const override;
    Size minimumSizeHint() const override;
    void paint(UIPainter& painter) override;
    void setProperty(WideStringView name, WideStringView value) override;

    bool onMousePress(const MouseEvent& event) override;
    bool onMouseRelease(const MouseEvent& event) override;
    bool onMouseMove(const MouseEvent& event) override;
    bool onKeyPress(const KeyEvent& event) override;
    bool onKeyRelease(const KeyEvent& event) override;
    void onCaptureLost() override;
    void onFocusOut() override;

private:
    Size imageSize() const;
    Size textSize() const;
    int32_t textSpacing() const;
    // The picture and text as one block inside the widget, shrunk to fit.
    Rect contentRect() const;

    ScaledImage image_;
    // A faded grey copy, drawn while disabled.
    ScaledImage disabledImage_;
    WideString text_;
    uint32_t alignment_ = AlignCenter;
    FontSpec font_;
    Paint foreground_;
    Point shadowOffset_;
    Paint background_;
    bool clickable_ = false;
    PressState press_;
};

} // namespace fw
