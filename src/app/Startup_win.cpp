#include "app/AppHost.h"
#include "app/Application.h"
#include "app/Startup.h"
#include "platform/Thread.h"
#include "resources/DataPack.h"
#include "resources/StyleResources.h"

namespace fw {

int runFramewing() {
    ProductStrings strings{u"Vornhal Software", u"Framewing", u"Framewing Screenshot Tool",
                           u"Framewing"};
    AppHost host(strings);
    if (!AppHost::isSupportedWindows()) {
        return -1;
    }
    if (host.isAnotherInstanceRunning()) {
        host.signalRunningInstance();
        return -1;
    }
    host.copyAboutNames();
    if (!mountDataPack(u"data") || !loadStyleResources(u"default")) {
        return -1;
    }
    // Worker threads announce their start and end to this window.
    os::ThreadMonitor threadMonitor;
    int exitCode = 0;
    {
        Application application(host);
        application.start();
        exitCode = host.run();
    }
    return exitCode;
}

} // namespace fw
