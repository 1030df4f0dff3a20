#include "platform/Shell.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

// Links hand only web and mail addresses to the shell, which would as gladly
// start a program named by any other text.
TEST(ShellTest, OnlyWebAndMailAddressesAreOpened) {
    for (const char16_t* address :
         {u"https://framewing.example/", u"HTTP://framewing.example", u"ftp://files.example/a",
          u"mailto:support@framewing.example"}) {
        EXPECT_TRUE(os::isWebAddress(address));
    }
    for (const char16_t* address :
         {u"", u"https://", u"C:\\Windows\\System32\\calc.exe", u"calc", u"file:///C:/x.exe",
          u"javascript:alert(1)", u" https://framewing.example", u"\\\\server\\share\\run.bat",
          u"shell:startup"}) {
        EXPECT_FALSE(os::isWebAddress(address));
        EXPECT_FALSE(os::openWebAddress(address));
    }
}

} // namespace
} // namespace fw
