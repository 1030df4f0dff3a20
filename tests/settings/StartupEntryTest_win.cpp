#include "platform/Registry.h"
#include "platform/Win32.h"
#include "settings/StartupEntry.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

TEST(StartupEntryTest, WrittenDetectedAndRemovedForThisCopyOnly) {
    // A name of this test process's own, so that nothing else's entry is touched.
    const WideString name = u"FramewingTest" + toWide(::GetCurrentProcessId());
    const WideString exe = u"C:\\Program Files\\Framewing\\Framewing.exe";
    SetStartupEntry(name, exe, true);
    WideString data;
    ASSERT_TRUE(os::readUserRegistryString(kStartupRunKey, name, data));
    EXPECT_EQ(data, u"\"C:\\Program Files\\Framewing\\Framewing.exe\" -autorun");
    EXPECT_TRUE(IsStartupEntryPresent(name, exe));
    EXPECT_FALSE(IsStartupEntryPresent(name, u"D:\\Other\\Framewing.exe"));
    EXPECT_FALSE(IsStartupEntryPresent(name, u"C:\\PROGRAM FILES\\FRAMEWING\\FRAMEWING.EXE"));

    SetStartupEntry(name, u"", false);
    EXPECT_TRUE(IsStartupEntryPresent(name, exe));
    SetStartupEntry(name, exe, false);
    EXPECT_FALSE(IsStartupEntryPresent(name, exe));
    EXPECT_FALSE(os::readUserRegistryString(kStartupRunKey, name, data));
    SetStartupEntry(name, exe, false);
    EXPECT_FALSE(IsStartupEntryPresent(u"", exe));
}

} // namespace
} // namespace fw
