#pragma once
// Static text: one line, or wrapped to a width; aligned in its rectangle.
#include "ui/TextStyle.h"
#include "ui/UIPainter.h"
#include "ui/UIWidget.h"

namespace fw {

class UILabel : public UIWidget {
public:
    explicit UILabel(WideString text = WideString());

    const WideString& text() const { return text_; }
    void setText(WideString text);
    // Alignment bits; left and vertically centred by default.
    void setAlignment(uint32_t alignment);
    // Wrapped text asks for at most `preferredWidth` logical pixels.
    void setWordWrap(bool wrap, int32_t preferredWidth = 360);
    const TextStyle& textStyle() const { return style_; }

    Size sizeHint() const override;
    Size minimumSizeHint() const override;
    void paint(UIPainter& painter) override;
    void setProperty(WideStringView name, WideStringView value) override;

private:
    uint32_t flags() const;

    WideString text_;
    TextStyle style_;
    uint32_t alignment_ = AlignLeft | AlignVCenter;
    bool wrap_ = false;
    int32_t preferredWidth_ = 360;
};

} // namespace fw
