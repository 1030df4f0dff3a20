#include "platform/Thread.h"

#include <chrono>
#include <pthread.h>
#include <vector>

namespace fw::os {
namespace {

// Stands in for the monitor window's message queue.
struct Queue {
    Mutex lock;
    bool created = false;
    std::vector<uint32_t> finished;
};

Queue& queue() {
    static Queue instance;
    return instance;
}

bool createMonitor() {
    MutexLock guard(queue().lock);
    // One monitor per process; a second one stays inert.
    if (queue().created) {
        return false;
    }
    queue().created = true;
    return true;
}

void destroyMonitor() {
    MutexLock guard(queue().lock);
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

Mutex::Mutex() = default;
Mutex::~Mutex() = default;

void Mutex::lock() {
    mutex_.lock();
}

void Mutex::unlock() {
    mutex_.unlock();
}

Event::Event() = default;
Event::~Event() = default;

void Event::set() {
    {
        std::lock_guard<std::mutex> guard(mutex_);
        set_ = true;
    }
    changed_.notify_all();
}

void Event::reset() {
    std::lock_guard<std::mutex> guard(mutex_);
    set_ = false;
}

bool Event::waitFor(uint32_t timeoutMs) {
    std::unique_lock<std::mutex> guard(mutex_);
    return changed_.wait_for(guard, std::chrono::milliseconds(timeoutMs), [this] { return set_; });
}

uint64_t currentThreadId() {
    return static_cast<uint64_t>(::pthread_self());
}

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
        MutexLock guard(queue().lock);
        pending.swap(queue().finished);
    }
    for (uint32_t serial : pending) {
        detail::deliverThreadFinished(serial);
    }
}

void detail::announceThread(bool finished, uint32_t serial) {
    MutexLock guard(queue().lock);
    if (queue().created && finished) {
        queue().finished.push_back(serial);
    }
}

} // namespace fw::os
