#include "ui/NativeWindow.h"

#include "platform/SystemInfo.h"

namespace fw {

// Without a window system there is no native window: toolkit windows live as
// widget trees only, which is what the native tests drive.

struct NativeWindow::BackBuffer {};

NativeWindow::NativeWindow(NativeWindowClient* client) : client_(client) {}

NativeWindow::~NativeWindow() = default;

bool NativeWindow::create(NativeWindow*, bool) {
    return false;
}

void NativeWindow::destroy() {}

NativeWindow* NativeWindow::fromHandle(void*) {
    return nullptr;
}

void NativeWindow::setFlags(uint32_t flags) {
    flags_ = flags;
}

void NativeWindow::setOpacity(float value) {
    opacity_ = clampOpacity(value);
}

void NativeWindow::applyOpacity() {}

void NativeWindow::setContent(const Image* image) {
    content_ = image ? *image : Image();
}

void NativeWindow::showContent() {}
void NativeWindow::setTitle(WideStringView) {}

Rect NativeWindow::frameRect() const {
    return Rect{};
}

Rect NativeWindow::clientRect() const {
    return Rect{};
}

void NativeWindow::setFrameRect(const Rect&) {}

Rect NativeWindow::frameForClient(const Rect& client) const {
    return client;
}

Point NativeWindow::clientToScreen(Point client) const {
    return client;
}

Point NativeWindow::screenToClient(Point screen) const {
    return screen;
}

void NativeWindow::show(ShowMode) {}
void NativeWindow::hide() {}

bool NativeWindow::isVisible() const {
    return false;
}

bool NativeWindow::isMinimized() const {
    return false;
}

bool NativeWindow::isMaximized() const {
    return false;
}

bool NativeWindow::isActive() const {
    return false;
}

void NativeWindow::activate() {}
void NativeWindow::setEnabled(bool) {}

bool NativeWindow::isEnabled() const {
    return true;
}

void NativeWindow::setTopmost(bool) {}
void NativeWindow::invalidate(const Rect&) {}
void NativeWindow::setMouseCapture(bool) {}

int32_t NativeWindow::dpi() const {
    return os::screenDpi();
}

void NativeWindow::paint() {}

intptr_t NativeWindow::handleMessage(uint32_t, uintptr_t, intptr_t) {
    return 0;
}

} // namespace fw
