#pragma once
// The application object: owns the settings, the settings model and the window
// controller, and runs the deferred start-up step and the exit command.
#include "ui/TimerService.h"

#include <memory>

namespace fw {

class AppHost;
class WindowController;

class Application : public TimerOwner {
public:
    static constexpr int32_t kDeferredStartupTimer = 5012;
    static constexpr int32_t kHistoryWatchTimer = 2006;
    static constexpr int32_t kHistoryWatchIntervalMs = 3000;

    explicit Application(AppHost& host);
    ~Application() override;

    // Creates the window controller and starts the run's timers.
    void start();
    bool saveSettings();
    // The exit command: hide, save, stop the watch, destroy the windows, quit.
    void exit();

    void OnTimer(int32_t identifier) override;

    AppHost& host() { return host_; }
    WindowController* windows() { return windows_.get(); }

private:
    void deferredStartup();

    AppHost& host_;
    std::unique_ptr<WindowController> windows_;
};

// The published application, or null outside its lifetime.
Application* application();

// 128 to 256 ms: the deferred start-up delay for a pseudo-random r in 0..32767.
int32_t deferredStartupDelay(int32_t r);

} // namespace fw
