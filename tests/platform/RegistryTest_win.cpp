#include "platform/Registry.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

TEST(RegistryTest, ValuesComeAndGoUnderTheCurrentUser) {
    const WideString key = u"Software\\Framewing tests\\registry";
    EXPECT_FALSE(os::hasUserRegistryValue(key, u"value"));
    EXPECT_FALSE(os::deleteUserRegistryValue(key, u"value"));
    ASSERT_TRUE(os::writeUserRegistryString(key, u"value", u"\u00e9t\u00e9"));
    EXPECT_TRUE(os::hasUserRegistryValue(key, u"value"));
    EXPECT_FALSE(os::hasUserRegistryValue(key, u"other"));
    ASSERT_TRUE(os::writeUserRegistryString(key, u"empty", u""));
    EXPECT_TRUE(os::hasUserRegistryValue(key, u"empty"));
    for (const char16_t* name : {u"value", u"empty"}) {
        EXPECT_TRUE(os::deleteUserRegistryValue(key, name));
        EXPECT_FALSE(os::hasUserRegistryValue(key, name));
    }
}

} // namespace
} // namespace fw
