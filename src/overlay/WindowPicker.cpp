#include "overlay/WindowPicker.h"

#include "ui/Resample.h"

namespace fw {

namespace {
constexpr int32_t kIconSide = 32;
} // namespace

Image normalizedWindowIcon(const Image& icon) {
    if (icon.isEmpty() || icon.width() == kIconSide || icon.height() == kIconSide) {
        return icon;
    }
    return resize(icon, kIconSide, kIconSide, ResampleFilter::CatmullRom);
}

WindowPicker::WindowPicker(const WindowLayout& layout, WindowIconSource iconSource)
    : layout_(layout), iconSource_(std::move(iconSource)) {}

WindowPick WindowPicker::pick(Point screen, bool includeControls, WindowId excluded) {
    WindowPick pick;
    pick.window = pickWindowAt(layout_, screen, includeControls, excluded);
    if (!pick.window) {
        return pick;
    }
    pick.windowRect = layout_.windowRect(pick.window);
    pick.captureRect = captureRectOf(layout_, pick.window, excluded);
    const WindowId owner =
        pick.window == layout_.desktop() ? pick.window : layout_.root(pick.window);
    if (owner != iconOwner_ || !layout_.exists(owner)) {
        iconOwner_ = owner;
        icon_ = iconSource_ ? normalizedWindowIcon(iconSource_(owner)) : Image();
    }
    pick.icon = icon_;
    return pick;
}

void WindowPicker::reset() {
    iconOwner_ = nullptr;
    icon_ = Image();
}

} // namespace fw
