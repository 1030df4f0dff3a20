#include "stats/StatsServerProcess.h"

#include "platform/Files.h"
#include "platform/Time.h"

#include <cstdlib>

namespace fw::test {

StatsServerProcess::StatsServerProcess() {
    static int counter = 0;
    folder_ = std::string(FW_BINARY_DIR) + "/stats-e2e-" + std::to_string(os::tickCount()) + "-" +
              std::to_string(++counter);
    const std::string portFile = folder_ + "/port";
    if (!launch(portFile, folder_ + "/record.jsonl")) {
        return;
    }
    for (int i = 0; i < 1000 && port_ == 0; ++i) {
        std::string text = readTextFile(portFile);
        if (!text.empty() && text.back() == '\n') {
            port_ = static_cast<uint16_t>(std::strtoul(text.c_str(), nullptr, 10));
        } else {
            os::sleepMs(10);
        }
    }
}

StatsServerProcess::~StatsServerProcess() {
    stop();
}

std::string StatsServerProcess::record() const {
    return readTextFile(folder_ + "/record.jsonl");
}

} // namespace fw::test
