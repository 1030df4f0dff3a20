#include "ui/EventLoop.h"

namespace fw {

namespace detail {
intptr_t makePostedEventRecord(EventReceiver* receiver, ToolkitEvent event);
void freePostedEventRecord(intptr_t record);
} // namespace detail

// Without a message queue, posted events wait in a list; a frame returns once
// nothing is left to deliver.

EventLoop::EventLoop() = default;

EventLoop::~EventLoop() {
    for (intptr_t record : queued_) {
        detail::freePostedEventRecord(record);
    }
}

void* EventLoop::messageWindow() {
    return nullptr;
}

void EventLoop::wake() {}

void EventLoop::quit() {
    for (Frame& frame : frames_) {
        frame.exit = true;
        frame.exitCode = 0;
    }
}

bool EventLoop::post(EventReceiver* receiver, ToolkitEvent event) {
    queued_.push_back(detail::makePostedEventRecord(receiver, std::move(event)));
    return true;
}

void EventLoop::postModalEnd() {
    ToolkitEvent end;
    end.action = [this] { modal_ = false; };
    post(nullptr, std::move(end));
}

bool EventLoop::handleOneMessage(bool) {
    if (queued_.empty()) {
        return false;
    }
    intptr_t record = queued_.front();
    queued_.erase(queued_.begin());
    deliver(record);
    return true;
}

} // namespace fw
