#include "app/AppHost.h"

namespace fw {

void AppHost::copyAboutNames() {
    if (aboutName_.empty()) {
        aboutName_ = strings_.displayName;
    }
    if (aboutName2_.empty()) {
        aboutName2_ = strings_.displayName2;
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
