#include "shell/WindowController.h"

#include "shell/MainWindowController.h"

namespace fw {

WindowController::WindowController(MainWindowHost& host) : host_(host) {}

WindowController::~WindowController() = default;

void WindowController::start() {
    main_ = std::make_unique<MainWindowController>(host_);
}

void WindowController::restoreMainWindowGeometry() {
    if (main_) {
        main_->restoreGeometry();
    }
}

void WindowController::createNotificationIcon() {
    if (main_) {
        main_->createNotificationIcon();
    }
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

void WindowController::saveWindowSettings(SettingsStore& store) {
    if (main_) {
        main_->saveWindowSettings(store);
    }
}

HistoryView* WindowController::historyView() {
    return main_.get();
}

} // namespace fw
