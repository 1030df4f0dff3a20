#include "shell/WindowController.h"

namespace fw {

WindowController::WindowController(MainWindowHost& host) : host_(host) {}

WindowController::~WindowController() = default;

void WindowController::start() {
    main_ = std::make_unique<MainWindowController>(host_);
}

void WindowController::showMainWindow(bool maximized) {
    if (main_) {
        main_->show(maximized);
    }
}

void WindowController::hideMainWindow() {
    if (main_) {
        main_->hide();
    }
}

void WindowController::destroyMainWindow() {
    main_.reset();
}

} // namespace fw
