#include "app/CaptureController.h"

#include "capture/ImageOps.h"
#include "i18n/Translation.h"
#include "platform/Files.h"
#include "platform/Trace.h"
#include "settings/SettingsModel.h"
#include "ui/NativeDialogs.h"

#include <algorithm>

namespace fw {

namespace {

bool isDriveLetter(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

// "\\server\share\" of a network path, also when written "\\?\UNC\server\share";
// empty for any other path.
WideString shareRootOf(WideStringView folder) {
    WideStringView rest;
    if (startsWith(folder, u"\\\\?\\UNC\\")) {
        rest = folder.substr(8);
    } else if (startsWith(folder, u"\\\\") && !startsWith(folder, u"\\\\?\\") &&
               !startsWith(folder, u"\\\\.\\")) {
        rest = folder.substr(2);
    }
    const size_t server = rest.find(u'\\');
    if (server == 0 || server == WideStringView::npos || server + 1 == rest.size() ||
        rest[server + 1] == u'\\') {
        return WideString();
    }
    return u"\\\\" + WideString(rest.substr(0, rest.find(u'\\', server + 1))) + u"\\";
}

// A rectangle whose right or bottom edge does not fit 32 bits cannot be saved.
bool isUsable(const Image& image, const Rect& r) {
    return !image.isEmpty() && !r.isEmpty() && static_cast<int64_t>(r.x) + r.width <= INT32_MAX &&
           static_cast<int64_t>(r.y) + r.height <= INT32_MAX;
}

} // namespace

WideString volumeRootOf(WideStringView folder) {
    WideString share = shareRootOf(folder);
    if (!share.empty()) {
        return share;
    }
    const size_t colon = folder.rfind(u':');
    if (colon == WideStringView::npos || colon == 0 || !isDriveLetter(folder[colon - 1])) {
        return WideString();
    }
    return WideString{toUpperChar(folder[colon - 1]), u':', u'\\'};
}

bool hasEnoughFreeSpace(WideStringView folder, CaptureSystem& system) {
    const WideString root = volumeRootOf(folder);
    if (root.empty()) {
        return false;
    }
    const bool drive = root[1] == u':';
    if (drive && (system.logicalDrives() & (1u << (root[0] - u'A'))) == 0) {
        return false;
    }
    uint64_t bytes = 0;
    return system.freeDiskSpace(root, bytes) && bytes > kMinimumFreeBytes;
}

int32_t clampCaptureDelay(int32_t milliseconds) {
    return std::clamp(milliseconds, kMinCaptureDelayMs, kMaxCaptureDelayMs);
}

CaptureController::CaptureController(std::unique_ptr<CaptureSystem> system,
                                     const SettingsValues& settings, TimerOwner& historyWatch)
    : system_(std::move(system)), settings_(settings), historyWatch_(historyWatch) {}

CaptureController::~CaptureController() = default;

bool CaptureController::othersOpen() {
    const int32_t open = system_->openWindowCount() + openNativeDialogCount();
    return !(open == 0 || (open == 1 && system_->isMainWindowVisible()));
}

CaptureReadiness CaptureController::readiness(CaptureMode mode) {
    if (capturing_ || mode < CaptureMode::FullScreen || mode > CaptureMode::Timer ||
        (mode == CaptureMode::Timer && timerMode_ == nullptr) || othersOpen()) {
        return CaptureReadiness::Busy;
    }
    return hasEnoughFreeSpace(settings_.outputFolder, *system_) ? CaptureReadiness::Ready
                                                                : CaptureReadiness::NoSpace;
}

void CaptureController::StartCapture(CaptureMode mode) {
    os::traceStep("trigger");
    switch (readiness(mode)) {
    case CaptureReadiness::Busy:
        return;
    case CaptureReadiness::NoSpace:
        system_->showMessage(translate(u"Not enough free disk space.", u"Messages"));
        return;
    case CaptureReadiness::Ready:
        break;
    }
    StopTimer(&historyWatch_, kHistoryWatchTimer);
    mainWasHidden_ = !system_->isMainWindowVisible();
    mode_ = mode;
    setCaptureDelay(settings_.captureDelay);
    playSound_ = settings_.playSound;
    state_.mode = mode;
    state_.includeCursor = settings_.includeMouseCursor;
    state_.useWorkArea = settings_.fullScreenModeWorkArea;
    resetScreenState(state_, *system_);
    selection_ = OverlaySelection{};
    capturing_ = true;
    savedDuringCapture_ = false;
    ++serial_;
    system_->hideMainWindow();
    os::traceStep("hide");
    switch (mode) {
    case CaptureMode::FullScreen:
        StartTimer(this, kFullScreenDelayTimer, captureDelay_);
        break;
    case CaptureMode::Window:
    case CaptureMode::Region:
        StartTimer(this, kOverlayDelayTimer, captureDelay_);
        break;
    default:
        timerMode_->start();
        break;
    }
}

void CaptureController::OnTimer(int32_t identifier) {
    switch (identifier) {
    case kFullScreenDelayTimer:
    case kSelectionDelayTimer:
    case kTimerModeGrabTimer:
        StopTimer(this, identifier);
        // A late expiry, of a capture that ended or of another mode, grabs nothing.
        if (capturing_ && grabTimerFitsMode(identifier)) {
            os::traceStep("delay");
            Grab();
        }
        break;
    case kOverlayDelayTimer:
        StopTimer(this, identifier);
        openOverlay();
        break;
    default:
        break;
    }
}

bool CaptureController::grabTimerFitsMode(int32_t identifier) const {
    switch (identifier) {
    case kFullScreenDelayTimer:
        return mode_ == CaptureMode::FullScreen;
    case kSelectionDelayTimer:
        return mode_ == CaptureMode::Window || mode_ == CaptureMode::Region;
    case kTimerModeGrabTimer:
        return mode_ == CaptureMode::Timer;
    default:
        return false;
    }
}

void CaptureController::openOverlay() {
    freezeScreen(state_, *system_, Freeze::ForOverlay);
    if (state_.frozenScreen.isEmpty() || !system_->showOverlay(state_)) {
        CancelCapture();
    }
}

void CaptureController::OnOverlayResult(OverlayResult result) {
    if (!capturing_) {
        return;
    }
    const bool accepted = result == OverlayResult::Accept &&
                          ((mode_ == CaptureMode::Region && !selection_.region.isEmpty()) ||
                           (mode_ == CaptureMode::Window && selection_.window != nullptr));
    if (!accepted) {
        CancelCapture();
        return;
    }
    system_->hideOverlay();
    StartTimer(this, kSelectionDelayTimer, captureDelay_);
}

void CaptureController::CancelCapture() {
    // A late cancel must not bring back a main window the user has hidden since.
    if (!capturing_) {
        return;
    }
    system_->hideOverlay();
    StopTimer(this, kFullScreenDelayTimer);
    StopTimer(this, kOverlayDelayTimer);
    StopTimer(this, kSelectionDelayTimer);
    StopTimer(this, kTimerModeGrabTimer);
    if (mode_ == CaptureMode::Timer && timerMode_ != nullptr) {
        timerMode_->halt();
    }
    releaseImages();
    capturing_ = false;
    restoreMainWindow();
    if (savedDuringCapture_) {
        system_->saveHistory();
    }
    StartTimer(&historyWatch_, kHistoryWatchTimer, kHistoryWatchIntervalMs);
}

bool CaptureController::grabForMode() {
    switch (mode_) {
    case CaptureMode::FullScreen:
        freezeScreen(state_, *system_, Freeze::ForResult);
        fullScreenResult(state_, *system_);
        return true;
    case CaptureMode::Timer: {
        freezeScreen(state_, *system_, Freeze::ForResult);
        const Image& frozen = state_.frozenScreen;
        storeResult(state_, Rect{0, 0, frozen.width(), frozen.height()}, frozen);
        return true;
    }
    case CaptureMode::Window:
        storeResult(state_, selection_.windowRect,
                    system_->grabWindow(selection_.window, selection_.windowRect));
        return true;
    case CaptureMode::Region: {
        // The fresh grab must not show the cursor that drew the selection.
        const Point kept = system_->cursorPosition();
        system_->moveCursor(kCursorParking);
        system_->pause(kRegionSettleMs);
        freezeScreen(state_, *system_, Freeze::ForResult);
        system_->moveCursor(kept);
        storeResult(state_, selection_.region, crop(state_.frozenScreen, selection_.region));
        return true;
    }
    default:
        return false;
    }
}

void CaptureController::Grab() {
    CaptureInfo info;
    info.cursor = system_->cursorPosition();
    info.mode = static_cast<int32_t>(mode_);
    system_->captureCursor(state_);
    os::traceStep("cursor");
    // The overlay's result stays: window and region captures took it already.
    state_.dimmedScreen = Image();
    const bool grabbed = grabForMode();
    os::traceStep("grab");
    if (grabbed && isUsable(state_.resultImage, state_.resultRect)) {
        info.rect = state_.resultRect;
        playSound(u"shot");
        os::traceStep("sound");
        savedDuringCapture_ |=
            system_->saveScreenshot(state_.resultImage, info) == SaveResult::Saved;
        os::traceStep("saved");
    }
    releaseImages();
    state_.cursorImage = Image();
    if (mode_ == CaptureMode::Timer && timerMode_ != nullptr && timerMode_->hasRepeatsLeft()) {
        timerMode_->scheduleNextCountdown();
        return;
    }
    FinishCapture();
}

bool CaptureController::timerModeCountdownEnded(uint32_t serial, bool counterWasOnScreen) {
    // One grab per countdown: not for a series that was cancelled, nor twice.
    if (!capturing_ || mode_ != CaptureMode::Timer || serial != serial_ ||
        timerService().isRunning(this, kTimerModeGrabTimer)) {
        return false;
    }
    if (!hasEnoughFreeSpace(settings_.outputFolder, *system_)) {
        CancelCapture();
        system_->showMessage(translate(u"Not enough free disk space.", u"Messages"));
        return false;
    }
    StartTimer(this, kTimerModeGrabTimer,
               counterWasOnScreen ? captureDelay_ : kTimerModeGrabDelayMs);
    return true;
}

void CaptureController::FinishCapture() {
    capturing_ = false;
    restoreMainWindow();
    os::traceStep("show");
    system_->saveHistory();
    os::traceStep("history");
    StartTimer(&historyWatch_, kHistoryWatchTimer, kHistoryWatchIntervalMs);
    os::traceHeldObjects();
    os::flushTrace();
}

void CaptureController::releaseImages() {
    // The frozen screen alone stays: the next grab fills the same memory, which
    // costs less than new memory, and no more than one screen is held at a time.
    state_.dimmedScreen = Image();
    state_.resultImage = Image();
}

void CaptureController::restoreMainWindow() {
    // A main window that was hidden before the capture is not forced into view.
    if (!mainWasHidden_) {
        system_->showMainWindow();
    }
}

void CaptureController::playSound(WideStringView name) {
    if (!playSound_) {
        return;
    }
    const WideString folder = joinPath(joinPath(system_->programFolder(), u"data"), u"sounds");
    const WideString path = joinPath(folder, WideString(name) + u".wav");
    if (system_->fileExists(path)) {
        system_->playSound(path);
    }
}

} // namespace fw
