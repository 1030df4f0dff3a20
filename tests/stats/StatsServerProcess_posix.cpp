#include "stats/StatsServerProcess.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

extern char** environ;

namespace fw::test {

std::string readTextFile(const std::string& unixPath) {
    std::ifstream in(unixPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool StatsServerProcess::launch(const std::string& portFile, const std::string& recordFile) {
    ::mkdir(folder_.c_str(), 0700);
    std::string script = std::string(FW_SOURCE_DIR) + "/tools/stats-server";
    const char* argv[] = {"/usr/bin/python3",
                          script.c_str(),
                          "--port-file",
                          portFile.c_str(),
                          "--record",
                          recordFile.c_str(),
                          "--max-requests",
                          "1",
                          "--lifetime",
                          "60",
                          nullptr};
    pid_t pid = 0;
    if (::posix_spawn(&pid, argv[0], nullptr, nullptr, const_cast<char**>(argv), environ) != 0) {
        return false;
    }
    process_ = pid;
    return true;
}

void StatsServerProcess::stop() {
    if (process_ > 0) {
        ::kill(static_cast<pid_t>(process_), SIGTERM);
        ::waitpid(static_cast<pid_t>(process_), nullptr, 0);
        process_ = 0;
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

} // namespace fw::test
