#pragma once
// GoogleTest's hook for local configuration. The Windows builds use the
// toolchain's Windows thread model, which has no std::mutex, and GoogleTest's
// Notification is the one class of it that needs one: this one waits on a
// Windows event instead (Notification_win.cpp, compiled into the gtest library).
#ifdef _WIN32
#define GTEST_HAS_NOTIFICATION_ 1

namespace testing::internal {

class Notification {
public:
    Notification();
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;
    ~Notification();

    void Notify();
    void WaitForNotification();

private:
    void* event_;
};

} // namespace testing::internal
#endif
