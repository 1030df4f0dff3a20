#pragma once
// The user-interface thread's loop record: nested message-loop frames, the
// modal flag, and toolkit events posted through the hidden message window and
// delivered only to receivers that still live.
#include <cstdint>
#include <functional>
#include <vector>

namespace fw {

// A toolkit event posted through the message loop. `action`, when set, runs on
// delivery (the usual way to defer work until the current handler returned).
struct ToolkitEvent {
    int32_t type = 0;
    intptr_t value = 0;
    bool blockedWhileModal = false;
    std::function<void()> action;
};

// Receivers of posted events; an event for a receiver that no longer lives is
// dropped, so every receiver registers itself for its lifetime.
class EventReceiver {
public:
    EventReceiver();
    EventReceiver(const EventReceiver&) = delete;
    EventReceiver& operator=(const EventReceiver&) = delete;
    virtual ~EventReceiver();
    // Runs the event's action; receivers with events of their own override it.
    virtual void onEvent(const ToolkitEvent& event);
    // Told apart from an earlier receiver that lived at the same address: an
    // event posted to that one must never reach this one.
    uint64_t receiverSerial() const { return serial_; }

private:
    uint64_t serial_;
};

class EventLoop {
public:
    // Posted to the message window: a toolkit event (long parameter = the
    // record) and the end of a modal phase.
    static constexpr uint32_t kPostedEventMessage = 0xC400;
    static constexpr uint32_t kModalEndMessage = 0xC401;

    EventLoop();
    EventLoop(const EventLoop&) = delete;
    EventLoop& operator=(const EventLoop&) = delete;
    ~EventLoop();

    // The hidden window posted events travel through; made on first use.
    void* messageWindow();

    // Runs a new frame until it is ended; returns its exit code. Frames nest:
    // a modal window runs one inside the frame that opened it.
    int run();
    // The number of running frames.
    size_t depth() const { return frames_.size(); }
    // Ends the frame at `depth` (1 is the outermost) with `code` once every
    // frame inside it has returned.
    void endFrame(size_t depth, int code);
    // Ends every frame, innermost first.
    void quit();

    // Posts `event` for `receiver`; false when it could not be queued.
    bool post(EventReceiver* receiver, ToolkitEvent event);
    // Runs `action` later on this thread unless `receiver` is gone by then.
    bool post(EventReceiver* receiver, std::function<void()> action,
              bool blockedWhileModal = false);
    // Posts the end of the modal phase; the flag clears when it arrives, after
    // the events queued before it.
    void postModalEnd();
    void setModal(bool modal) { modal_ = modal; }
    bool isModal() const { return modal_; }

    // Delivers whatever is queued without waiting; for tests and for frames
    // that must not block.
    void processPendingEvents();

    void registerReceiver(EventReceiver* receiver);
    void unregisterReceiver(EventReceiver* receiver);
    bool isAlive(const EventReceiver* receiver) const;
    // Delivery of one posted event record; called by the platform loop.
    void deliver(intptr_t record);

private:
    struct Frame {
        bool exit = false;
        int exitCode = 0;
    };

    // One step of the platform loop: waits for and handles one message. False
    // when the platform has nothing to wait for.
    bool handleOneMessage(bool wait);
    void wake();

    std::vector<Frame> frames_;
    std::vector<EventReceiver*> receivers_;
    bool modal_ = false;
    void* messageWindow_ = nullptr;
    // The POSIX stand-in keeps posted records here instead of a message queue.
    std::vector<intptr_t> queued_;
};

// The user-interface thread's loop record.
EventLoop& eventLoop();

} // namespace fw
