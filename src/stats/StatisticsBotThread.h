#pragma once
// The worker that sends one usage report and records whether it was accepted.
#include "platform/Thread.h"
#include "stats/StatisticsReport.h"

#include <functional>

namespace fw {

// Where reports go. The host is the only place the program names its server;
// ".example" is reserved, so nothing leaves the machine until a release build
// sets the real name here.
constexpr char16_t kStatisticsHost[] = u"stats.framewing.example";
constexpr char16_t kStatisticsPath[] = u"/service-statistics";
constexpr uint32_t kStatisticsPort = 80;

// What the schedule needs of a sender; tests substitute their own.
class ReportSender {
public:
    virtual ~ReportSender() = default;
    virtual void setTarget(WideString userAgent, WideString host, WideString path) = 0;
    virtual void addItem(WideString name, WideString value) = 0;
    virtual void clearItems() = 0;
    // False, doing nothing, without a complete target, without items or while running.
    virtual bool start() = 0;
    virtual bool isRunning() const = 0;
    // 1 once a report was accepted, else 0.
    virtual int32_t result() const = 0;
    // Runs on the user-interface thread after each send.
    virtual void setFinishedHandler(std::function<void()> handler) = 0;
};

class StatisticsBotThread : public os::Thread, public ReportSender {
public:
    StatisticsBotThread();
    ~StatisticsBotThread() override;

    void setTarget(WideString userAgent, WideString host, WideString path) override;
    // Port 80 unless a test points the sender at a loopback server.
    void setPort(uint32_t port) { port_ = port; }
    void addItem(WideString name, WideString value) override;
    void clearItems() override { items_.clear(); }
    bool start() override;
    bool isRunning() const override { return os::Thread::isRunning(); }
    int32_t result() const override;
    void setFinishedHandler(std::function<void()> handler) override {
        os::Thread::setFinishedHandler(std::move(handler));
    }

protected:
    void run() override;

private:
    bool send() const;

    WideString userAgent_;
    WideString host_;
    WideString path_;
    uint32_t port_ = kStatisticsPort;
    ReportItems items_;
    mutable os::Mutex lock_;
    int32_t result_ = 0;
};

} // namespace fw
