#pragma once
// A fresh folder under the test temp directory, removed with its contents.
#include "platform/WideString.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace fw {

class TempFolder {
public:
    explicit TempFolder(const std::string& name)
        : native_(testing::TempDir() + "fw_settings_" + name) {
        std::filesystem::remove_all(native_);
        std::filesystem::create_directories(native_);
    }
    ~TempFolder() { std::filesystem::remove_all(native_); }

    // The folder in the program's "\"-separated form.
    WideString path() const { return replaceAll(fromUtf8(native_), u"/", u"\\"); }

private:
    std::string native_;
};

} // namespace fw
