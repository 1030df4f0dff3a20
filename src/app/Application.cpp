#include "app/Application.h"

#include "app/AppHistory.h"
#include "app/AppHost.h"
#include "app/CaptureController.h"
#include "app/Startup.h"
#include "app/TimerSeries.h"
#include "capture/Screen.h"
#include "i18n/Translation.h"
#include "platform/Files.h"
#include "settings/SettingKeys.h"
#include "settings/SettingsModel.h"
#include "settings/SettingsStore.h"
#include "shell/MainWindow.h"
#include "shell/MainWindowController.h"
#include "shell/OptionsWindow.h"
#include "shell/WindowController.h"
#include "stats/StatisticsSchedule.h"

#include <cstdlib>

namespace fw {

namespace {
Application* publishedApplication = nullptr;
} // namespace

Application* application() {
    return publishedApplication;
}

Application::Application(AppHost& host) : host_(host) {
    publishedApplication = this;
    product_ = ProductInfo{host.instanceName(), host.aboutName(), host.aboutName2(),
                           host.makerName(),    programVersion(), host.executablePath()};
    defaults_ = standardDefaults();
    settings_ = std::make_unique<SettingsStore>(u"config.dat", host.instanceName());
    applyDefaults(*settings_, defaults_);
    setApplicationName(host.instanceName());
    setLanguagesFolder(joinPath(host.executableFolder(), u"languages"));
    setLanguage(settings_->get(keys::kLanguage, SettingValue::text(u"english")).toText());
    model_ = std::make_unique<SettingsModel>();
    model_->loadSettings(*settings_);
    windows_ = std::make_unique<WindowController>(*this);
    auto controller =
        std::make_unique<CaptureController>(makeCaptureSystem(*this), model_->values, *this);
    controller_ = controller.get();
    timerMode_ = std::make_unique<TimerSeries>(*controller_, model_->values,
                                               [] { return os::primaryWorkArea(); });
    controller_->setTimerMode(timerMode_.get());
    model_->capture = std::move(controller);
    CommandTarget& commandTarget = *this;
    commands_ = std::make_unique<CommandRunner>(commandTarget);
    host_.setCommandHandler([this](const Command& command) { return runCommand(command); });
}

Application::~Application() {
    host_.setCommandHandler(nullptr);
    commands_.reset();
    StopTimer(this, kDeferredStartupTimer);
    StopTimer(this, CaptureController::kHistoryWatchTimer);
    statistics_.reset();
    // The pipeline reaches the windows through this object: it goes first,
    // after the series it drives.
    controller_->setTimerMode(nullptr);
    timerMode_.reset();
    model_->capture.reset();
    controller_ = nullptr;
    windows_.reset();
    model_.reset();
    settings_.reset();
    publishedApplication = nullptr;
}

void Application::start() {
    windows_->start();
    const int32_t delay = deferredStartupDelay(std::rand() % 32768);
    StartTimer(this, kDeferredStartupTimer, delay);
    reportStartupDelay(delay);
    startHistory();
    StartTimer(this, CaptureController::kHistoryWatchTimer,
               CaptureController::kHistoryWatchIntervalMs);
    statistics_ = makeStatisticsSchedule(model_->statistics, userAgent());
    statistics_->begin();
}

bool Application::saveSettings() {
    model_->writeSettings(*settings_);
    windows_->saveWindowSettings(*settings_);
    return settings_->save();
}

void Application::exit() {
    // Nothing more to take once the windows are going.
    host_.setCommandHandler(nullptr);
    windows_->hideMainWindow();
    finishHistory();
    saveSettings();
    StopTimer(this, CaptureController::kHistoryWatchTimer);
    // The main window may be handling the close that led here: its handler
    // touches nothing after this call returns.
    windows_->destroyMainWindow();
    host_.quit();
}

void Application::mainWindowCreated(void* window) {
    host_.setMainWindowHandle(window);
}

void Application::mainWindowDestroyed(void* window) {
    if (host_.mainWindowHandle() == window) {
        host_.setMainWindowHandle(nullptr);
    }
}

void Application::startCapture(int32_t mode) {
    if (model_->capture) {
        model_->capture->StartCapture(static_cast<CaptureMode>(mode));
    }
}

CommandAnswer Application::runCommand(const Command& command) {
    return commands_ ? commands_->run(command) : CommandAnswer::Refused;
}

bool Application::isCapturing() {
    return controller_ && controller_->isCapturing();
}

CaptureReadiness Application::captureReadiness(CaptureMode mode) {
    return controller_ ? controller_->readiness(mode) : CaptureReadiness::Busy;
}

bool Application::bringMainWindowForward() {
    return host_.bringMainWindowForward();
}

bool Application::isOtherWindowOpen() {
    return controller_ && controller_->isOtherWindowOpen();
}

void Application::showOptions() {
    MainWindowController* main = windows_->mainWindow();
    if (!main) {
        return;
    }
    OptionsContext context{*settings_, *model_, main->hotkeys(), product_,
                           [this] { return saveSettings(); }};
    openOptions(context, &main->window());
}

void Application::OnTimer(int32_t identifier) {
    if (identifier == kDeferredStartupTimer) {
        StopTimer(this, kDeferredStartupTimer);
        deferredStartup();
    } else if (identifier == CaptureController::kHistoryWatchTimer) {
        watchHistory();
    }
}

void Application::deferredStartup() {
    windows_->restoreMainWindowGeometry();
    if (!hasAutorunSwitch(host_.commandLine())) {
        const bool maximized =
            settings_->get(keys::kWindowMainMaximized, SettingValue::boolean(false)).toBool();
        windows_->showMainWindow(maximized);
        if (maximized) {
            // Shown maximized this once: a crash before the next save must not
            // start every later run maximized. The exit writes the state anew.
            settings_->set(keys::kWindowMainMaximized, SettingValue::boolean(false));
            settings_->save();
        }
    }
    windows_->createNotificationIcon();
    model_->statistics.countRun();
    commands_->startupComplete();
}

void Application::startHistory() {
    historyHost_ = std::make_unique<AppHistoryHost>(*this);
    ScreenshotHistory& history = model_->history;
    history.setHost(historyHost_.get());
    history.setFilePath(joinPath(settings_->folderPath(), u"history.dat"));
    history.load();
    history.prune(false);
    history.moveFilesTo(model_->values.outputFolder);
}

void Application::watchHistory() {
    MainWindowController* main = windows_->mainWindow();
    if (!main || !main->isVisible() || model_->history.empty()) {
        return;
    }
    // Stopped while it works, so that a slow round never queues another one.
    StopTimer(this, CaptureController::kHistoryWatchTimer);
    model_->history.watchFiles();
    StartTimer(this, CaptureController::kHistoryWatchTimer,
               CaptureController::kHistoryWatchIntervalMs);
}

void Application::finishHistory() {
    model_->history.prune(true);
    model_->history.save();
}

} // namespace fw
