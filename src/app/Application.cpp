#include "app/Application.h"

#include "app/AppHost.h"
#include "shell/WindowController.h"

#include <cstdlib>

namespace fw {

namespace {
Application* publishedApplication = nullptr;
} // namespace

Application* application() {
    return publishedApplication;
}

int32_t deferredStartupDelay(int32_t r) {
    return 128 + r * 129 / 32768;
}

Application::Application(AppHost& host) : host_(host) {
    publishedApplication = this;
    windows_ = std::make_unique<WindowController>(*this);
}

Application::~Application() {
    StopTimer(this, kDeferredStartupTimer);
    windows_.reset();
    publishedApplication = nullptr;
}

void Application::start() {
    windows_->start();
    StartTimer(this, kDeferredStartupTimer, deferredStartupDelay(std::rand() % 32768));
    StartTimer(this, kHistoryWatchTimer, kHistoryWatchIntervalMs);
}

bool Application::saveSettings() {
    return true;
}

void Application::exit() {
    windows_->hideMainWindow();
    saveSettings();
    StopTimer(this, kHistoryWatchTimer);
    // The main window may be handling the close that led here: its handler
    // touches nothing after this call returns.
    windows_->destroyMainWindow();
    host_.quit();
}

void Application::OnTimer(int32_t identifier) {
    if (identifier == kDeferredStartupTimer) {
        StopTimer(this, kDeferredStartupTimer);
        deferredStartup();
    }
}

void Application::deferredStartup() {
    if (!hasAutorunSwitch(host_.commandLine())) {
        windows_->showMainWindow(false);
    }
}

} // namespace fw
