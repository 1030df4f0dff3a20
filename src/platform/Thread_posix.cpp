#include "platform/Thread.h"

#include <pthread.h>
#include <vector>

namespace fw::os {
namespace {

// Stands in for the monitor window's message queue.
struct Queue {
    std::mutex lock;
    bool created = false;
    std::vector<uint32_t> finished;
};

Queue& queue() {
    static Queue instance;
    return instance;
}

bool createMonitor() {
    std::lock_guard<std::mutex> guard(queue().lock);
    // One monitor per process; a second one stays inert.
    if (queue().created) {
        return false;
    }
    queue().created = true;
    return true;
}

void destroyMonitor() {
    std::lock_guard<std::mutex> guard(queue().lock);
    queue().created = false;
    queue().finished.clear();
}

struct StartRecord {
    void (*entry)(void*);
    void* argument;
};

void* threadProcedure(void* record) {
    StartRecord start = *static_cast<StartRecord*>(record);
    delete static_cast<StartRecord*>(record);
    start.entry(start.argument);
    return nullptr;
}

} // namespace

bool detail::createNativeThread(void (*entry)(void*), void* argument, NativeThread& thread) {
    auto* record = new StartRecord{entry, argument};
    pthread_t created{};
    if (::pthread_create(&created, nullptr, threadProcedure, record) != 0) {
        delete record;
        return false;
    }
    thread = static_cast<NativeThread>(created);
    return true;
}

void detail::joinNativeThread(NativeThread thread) {
    ::pthread_join(static_cast<pthread_t>(thread), nullptr);
}

void detail::detachNativeThread(NativeThread thread) {
    ::pthread_detach(static_cast<pthread_t>(thread));
}

ThreadMonitor::ThreadMonitor() : created_(createMonitor()) {}

ThreadMonitor::~ThreadMonitor() {
    if (created_) {
        destroyMonitor();
    }
}

void ThreadMonitor::dispatchPending() {
    std::vector<uint32_t> pending;
    {
        std::lock_guard<std::mutex> guard(queue().lock);
        pending.swap(queue().finished);
    }
    for (uint32_t serial : pending) {
        detail::deliverThreadFinished(serial);
    }
}

void detail::announceThread(bool finished, uint32_t serial) {
    std::lock_guard<std::mutex> guard(queue().lock);
    if (queue().created && finished) {
        queue().finished.push_back(serial);
    }
}

} // namespace fw::os
