#pragma once
// Worker threads. Each announces its start and its end to the thread monitor,
// a hidden window on the user-interface thread; the end comes back to the owner
// there as a callback, so that no result is ever handled on the worker itself.
#include "platform/WideString.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>

#ifndef _WIN32
#include <condition_variable>
#endif

namespace fw::os {

// A lock for std::lock_guard. On Windows it is a critical section, which every
// version has: std::mutex would need the POSIX threading runtime, whose imports
// Windows XP lacks.
class Mutex {
public:
    Mutex();
    Mutex(const Mutex&) = delete;
    Mutex& operator=(const Mutex&) = delete;
    ~Mutex();

    void lock();
    void unlock();

private:
#ifdef _WIN32
    // Room for a CRITICAL_SECTION (24 bytes on x86, 40 on x86_64) without <windows.h>.
    alignas(void*) unsigned char section_[6 * sizeof(void*)];
#else
    std::mutex mutex_;
#endif
};

using MutexLock = std::lock_guard<Mutex>;

// A manual-reset event: once set, every wait returns at once until reset().
class Event {
public:
    Event();
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;
    ~Event();

    void set();
    void reset();
    // False when the time ran out before the event was set.
    bool waitFor(uint32_t timeoutMs);

private:
#ifdef _WIN32
    void* handle_;
#else
    std::mutex mutex_;
    std::condition_variable changed_;
    bool set_ = false;
#endif
};

// The calling thread's identity, to tell threads apart.
uint64_t currentThreadId();

namespace detail {
using NativeThread = uintptr_t;
// Runs entry(argument) on a new thread (CreateThread / pthread_create).
bool createNativeThread(void (*entry)(void*), void* argument, NativeThread& thread);
// Waits for the thread to end and releases it.
void joinNativeThread(NativeThread thread);
// Releases the thread without waiting: it ends on its own, or with the process.
void detachNativeThread(NativeThread thread);
} // namespace detail

class Thread {
public:
    // How long a new thread waits for its start signal before running its body.
    static constexpr uint32_t kStartSignalTimeoutMs = 10000;

    explicit Thread(WideString name);
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;
    // Waits for a running body, so that a thread never outlives its object.
    // A derived class whose body uses its own members calls wait() in its
    // destructor, before those members go.
    virtual ~Thread();

    // False when the body is still running or no thread could be created.
    bool start();
    // Blocks until the body has returned.
    void wait();
    bool isRunning() const { return running_; }
    const WideString& name() const { return name_; }

    // Called on the user-interface thread once the body has returned; set it
    // before start().
    void setFinishedHandler(std::function<void()> handler);

protected:
    virtual void run() = 0;

private:
    static void entry(void* self);
    void threadMain();

    WideString name_;
    uint32_t serial_;
    std::atomic<bool> running_{false};
    detail::NativeThread native_ = 0;
    bool joinable_ = false;
    Event startSignal_;
};

// The hidden window that receives the announcements (window class
// "2ECC044D-9915-4e0f-B91B-DD7B4F0D0546"). The application creates one on the
// user-interface thread at start-up and keeps it for the run; while none
// exists, announcements are dropped and finished handlers never run.
class ThreadMonitor {
public:
    ThreadMonitor();
    ThreadMonitor(const ThreadMonitor&) = delete;
    ThreadMonitor& operator=(const ThreadMonitor&) = delete;
    ~ThreadMonitor();

    bool created() const { return created_; }
    // Delivers announcements that have arrived. The message loop does this on
    // Windows; the native build has no loop, so its callers do it.
    static void dispatchPending();

private:
    bool created_;
};

namespace detail {
// Posts from the worker: the serial number only, never the object.
void announceThread(bool finished, uint32_t serial);
// On the user-interface thread: runs the handler of the thread with `serial`
// if that thread object still exists.
void deliverThreadFinished(uint32_t serial);
} // namespace detail

} // namespace fw::os
