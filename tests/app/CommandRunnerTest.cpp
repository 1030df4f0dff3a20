#include "app/CommandRunner.h"

#include <gtest/gtest.h>

#include <vector>

namespace fw {
namespace {

struct FakeTarget : CommandTarget {
    bool capturing = false;
    bool otherWindow = false;
    bool mainWindow = true;
    CaptureReadiness readiness = CaptureReadiness::Ready;
    std::vector<int32_t> captures;
    int shown = 0;
    int exits = 0;

    bool isCapturing() override { return capturing; }
    CaptureReadiness captureReadiness(CaptureMode) override { return readiness; }
    void startCapture(int32_t mode) override {
        captures.push_back(mode);
        capturing = readiness == CaptureReadiness::Ready;
    }
    bool bringMainWindowForward() override {
        shown += mainWindow;
        return mainWindow;
    }
    bool isOtherWindowOpen() override { return otherWindow; }
    void exit() override { ++exits; }
};

const Command kRegion{CommandKind::Capture, CaptureMode::Region};
const Command kShow{CommandKind::Show, CaptureMode::Unknown};
const Command kExit{CommandKind::Exit, CaptureMode::Unknown};

TEST(CommandRunnerTest, ACommandBeforeStartUpWaitsForItOneAtATime) {
    FakeTarget target;
    CommandRunner runner(target);
    EXPECT_EQ(runner.run(kRegion), CommandAnswer::Accepted);
    EXPECT_EQ(runner.run(kShow), CommandAnswer::Refused);
    EXPECT_TRUE(target.captures.empty());
    runner.startupComplete();
    EXPECT_EQ(target.captures, std::vector<int32_t>{3});
    EXPECT_EQ(target.shown, 0);
}

TEST(CommandRunnerTest, CapturesStartAtOnceOrAreRefusedAndTheDiskMessageComesAfterTheAnswer) {
    FakeTarget target;
    CommandRunner runner(target);
    runner.startupComplete();
    EXPECT_EQ(runner.run(kRegion), CommandAnswer::Accepted);
    EXPECT_EQ(target.captures, std::vector<int32_t>{3});

    // During a capture every command is refused and changes nothing.
    for (const Command& command : {kRegion, kShow, kExit}) {
        EXPECT_EQ(runner.run(command), CommandAnswer::Refused);
    }
    eventLoop().processPendingEvents();
    EXPECT_EQ(target.captures.size(), 1u);
    EXPECT_EQ(target.shown + target.exits, 0);

    target.capturing = false;
    target.readiness = CaptureReadiness::Busy;
    EXPECT_EQ(runner.run(kRegion), CommandAnswer::Refused);
    target.readiness = CaptureReadiness::NoSpace;
    EXPECT_EQ(runner.run(kRegion), CommandAnswer::Refused);
    EXPECT_EQ(target.captures.size(), 1u);
    eventLoop().processPendingEvents();
    EXPECT_EQ(target.captures.size(), 2u);
}

TEST(CommandRunnerTest, ShowNeedsTheMainWindowAndExitWaitsForTheAnswerAndForOpenDialogs) {
    FakeTarget target;
    CommandRunner runner(target);
    runner.startupComplete();
    target.mainWindow = false;
    EXPECT_EQ(runner.run(kShow), CommandAnswer::Refused);
    target.mainWindow = true;
    EXPECT_EQ(runner.run(kShow), CommandAnswer::Accepted);
    EXPECT_EQ(target.shown, 1);

    target.otherWindow = true;
    EXPECT_EQ(runner.run(kExit), CommandAnswer::Refused);
    target.otherWindow = false;
    EXPECT_EQ(runner.run(kExit), CommandAnswer::Accepted);
    EXPECT_EQ(target.exits, 0);
    eventLoop().processPendingEvents();
    EXPECT_EQ(target.exits, 1);
}

} // namespace
} // namespace fw
