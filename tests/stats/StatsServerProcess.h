#pragma once
// tools/stats-server as a child process on 127.0.0.1, on a free port, with its
// record file in the build folder. It ends with this object or after a minute.
#include <cstdint>
#include <string>

namespace fw::test {

class StatsServerProcess {
public:
    StatsServerProcess();
    ~StatsServerProcess();
    StatsServerProcess(const StatsServerProcess&) = delete;
    StatsServerProcess& operator=(const StatsServerProcess&) = delete;

    // 0 when the server did not come up within ten seconds.
    uint16_t port() const { return port_; }
    // What the server recorded so far (one JSON line per accepted report).
    std::string record() const;

private:
    bool launch(const std::string& portFile, const std::string& recordFile);
    void stop();

    std::string folder_;
    uint16_t port_ = 0;
    intptr_t process_ = 0;
};

// The folder's files through the test process's own file system view.
std::string readTextFile(const std::string& unixPath);

} // namespace fw::test
