#include "platform/Socket.h"
#include "platform/Thread.h"

#include <memory>

namespace fw::os {
namespace {

// One lookup, shared by the thread that runs it and the caller that waits for
// it: whichever lets go last frees it, so a caller may stop waiting at any time.
struct Lookup {
    std::string host;
    // Set once the results below are written; they are read only after it.
    Event done;
    bool found = false;
    uint32_t address = 0;
    int32_t error = 0;
};

void runLookup(void* argument) {
    const std::unique_ptr<std::shared_ptr<Lookup>> owner(
        static_cast<std::shared_ptr<Lookup>*>(argument));
    Lookup& lookup = **owner;
    // Its own hold on the socket library, which the caller may release meanwhile.
    const bool started = startSockets();
    uint32_t address = 0;
    const bool found = started && resolveIpv4(lookup.host, address);
    const int32_t error = found ? 0 : lastSocketError();
    if (started) {
        cleanupSockets();
    }
    lookup.found = found;
    lookup.address = address;
    lookup.error = error;
    lookup.done.set();
}

} // namespace

bool resolveIpv4Within(const std::string& host, uint32_t milliseconds, uint32_t& address) {
    auto lookup = std::make_shared<Lookup>();
    lookup->host = host;
    auto* argument = new std::shared_ptr<Lookup>(lookup);
    detail::NativeThread thread = 0;
    if (!detail::createNativeThread(runLookup, argument, thread)) {
        delete argument;
        return false;
    }
    detail::detachNativeThread(thread);
    if (!lookup->done.waitFor(milliseconds)) {
        setLastSocketError(socketTimeoutError());
        return false;
    }
    if (!lookup->found) {
        setLastSocketError(lookup->error);
        return false;
    }
    address = lookup->address;
    return true;
}

} // namespace fw::os
