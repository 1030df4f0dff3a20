#pragma once
// A capture pipeline over a pretend system: windows, drives, screen, sounds
// and saved images are plain fields the tests set and read.
#include "app/CaptureController.h"
#include "settings/SettingsModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace fw {

class FakeSystem : public CaptureSystem {
public:
    int32_t windows = 1;
    bool mainVisible = true;
    uint32_t drives = 1u << 2; // C:
    uint64_t freeBytes = 1ull << 40;
    std::vector<WideString> volumes = {u"C:\\", u"\\\\server\\share\\"};
    int32_t monitors = 1;
    Rect work{0, 0, 8, 5};
    bool overlay = true;
    bool soundFileExists = true;
    std::vector<WideString> messages;
    std::vector<WideString> sounds;
    std::vector<Image> saved;
    std::vector<Point> cursorMoves;
    std::vector<Image> overlayBackgrounds;

    int32_t openWindowCount() override { return windows; }
    bool isMainWindowVisible() override { return mainVisible; }
    void showMainWindow() override { mainVisible = true; }
    void hideMainWindow() override { mainVisible = false; }
    void showMessage(WideStringView text) override { messages.emplace_back(text); }
    uint32_t logicalDrives() override { return drives; }
    bool freeDiskSpace(WideStringView root, uint64_t& bytes) override {
        bytes = freeBytes;
        return std::find(volumes.begin(), volumes.end(), root) != volumes.end();
    }
    Rect virtualScreen() override { return Rect{0, 0, 8, 6}; }
    int32_t monitorCount() override { return monitors; }
    Rect primaryWorkArea() override { return work; }
    Image grabScreenRect(const Rect& r, Image) override { return Image(true, r.width, r.height); }
    Image grabWindow(void*, const Rect& r) override { return Image(true, r.width, r.height); }
    void captureCursor(CaptureState&) override {}
    Point cursorPosition() override { return Point{3, 4}; }
    void moveCursor(Point position) override { cursorMoves.push_back(position); }
    void pause(int32_t) override {}
    bool showOverlay(CaptureState& state) override {
        overlayBackgrounds.push_back(state.dimmedScreen);
        return overlay;
    }
    void hideOverlay() override {}
    WideString programFolder() override { return u"C:\\Program"; }
    bool fileExists(WideStringView) override { return soundFileExists; }
    void playSound(WideStringView path) override { sounds.emplace_back(path); }
    SaveResult saveScreenshot(const Image& image, const CaptureInfo&) override {
        saved.push_back(image);
        return SaveResult::Saved;
    }
    void saveHistory() override {
        if (onSaveHistory) {
            onSaveHistory();
        }
    }
    std::function<void()> onSaveHistory;
};

class HistoryWatch : public TimerOwner {
    void OnTimer(int32_t) override {}
};

class CaptureFixture : public ::testing::Test {
protected:
    CaptureFixture() {
        auto owned = std::make_unique<FakeSystem>();
        system = owned.get();
        settings.outputFolder = u"c:\\Shots";
        controller = std::make_unique<CaptureController>(std::move(owned), settings, watch);
    }
    bool running(int32_t timer) { return timerService().isRunning(controller.get(), timer); }
    // Lets a running timer expire, as the message loop would.
    void expire(int32_t timer) {
        ASSERT_TRUE(running(timer)) << timer;
        controller->OnTimer(timer);
        EXPECT_FALSE(running(timer)) << timer;
    }

    SettingsValues settings;
    HistoryWatch watch;
    FakeSystem* system = nullptr;
    std::unique_ptr<CaptureController> controller;
};

} // namespace fw
