#pragma once
// The application object: owns the settings, the settings model and the window
// controller, and runs the deferred start-up step and the exit command.
#include "app/CommandRunner.h"
#include "settings/Defaults.h"
#include "shell/WindowController.h"
#include "ui/TimerService.h"

#include <memory>

namespace fw {

class AppHost;
class CaptureController;
class HistoryHost;
class SettingsModel;
class SettingsStore;
class StatisticsSchedule;
class TimerModeRunner;

class Application : public TimerOwner, public MainWindowHost, private CommandTarget {
public:
    // The history watch's timer and interval are the capture pipeline's, which
    // pauses the watch during a capture.
    static constexpr int32_t kDeferredStartupTimer = 5012;

    explicit Application(AppHost& host);
    ~Application() override;

    // Creates the window controller and starts the run's timers.
    void start();
    // The settings model, then the window keys, into config.dat.
    bool saveSettings();
    // The exit command: hide, save, stop the watch, destroy the windows, quit.
    void exit() override;

    void OnTimer(int32_t identifier) override;

    AppHost& host() { return host_; }
    SettingsStore& settings() override { return *settings_; }
    SettingsModel& model() override { return *model_; }
    const ProductInfo& product() override { return product_; }
    WindowController* windows() { return windows_.get(); }
    // The pipeline behind model().capture, for the overlay's answers.
    CaptureController* captureController() { return controller_; }
    void mainWindowCreated(void* window) override;
    void mainWindowDestroyed(void* window) override;
    void startCapture(int32_t mode) override;
    // A command of the command line, of this start or a later one.
    CommandAnswer runCommand(const Command& command);
    // The options window over the main window.
    bool hasOptions() const override { return true; }
    void showOptions() override;

private:
    // What the commands of the command line act on.
    bool isCapturing() override;
    CaptureReadiness captureReadiness(CaptureMode mode) override;
    bool bringMainWindowForward() override;
    bool isOtherWindowOpen() override;

    void deferredStartup();
    void startHistory();
    void watchHistory();
    void finishHistory();

    AppHost& host_;
    ProductInfo product_;
    DefaultsList defaults_;
    // Destroyed in reverse order: windows, model, then the store, whose
    // destructor writes config.dat a last time.
    std::unique_ptr<SettingsStore> settings_;
    std::unique_ptr<SettingsModel> model_;
    std::unique_ptr<WindowController> windows_;
    // The capture pipeline the model holds, and the timer series it drives.
    CaptureController* controller_ = nullptr;
    std::unique_ptr<TimerModeRunner> timerMode_;
    std::unique_ptr<HistoryHost> historyHost_;
    // Works on the model's counters: destroyed before the model.
    std::unique_ptr<StatisticsSchedule> statistics_;
    std::unique_ptr<CommandRunner> commands_;
};

// The published application, or null outside its lifetime.
Application* application();

} // namespace fw
