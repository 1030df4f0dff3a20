#include "settings/SettingValue.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

SettingValue text(const char16_t* value) {
    return SettingValue::text(value);
}

TEST(SettingValueTest, BooleansFromEveryKind) {
    EXPECT_TRUE(text(u"1").toBool());
    EXPECT_FALSE(text(u"0").toBool());
    EXPECT_FALSE(text(u"FALSE").toBool());
    EXPECT_FALSE(text(u"False").toBool());
    EXPECT_FALSE(text(u"").toBool());
    EXPECT_TRUE(text(u"no").toBool());
    EXPECT_TRUE(SettingValue::float32(0.25f).toBool());
    EXPECT_TRUE(SettingValue::uint64(1ull << 40).toBool());
    EXPECT_FALSE(SettingValue().toBool());
}

TEST(SettingValueTest, IntegersFromTextAndWiderKinds) {
    EXPECT_EQ(text(u" 42abc").toInt32(), 42);
    EXPECT_EQ(text(u"\t-17").toInt32(), -17);
    EXPECT_EQ(text(u"+5").toInt32(), 5);
    EXPECT_EQ(text(u"").toInt32(), 0);
    EXPECT_EQ(text(u"x1").toInt32(), 0);
    EXPECT_EQ(text(u"99999999999").toInt32(), INT32_MAX);
    EXPECT_EQ(text(u"-99999999999").toInt32(), INT32_MIN);
    EXPECT_EQ(text(u"-9223372036854775808").toInt64(), INT64_MIN);
    EXPECT_EQ(text(u"9223372036854775808").toInt64(), INT64_MAX);
    EXPECT_EQ(SettingValue::int64(0x100000005ll).toInt32(), 5);
    EXPECT_EQ(SettingValue::uint32(0xFFFFFFFFu).toInt32(), -1);
    EXPECT_EQ(SettingValue::uint32(0xFFFFFFFFu).toInt64(), 0xFFFFFFFFll);
    EXPECT_EQ(SettingValue::int32(-1).toInt64(), -1);
    EXPECT_EQ(SettingValue::float64(-2.9).toInt32(), -2);
    EXPECT_EQ(SettingValue::float64(1e300).toInt32(), INT32_MAX);
    EXPECT_EQ(SettingValue::boolean(true).toInt64(), 1);
}

TEST(SettingValueTest, TextOfEveryKind) {
    EXPECT_EQ(SettingValue::boolean(true).toText(), u"1");
    EXPECT_EQ(SettingValue::int32(INT32_MIN).toText(), u"-2147483648");
    EXPECT_EQ(SettingValue::uint32(4000000000u).toText(), u"4000000000");
    EXPECT_EQ(SettingValue::int64(INT64_MIN).toText(), u"-9223372036854775808");
    EXPECT_EQ(SettingValue::uint64(UINT64_MAX).toText(), u"18446744073709551615");
    EXPECT_EQ(SettingValue::float32(0.1f).toText(), u"0.100000001");
    EXPECT_EQ(SettingValue::float64(1.5).toText(), u"1.5");
    EXPECT_EQ(text(u"path").toText(), u"path");
    EXPECT_EQ(SettingValue().toText(), u"");
}

} // namespace
} // namespace fw
