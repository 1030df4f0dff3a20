#pragma once
// The process-wide host: command line, executable path, single-instance mutex,
// the hidden message and instance windows, and the message loop.
#include "app/CommandLine.h"
#include "platform/WideString.h"
#include "shell/WindowController.h"
#include "ui/EventLoop.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>

namespace fw {

struct ProductStrings {
    WideString makerName;
    WideString displayName;
    WideString displayName2;
    WideString instanceName;
};

// The single-instance mutex, owned for the host's lifetime.
struct InstanceMutex;

class AppHost {
public:
    // Posted to the message window: a toolkit event (long parameter = the record)
    // and the end of a modal phase.
    static constexpr uint32_t kPostedEventMessage = EventLoop::kPostedEventMessage;
    static constexpr uint32_t kModalEndMessage = EventLoop::kModalEndMessage;
    // Sent by a second start to the running instance's instance window.
    static constexpr uint32_t kSecondStartMessage = 0xD000;

    explicit AppHost(const ProductStrings& strings);
    AppHost(const AppHost&) = delete;
    AppHost& operator=(const AppHost&) = delete;
    virtual ~AppHost();

    // Runs a message loop frame until quit(); returns the frame's exit code.
    virtual int run();
    // Ends every running loop frame, innermost first.
    virtual void quit();

    bool isAnotherInstanceRunning() const { return mutexState_ == 1; }
    static bool isSupportedWindows();
    // Finds the hidden instance window of the running instance and sends it the
    // second-start message.
    void signalRunningInstance() const;
    // Passes a command to the running instance and waits a bounded time for
    // its answer; NotUnderstood when none answers.
    CommandAnswer sendCommand(const Command& command) const;

    // Commands of later starts, answered while their sender waits; without a
    // handler every command is refused.
    using CommandHandler = std::function<CommandAnswer(const Command&)>;
    void setCommandHandler(CommandHandler handler) { commandHandler_ = std::move(handler); }
    CommandAnswer answerCommand(const Command& command) const {
        return commandHandler_ ? commandHandler_(command) : CommandAnswer::Refused;
    }
    // Shows the main window restored and in front, as a second start does;
    // false before the main window exists.
    bool bringMainWindowForward() const;

    void postEvent(EventReceiver* receiver, ToolkitEvent event) {
        eventLoop().post(receiver, std::move(event));
    }
    void setModal(bool modal) { eventLoop().setModal(modal); }
    bool isModal() const { return eventLoop().isModal(); }

    const WideString& commandLine() const { return commandLine_; }
    const WideString& executablePath() const { return executablePath_; }
    const WideString& executableFolder() const { return executableFolder_; }
    const WideString& makerName() const { return strings_.makerName; }
    const WideString& displayName() const { return strings_.displayName; }
    const WideString& displayName2() const { return strings_.displayName2; }
    const WideString& instanceName() const { return strings_.instanceName; }
    const WideString& aboutName() const { return aboutName_; }
    const WideString& aboutName2() const { return aboutName2_; }
    void copyAboutNames();
    int32_t mutexState() const { return mutexState_; }

    void* mainWindowHandle() const { return mainWindow_; }
    void setMainWindowHandle(void* window) { mainWindow_ = window; }
    void* instanceWindowHandle() const { return instanceWindow_; }

private:
    void createWindows();
    void createMutex();
    // The hidden instance window of the running instance, or null.
    void* findRunningInstance() const;

    WideString commandLine_;
    std::unique_ptr<InstanceMutex> mutex_;
    int32_t mutexState_ = 2;
    ProductStrings strings_;
    WideString aboutName_;
    WideString aboutName2_;
    WideString executablePath_;
    WideString executableFolder_;
    void* instanceWindow_ = nullptr;
    void* mainWindow_ = nullptr;
    CommandHandler commandHandler_;
};

// The published host, or null outside its lifetime.
AppHost* appHost();

namespace detail {
void publishAppHost(AppHost* host);
} // namespace detail

} // namespace fw
