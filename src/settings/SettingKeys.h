#pragma once
// Every key of the settings store. Names are exact and case-sensitive; the
// order is that of a freshly written config.dat.
#include "platform/WideString.h"

namespace fw::keys {

inline constexpr WideStringView kLanguage = u"general/language";
inline constexpr WideStringView kLoadOnWindowsStartup = u"general/loadOnWindowsStartup";
inline constexpr WideStringView kMinimizeToNotificationArea = u"general/minimizeToNotificationArea";
inline constexpr WideStringView kCloseToNotificationArea = u"general/closeToNotificationArea";
inline constexpr WideStringView kMode = u"general/mode";
inline constexpr WideStringView kCaptureDelay = u"general/captureDelay";
inline constexpr WideStringView kPreviewListZoom = u"general/previewListZoom";
inline constexpr WideStringView kPlaySound = u"general/playSound";
inline constexpr WideStringView kExternalEditorPath = u"general/externalEditorPath";
inline constexpr WideStringView kOutputFolder = u"general/outputFolder";
inline constexpr WideStringView kOutputFileFormat = u"general/outputFileFormat";
inline constexpr WideStringView kOutputFileNamePattern = u"general/outputFileNamePattern";
inline constexpr WideStringView kOutputFileNameCounterFormat =
    u"general/outputFileNameCounterFormat";
inline constexpr WideStringView kIncludeMouseCursor = u"general/includeMouseCursor";
inline constexpr WideStringView kAutoCopyToClipboard = u"general/autoCopyToClipboard";
inline constexpr WideStringView kLastSaveAsPath = u"general/lastSaveAsPath";
inline constexpr WideStringView kHistoryEnable = u"general/historyEnable";
inline constexpr WideStringView kHistoryLimit = u"general/historyLimit";
inline constexpr WideStringView kHistoryMode = u"general/historyMode";
inline constexpr WideStringView kHistoryDeleteToRecycleBin = u"general/historyDeleteToRecycleBin";
inline constexpr WideStringView kHotkeyCapture = u"general/hotkeyCapture";
inline constexpr WideStringView kHotkeyShowAndHide = u"general/hotkeyShowAndHide";
inline constexpr WideStringView kUsePrintScreenKey = u"general/usePrintScreenKey";
inline constexpr WideStringView kFullScreenModeWorkArea = u"general/fullScreenModeWorkArea";
inline constexpr WideStringView kWindowModeIncludeControls = u"general/windowModeIncludeControls";
inline constexpr WideStringView kWindowModeSaveTransparency = u"general/windowModeSaveTransparency";
inline constexpr WideStringView kRegionModeMagnifierSize = u"general/regionModeMagnifierSize";
inline constexpr WideStringView kRegionModeMagnifierZoom = u"general/regionModeMagnifierZoom";
inline constexpr WideStringView kTimerModeInterval = u"general/timerModeInterval";
inline constexpr WideStringView kTimerModeIntervalType = u"general/timerModeIntervalType";
inline constexpr WideStringView kTimerModeRepeatCount = u"general/timerModeRepeatCount";
inline constexpr WideStringView kTimerModeTickingSound = u"general/timerModeTickingSound";
inline constexpr WideStringView kTimerModeShowCounter = u"general/timerModeShowCounter";
inline constexpr WideStringView kTimerModeCounterPosition = u"general/timerModeCounterPosition";
inline constexpr WideStringView kIsSendEnable = u"statistics/isSendEnable";
inline constexpr WideStringView kLastSend = u"statistics/lastSend";
inline constexpr WideStringView kNumRuns = u"statistics/numRuns";
inline constexpr WideStringView kTotalScreenshots = u"statistics/totalScreenshots";
inline constexpr WideStringView kOutTotalScreenshots = u"statistics/outTotalScreenshots";
inline constexpr WideStringView kWindowMainLeft = u"windows/windowMainLeft";
inline constexpr WideStringView kWindowMainTop = u"windows/windowMainTop";
inline constexpr WideStringView kWindowMainWidth = u"windows/windowMainWidth";
inline constexpr WideStringView kWindowMainHeight = u"windows/windowMainHeight";
inline constexpr WideStringView kWindowMainTopMost = u"windows/windowMainTopMost";
inline constexpr WideStringView kWindowMainMaximized = u"windows/windowMainMaximized";
inline constexpr WideStringView kWindowOptionsLeft = u"windows/windowOptionsLeft";
inline constexpr WideStringView kWindowOptionsTop = u"windows/windowOptionsTop";
inline constexpr WideStringView kWindowOptionsPage = u"windows/windowOptionsPage";

} // namespace fw::keys
