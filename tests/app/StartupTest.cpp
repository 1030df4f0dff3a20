#include "app/Startup.h"
#include "platform/Files.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

TEST(StartupTest, VersionTestAcceptsXpAndLaterOnly) {
    struct Case {
        uint32_t major, minor;
        bool supported;
    } cases[] = {{0, 0, false}, {4, 90, false}, {5, 0, false}, {5, 1, true},
                 {5, 2, true},  {6, 0, true},   {10, 0, true}};
    for (const Case& c : cases) {
        EXPECT_EQ(isSupportedVersion(c.major, c.minor), c.supported) << c.major << "." << c.minor;
    }
}

TEST(StartupTest, AutorunSwitchAnywhereButCaseSensitiveAndDelayWithinBounds) {
    EXPECT_TRUE(hasAutorunSwitch(u"\"C:\\Framewing.exe\" -autorun"));
    EXPECT_TRUE(hasAutorunSwitch(u"x.exe --x-autorunning"));
    EXPECT_FALSE(hasAutorunSwitch(u"x.exe -AUTORUN"));
    EXPECT_EQ(deferredStartupDelay(0), 128);
    EXPECT_EQ(deferredStartupDelay(32767), 256);
}

TEST(StartupTest, StyleFileBesideTheExecutableWinsOverTheStylesFolder) {
    TempFolder temp("style");
    WideString folder = temp.path();
    ASSERT_TRUE(os::createFolder(joinPath(folder, u"styles")));
    WideString inStyles = joinPath(folder, u"styles\\default.style");
    WideString beside = joinPath(folder, u"default.style");
    os::deleteFile(beside);
    EXPECT_EQ(findStyleFile(u"default", folder), u"");
    const char pack[20] = {'F', 'A'};
    ASSERT_TRUE(os::writeFile(inStyles, pack, sizeof(pack)));
    EXPECT_EQ(findStyleFile(u"default", folder), inStyles);
    EXPECT_TRUE(loadStartupStyle(u"default", folder));
    ASSERT_TRUE(os::writeFile(beside, "FB", 2));
    EXPECT_EQ(findStyleFile(u"default", folder), beside);
    EXPECT_FALSE(loadStartupStyle(u"default", folder)); // damaged style refuses start-up
    EXPECT_EQ(findStyleFile(inStyles, u"elsewhere"), inStyles);
    os::deleteFile(beside);
    os::deleteFile(inStyles);
}

} // namespace
} // namespace fw
