#pragma once
// The process-wide host: command line, executable path, single-instance mutex,
// the hidden message and instance windows, and the message loop.
#include "platform/WideString.h"
#include "shell/WindowController.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace fw {

struct ProductStrings {
    WideString makerName;
    WideString displayName;
    WideString displayName2;
    WideString instanceName;
};

// A toolkit event posted through the message loop.
struct ToolkitEvent {
    int32_t type = 0;
    intptr_t value = 0;
    bool blockedWhileModal = false;
};

// Receivers of posted events; an event for a receiver that no longer lives is
// dropped, so every receiver registers itself for its lifetime.
class EventReceiver {
public:
    EventReceiver();
    EventReceiver(const EventReceiver&) = delete;
    EventReceiver& operator=(const EventReceiver&) = delete;
    virtual ~EventReceiver();
    virtual void onEvent(const ToolkitEvent& event) = 0;
};

// The single-instance mutex, owned for the host's lifetime.
struct InstanceMutex;

class AppHost {
public:
    // Posted to the message window: a toolkit event (long parameter = the record)
    // and the end of a modal phase.
    static constexpr uint32_t kPostedEventMessage = 0xC400;
    static constexpr uint32_t kModalEndMessage = 0xC401;
    // Sent by a second start to the running instance's instance window.
    static constexpr uint32_t kSecondStartMessage = fw::kSecondStartMessage;

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

    void postEvent(EventReceiver* receiver, const ToolkitEvent& event);
    void setModal(bool modal) { modal_ = modal; }
    bool isModal() const { return modal_; }

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

    // Delivery of a posted event record; called by the message loop.
    void deliverPostedEvent(intptr_t record);
    void registerReceiver(EventReceiver* receiver);
    void unregisterReceiver(EventReceiver* receiver);

private:
    struct LoopFrame {
        bool exit = false;
        int exitCode = 0;
    };

    void createWindows();
    void createMutex();

    WideString commandLine_;
    std::unique_ptr<InstanceMutex> mutex_;
    int32_t mutexState_ = 2;
    ProductStrings strings_;
    WideString aboutName_;
    WideString aboutName2_;
    WideString executablePath_;
    WideString executableFolder_;
    void* messageWindow_ = nullptr;
    void* instanceWindow_ = nullptr;
    void* mainWindow_ = nullptr;
    std::vector<LoopFrame> frames_;
    std::vector<EventReceiver*> receivers_;
    bool modal_ = false;
};

// The published host, or null outside its lifetime.
AppHost* appHost();

namespace detail {
void publishAppHost(AppHost* host);
// Posted events travel as heap records through the message queue.
intptr_t makePostedEventRecord(EventReceiver* receiver, const ToolkitEvent& event);
void freePostedEventRecord(intptr_t record);
} // namespace detail

} // namespace fw
