#include "shell/UIHotKey.h"

#include "platform/InputMethod.h"
#include "platform/SystemInfo.h"
#include "resources/StyleResources.h"
#include "ui/ScaledArt.h"
#include "ui/TextLayout.h"
#include "ui/UIPainter.h"
#include "ui/UIWindow.h"

#include <algorithm>

namespace fw {

namespace {

enum FieldFrame : int32_t {
    FrameNormal = 0,
    FrameHovered = 1,
    FrameFocused = 2,
    FrameDisabled = 3
};

// Keys that keep their meaning in the window and are never recorded.
bool isWindowKey(uint32_t key) {
    return key == KeyTab || key == KeyReturn || key == KeyEscape;
}

// The longest text the field usually shows, for its width.
constexpr WideStringView kWidestText = u"Control + Shift + Alt + F12";

} // namespace

UIHotKey::UIHotKey() : UIWidget(u"UIHotKey") {
    setFocusPolicy(FocusPolicy::Strong);
    setSizePolicy(SizePolicy::Expanding, SizePolicy::Fixed);
    background_ = Paint::solid(kTransparentColor);
}

void UIHotKey::setValue(uint32_t key, uint32_t modifiers) {
    editor_.setValue(key, modifiers);
    beforeCombination_ = editor_;
    update();
}

void UIHotKey::clear() {
    editor_.setValue(0, 0);
    beforeCombination_ = editor_;
    update();
}

bool UIHotKey::onKeyPress(const KeyEvent& event) {
    if (isWindowKey(event.key)) {
        // Shift+Tab leaves the field: the Shift it saw first is no combination.
        if (!editor_.isComplete()) {
            editor_ = beforeCombination_;
            update();
        }
        return false;
    }
    // A held key repeats; the combination is already recorded.
    if (event.autoRepeat) {
        return true;
    }
    const int64_t before = editor_.value();
    if (editor_.isComplete()) {
        beforeCombination_ = editor_;
    }
    editor_.keyPress(event.key);
    afterKey(before);
    return true;
}

bool UIHotKey::onKeyRelease(const KeyEvent& event) {
    if (isWindowKey(event.key)) {
        return false;
    }
    const int64_t before = editor_.value();
    editor_.keyRelease(event.key);
    afterKey(before);
    return true;
}

void UIHotKey::afterKey(int64_t before) {
    restartBlink();
    update();
    if (editor_.value() != before) {
        auto changed = onChanged;
        if (changed) {
            changed();
        }
    }
}

void UIHotKey::onFocusIn() {
    enableInputMethod(false);
    restartBlink();
    update();
}

void UIHotKey::onFocusOut() {
    // Modifiers still held when the focus goes are no combination; a key
    // pressed with them is.
    if (!editor_.isComplete()) {
        if (editor_.key() != 0) {
            editor_.setValue(editor_.key(), editor_.modifiers());
        } else {
            editor_ = beforeCombination_;
        }
    }
    enableInputMethod(true);
    StopTimer(this, kCaretTimer);
    update();
}

void UIHotKey::enableInputMethod(bool enabled) {
    // An input method would take the keys before the field could record them.
    UIWindow* w = window();
    if (w && w->nativeWindow().exists()) {
        os::setInputMethodEnabled(w->nativeWindow().handle(), enabled);
    }
}

void UIHotKey::retranslate() {
    updateGeometry();
    update();
}

void UIHotKey::restartBlink() {
    caretOn_ = true;
    StopTimer(this, kCaretTimer);
    const uint32_t period = os::caretBlinkTime();
    if (hasFocus() && period > 0) {
        StartTimer(this, kCaretTimer, static_cast<int32_t>(period));
    }
}

void UIHotKey::OnTimer(int32_t identifier) {
    if (identifier == kCaretTimer) {
        caretOn_ = !caretOn_;
        update();
    }
}

bool UIHotKey::isCaretShown() const {
    UIWindow* w = window();
    return caretOn_ && hasFocus() && isEnabled() && w && w->isActive();
}

Size UIHotKey::sizeHint() const {
    const Size text = measureText(kWidestText, textStyle_.font, dpi());
    const Margins pad = px(padding_);
    const Size skin = skinFrameSize(skin_, dpi());
    const Size minimum = px(minimumSizeProperty_);
    return Size{std::max({text.width + pad.horizontal(), minimum.width}),
                std::max({text.height + pad.vertical() + px(6), skin.height, minimum.height})};
}

void UIHotKey::paint(UIPainter& painter) {
    const Rect area = rect();
    const int32_t frame = !isEnabled()  ? FrameDisabled
                          : hasFocus()  ? FrameFocused
                          : isHovered() ? FrameHovered
                                        : FrameNormal;
    if (skin_) {
        drawSkin(painter, skin_, frame, area);
    } else {
        painter.fillRoundedRect(area, px(3), theme::kSunken);
        painter.drawRoundedRect(area, px(3),
                                frame == FrameFocused ? theme::kAccent : theme::kBorder);
    }
    if (background_.isVisible()) {
        const int32_t border = std::max(1, px(1));
        painter.fillPaint(shrink(area, Margins{border, border, border, border}), background_);
    }
    const Rect content = shrink(area, px(padding_));
    const WideString shown = editor_.text();
    painter.save();
    painter.clipTo(content);
    textStyle_.draw(painter, content, shown, AlignLeft | AlignVCenter, isEnabled());
    if (isCaretShown()) {
        // After the combination; at the start while the field shows "None".
        const bool empty = editor_.key() == 0 && editor_.modifiers() == 0;
        const int32_t x =
            content.x + (empty ? 0 : measureText(shown, textStyle_.font, dpi()).width);
        const int32_t lineHeight = fontMetrics(textStyle_.font, dpi()).height;
        const int32_t width =
            std::max(px(1), metric(static_cast<int32_t>(MetricId::TextCursorWidth)));
        const Paint& paint = textStyle_.foreground;
        painter.fillRect(Rect{x, content.y + (content.height - lineHeight) / 2, width, lineHeight},
                         paint.isVisible() ? paint.effectiveColor() : theme::kText);
    }
    painter.restore();
}

void UIHotKey::setProperty(WideStringView name, WideStringView value) {
    constexpr uint32_t textProperties =
        TextPropertyFont | TextPropertyForeground | TextPropertyShadow | TextPropertyShadowOffset;
    if (textStyle_.setProperty(name, value, textProperties)) {
    } else if (name == u"background") {
        background_ = parseStyleBackground(value);
    } else if (name == u"minimumSize") {
        minimumSizeProperty_ = parseStyleSize(value);
    } else if (name == u"padding") {
        padding_ = parseStyleRectangle(value);
    } else {
        return;
    }
    updateGeometry();
    update();
}

void UIHotKey::bindSkin(WideStringView name, const Skin& skin) {
    if (name == u"UIHotKey_Background") {
        skin_ = &skin;
        updateGeometry();
    }
}

} // namespace fw
