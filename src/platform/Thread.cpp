#include "platform/Thread.h"

#include <map>

namespace fw::os {
namespace {

// Finished handlers of live thread objects by serial number, so that an
// announcement arriving after its object was destroyed finds nothing instead
// of a dangling pointer.
struct Registry {
    Mutex lock;
    std::map<uint32_t, std::function<void()>> handlers;
    uint32_t nextSerial = 1;
};

Registry& registry() {
    static Registry instance;
    return instance;
}

} // namespace

Thread::Thread(WideString name) : name_(std::move(name)) {
    Registry& r = registry();
    MutexLock guard(r.lock);
    serial_ = r.nextSerial++;
}

Thread::~Thread() {
    wait();
    Registry& r = registry();
    MutexLock guard(r.lock);
    r.handlers.erase(serial_);
}

void Thread::setFinishedHandler(std::function<void()> handler) {
    Registry& r = registry();
    MutexLock guard(r.lock);
    r.handlers[serial_] = std::move(handler);
}

bool Thread::start() {
    if (running_) {
        return false;
    }
    // The previous run has returned; reap its thread before starting anew.
    wait();
    startSignal_.reset();
    running_ = true;
    if (!detail::createNativeThread(&Thread::entry, this, native_)) {
        running_ = false;
        return false;
    }
    joinable_ = true;
    startSignal_.set();
    return true;
}

void Thread::wait() {
    if (joinable_) {
        detail::joinNativeThread(native_);
        joinable_ = false;
    }
}

void Thread::entry(void* self) {
    static_cast<Thread*>(self)->threadMain();
}

void Thread::threadMain() {
    startSignal_.waitFor(kStartSignalTimeoutMs);
    const uint32_t serial = serial_;
    detail::announceThread(false, serial);
    run();
    running_ = false;
    detail::announceThread(true, serial);
}

void detail::deliverThreadFinished(uint32_t serial) {
    std::function<void()> handler;
    {
        Registry& r = registry();
        MutexLock guard(r.lock);
        auto found = r.handlers.find(serial);
        if (found == r.handlers.end()) {
            return;
        }
        handler = found->second;
    }
    if (handler) {
        handler();
    }
}

} // namespace fw::os
