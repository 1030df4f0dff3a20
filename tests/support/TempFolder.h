#pragma once
// A fresh folder under the test temp directory, removed with its contents. Its
// name includes the running test's, so that tests run in parallel processes
// never share a folder.
#include "platform/WideString.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace fw {

class TempFolder {
public:
    explicit TempFolder(const std::string& name) : native_(testing::TempDir() + uniqueName(name)) {
        std::filesystem::remove_all(native_);
        std::filesystem::create_directories(native_);
    }
    ~TempFolder() { std::filesystem::remove_all(native_); }

    // The folder in the program's "\"-separated form.
    WideString path() const { return replaceAll(fromUtf8(native_), u"/", u"\\"); }

private:
    static std::string uniqueName(const std::string& name) {
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        std::string unique = "fw_" + name;
        if (test) {
            unique += std::string("_") + test->test_suite_name() + "_" + test->name();
        }
        return unique;
    }

    std::string native_;
};

} // namespace fw
