#include "ui/EventLoop.h"

#include <algorithm>

namespace fw {

namespace {

struct PostedEvent {
    EventReceiver* receiver;
    uint64_t serial;
    ToolkitEvent event;
};

uint64_t nextReceiverSerial() {
    static uint64_t serial = 0;
    return ++serial;
}

} // namespace

EventReceiver::EventReceiver() : serial_(nextReceiverSerial()) {
    eventLoop().registerReceiver(this);
}

EventReceiver::~EventReceiver() {
    eventLoop().unregisterReceiver(this);
}

void EventReceiver::onEvent(const ToolkitEvent& event) {
    if (event.action) {
        event.action();
    }
}

EventLoop& eventLoop() {
    static EventLoop loop;
    return loop;
}

void EventLoop::endFrame(size_t depth, int code) {
    if (depth == 0 || depth > frames_.size()) {
        return;
    }
    frames_[depth - 1].exit = true;
    frames_[depth - 1].exitCode = code;
    wake();
}

bool EventLoop::post(EventReceiver* receiver, std::function<void()> action,
                     bool blockedWhileModal) {
    ToolkitEvent event;
    event.blockedWhileModal = blockedWhileModal;
    event.action = std::move(action);
    return post(receiver, std::move(event));
}

void EventLoop::registerReceiver(EventReceiver* receiver) {
    receivers_.push_back(receiver);
}

void EventLoop::unregisterReceiver(EventReceiver* receiver) {
    // Receivers usually die in reverse order of birth: search from the back.
    auto found = std::find(receivers_.rbegin(), receivers_.rend(), receiver);
    if (found != receivers_.rend()) {
        receivers_.erase(std::next(found).base());
    }
}

bool EventLoop::isAlive(const EventReceiver* receiver) const {
    return std::find(receivers_.rbegin(), receivers_.rend(), receiver) != receivers_.rend();
}

namespace detail {

intptr_t makePostedEventRecord(EventReceiver* receiver, ToolkitEvent event) {
    const uint64_t serial = receiver ? receiver->receiverSerial() : 0;
    return reinterpret_cast<intptr_t>(new PostedEvent{receiver, serial, std::move(event)});
}

void freePostedEventRecord(intptr_t record) {
    delete reinterpret_cast<PostedEvent*>(record);
}

} // namespace detail

void EventLoop::deliver(intptr_t record) {
    auto* posted = reinterpret_cast<PostedEvent*>(record);
    const bool blocked = modal_ && posted->event.blockedWhileModal;
    if (!posted->receiver) {
        // The loop's own events (the end of a modal phase on POSIX).
        if (!blocked && posted->event.action) {
            posted->event.action();
        }
    } else if (isAlive(posted->receiver) && posted->receiver->receiverSerial() == posted->serial &&
               !blocked) {
        posted->receiver->onEvent(posted->event);
    }
    delete posted;
}

int EventLoop::run() {
    frames_.push_back(Frame{});
    const size_t mine = frames_.size();
    while (!frames_[mine - 1].exit) {
        if (!handleOneMessage(true)) {
            break;
        }
    }
    int code = frames_[mine - 1].exitCode;
    frames_.pop_back();
    return code;
}

void EventLoop::processPendingEvents() {
    while (handleOneMessage(false)) {
    }
}

} // namespace fw
