#include "platform/WideString.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

TEST(WideStringTest, Utf8RoundTripsEveryPlaneAndRejectsBrokenInput) {
    WideString text = u"A\u00e9\u0416\u20ac\U0001F600z";
    EXPECT_EQ(fromUtf8(toUtf8(text)), text);
    EXPECT_EQ(toUtf8(text), "A\xC3\xA9\xD0\x96\xE2\x82\xAC\xF0\x9F\x98\x80z");
    // Overlong, truncated and surrogate encodings each become one replacement character.
    EXPECT_EQ(fromUtf8("\xC0\xAF"), WideString(u"\uFFFD\uFFFD"));
    EXPECT_EQ(fromUtf8("a\xE2\x82"), WideString(u"a\uFFFD\uFFFD"));
    EXPECT_EQ(fromUtf8("\xED\xA0\x80"), WideString(u"\uFFFD\uFFFD\uFFFD"));
    EXPECT_EQ(toUtf8(WideString(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(WideStringTest, SharedOperations) {
    EXPECT_EQ(trim(u" \t a b \r\n"), u"a b");
    EXPECT_EQ(split(u"a,,b,", u',', true), (std::vector<WideString>{u"a", u"", u"b", u""}));
    EXPECT_EQ(split(u"a,,b,", u',', false), (std::vector<WideString>{u"a", u"b"}));
    EXPECT_EQ(replaceAll(u"aaa", u"aa", u"b"), u"ba");
    EXPECT_EQ(replaceAll(u"[Counter]-[COUNTER]", u"[counter]", u"7", true), u"7-7");
    EXPECT_EQ(upperFirst(u"\u0436\u0443\u043a"), u"\u0416\u0443\u043a");
    EXPECT_EQ(toWide(INT64_MIN), u"-9223372036854775808");
    EXPECT_EQ(toWide(0), u"0");
    EXPECT_EQ(toWidePadded(-5, 2), u"-05");
    EXPECT_EQ(toWidePadded(7, 3), u"007");
    EXPECT_EQ(toWidePadded(-123, 2), u"-123");
}

} // namespace
} // namespace fw
