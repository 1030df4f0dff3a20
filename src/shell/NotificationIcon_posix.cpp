#include "shell/NotificationIcon.h"

namespace fw {

namespace {

// No notification area: the icon exists for the program's logic only.
class AbsentNotificationIcon : public NotificationIconNative {
public:
    void setImage(const Image&) override {}
    void setTip(WideStringView) override {}
    void show() override {}
    void prepareMenu() override {}
    void raiseMenu(UIMenu&) override {}
    Point anchor() override { return Point{}; }
};

} // namespace

std::unique_ptr<NotificationIconNative> makeNotificationIconNative(NotificationIcon&) {
    return std::make_unique<AbsentNotificationIcon>();
}

} // namespace fw
