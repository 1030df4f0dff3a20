#include "stats/StatisticsBotThread.h"

namespace fw {
namespace {

constexpr int32_t kTimeoutSeconds = 20;
constexpr int32_t kLargestReply = 0x100000;

} // namespace

StatisticsBotThread::StatisticsBotThread() : os::Thread(u"StatisticsBotThread") {}

StatisticsBotThread::~StatisticsBotThread() {
    // The body reads the members below; it must end before they are destroyed.
    wait();
}

void StatisticsBotThread::setTarget(WideString userAgent, WideString host, WideString path) {
    userAgent_ = std::move(userAgent);
    host_ = std::move(host);
    path_ = std::move(path);
}

void StatisticsBotThread::addItem(WideString name, WideString value) {
    items_.emplace_back(std::move(name), std::move(value));
}

bool StatisticsBotThread::start() {
    if (userAgent_.empty() || host_.empty() || path_.empty() || items_.empty() || isRunning()) {
        return false;
    }
    {
        os::MutexLock guard(lock_);
        result_ = 0;
    }
    return os::Thread::start();
}

int32_t StatisticsBotThread::result() const {
    os::MutexLock guard(lock_);
    return result_;
}

void StatisticsBotThread::run() {
    bool accepted = send();
    os::MutexLock guard(lock_);
    result_ = accepted ? 1 : 0;
}

// Only the report leaves the machine: no cookie, no address, no identifier;
// the user agent names the program and its version.
bool StatisticsBotThread::send() const {
    HttpClient client;
    HttpRequest& request = client.request();
    request.setMethod(HttpMethod::Post);
    request.setHost(host_);
    request.setPath(path_);
    request.setPort(port_);
    request.setSendTimeout(kTimeoutSeconds);
    request.addParameter(u"q", encodeReport(buildReportDocument(items_)));
    request.addHeaderLine(u"User-Agent: " + userAgent_);
    request.addHeaderLine(u"Host: " + host_);
    request.addHeaderLine(u"Content-Type: application/x-www-form-urlencoded");
    request.addHeaderLine(u"Content-Length: " + toWide(request.bodyLength()));
    request.addHeaderLine(u"Connection: close");
    client.setReceiveTimeout(kTimeoutSeconds);
    client.setStorageMode(0);
    client.setResultBufferSize(kLargestReply);
    return client.execute() && isAcceptedReply(client.statusClass(), client.body());
}

} // namespace fw
