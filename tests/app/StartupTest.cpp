#include "app/Startup.h"

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

} // namespace
} // namespace fw
