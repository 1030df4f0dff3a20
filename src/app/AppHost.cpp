#include "app/AppHost.h"

#include <algorithm>

namespace fw {

void AppHost::copyAboutNames() {
    if (aboutName_.empty()) {
        aboutName_ = strings_.displayName;
    }
    if (aboutName2_.empty()) {
        aboutName2_ = strings_.displayName2;
    }
}

void AppHost::registerReceiver(EventReceiver* receiver) {
    receivers_.push_back(receiver);
}

void AppHost::unregisterReceiver(EventReceiver* receiver) {
    receivers_.erase(std::remove(receivers_.begin(), receivers_.end(), receiver), receivers_.end());
}

namespace {
struct PostedEvent {
    EventReceiver* receiver;
    ToolkitEvent event;
};
} // namespace

void AppHost::deliverPostedEvent(intptr_t record) {
    auto* posted = reinterpret_cast<PostedEvent*>(record);
    bool alive =
        std::find(receivers_.begin(), receivers_.end(), posted->receiver) != receivers_.end();
    if (alive && !(modal_ && posted->event.blockedWhileModal)) {
        posted->receiver->onEvent(posted->event);
    }
    delete posted;
}

void detail::freePostedEventRecord(intptr_t record) {
    delete reinterpret_cast<PostedEvent*>(record);
}

intptr_t detail::makePostedEventRecord(EventReceiver* receiver, const ToolkitEvent& event) {
    return reinterpret_cast<intptr_t>(new PostedEvent{receiver, event});
}

EventReceiver::EventReceiver() {
    if (AppHost* host = appHost()) {
        host->registerReceiver(this);
    }
}

EventReceiver::~EventReceiver() {
    if (AppHost* host = appHost()) {
        host->unregisterReceiver(this);
    }
}

} // namespace fw

namespace fw {

namespace {
AppHost* publishedHost = nullptr;
} // namespace

AppHost* appHost() {
    return publishedHost;
}

void detail::publishAppHost(AppHost* host) {
    publishedHost = host;
}

} // namespace fw
