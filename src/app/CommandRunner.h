#pragma once
// Runs the commands of the command line in the running program: the one this
// start was given, once start-up is complete, and those later starts pass on.
#include "app/CaptureController.h"
#include "app/CommandLine.h"
#include "ui/EventLoop.h"

#include <optional>

namespace fw {

// What the runner needs from the program; the application supplies it.
class CommandTarget {
public:
    virtual ~CommandTarget() = default;
    virtual bool isCapturing() = 0;
    virtual CaptureReadiness captureReadiness(CaptureMode mode) = 0;
    // The capture button's path, for `mode` instead of the chosen one.
    virtual void startCapture(int32_t mode) = 0;
    // Shown, restored and in front, as a plain second start does; false when
    // there is no main window.
    virtual bool bringMainWindowForward() = 0;
    // Another window or dialog of the program is open.
    virtual bool isOtherWindowOpen() = 0;
    virtual void exit() = 0;
};

class CommandRunner : public EventReceiver {
public:
    explicit CommandRunner(CommandTarget& target) : target_(target) {}

    // Answers at once; a command that arrives before start-up is complete
    // waits for it (one at a time).
    CommandAnswer run(const Command& command);
    // The deferred start-up step has run: a waiting command runs now.
    void startupComplete();

private:
    CommandAnswer runNow(const Command& command);
    CommandAnswer capture(CaptureMode mode);

    CommandTarget& target_;
    bool started_ = false;
    std::optional<Command> waiting_;
};

} // namespace fw
