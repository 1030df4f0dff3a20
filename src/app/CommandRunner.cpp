#include "app/CommandRunner.h"

#include <utility>

namespace fw {

CommandAnswer CommandRunner::run(const Command& command) {
    if (started_) {
        return runNow(command);
    }
    if (waiting_ || command.kind == CommandKind::None) {
        return CommandAnswer::Refused;
    }
    waiting_ = command;
    return CommandAnswer::Accepted;
}

void CommandRunner::startupComplete() {
    started_ = true;
    if (std::optional<Command> command = std::exchange(waiting_, std::nullopt)) {
        runNow(*command);
    }
}

CommandAnswer CommandRunner::runNow(const Command& command) {
    if (target_.isCapturing()) {
        return CommandAnswer::Refused;
    }
    switch (command.kind) {
    case CommandKind::Capture:
        return capture(command.mode);
    case CommandKind::Show:
        return target_.bringMainWindowForward() ? CommandAnswer::Accepted : CommandAnswer::Refused;
    case CommandKind::Exit:
        // An open dialog runs a loop of its own that the exit would pull away
        // from under it.
        if (target_.isOtherWindowOpen()) {
            return CommandAnswer::Refused;
        }
        // After the answer: the exit destroys the window that carries it.
        eventLoop().post(this, [this] { target_.exit(); });
        return CommandAnswer::Accepted;
    case CommandKind::None:
        break;
    }
    return CommandAnswer::Refused;
}

CommandAnswer CommandRunner::capture(CaptureMode mode) {
    switch (target_.captureReadiness(mode)) {
    case CaptureReadiness::Ready:
        target_.startCapture(static_cast<int32_t>(mode));
        return target_.isCapturing() ? CommandAnswer::Accepted : CommandAnswer::Refused;
    case CaptureReadiness::NoSpace:
        // The user still sees the message the capture button gives, but not
        // while the other start waits for the answer.
        eventLoop().post(this, [this, mode] { target_.startCapture(static_cast<int32_t>(mode)); });
        return CommandAnswer::Refused;
    case CaptureReadiness::Busy:
        break;
    }
    return CommandAnswer::Refused;
}

} // namespace fw
