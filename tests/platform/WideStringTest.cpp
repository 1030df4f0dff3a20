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

TEST(WideStringTest, SaturatedIntegersKeepToAnyRange) {
    struct Case {
        const char16_t* text;
        int64_t low, high, expected;
    };
    const Case cases[] = {
        {u"9", 0, 5, 5}, // a bound within one digit of zero
        {u"-9", -5, 0, -5},
        {u"", 3, 7, 3}, // no digits: 0, limited like any other value
        {u"abc", -5, -1, -1},
        {u" \u3000+12x", 0, 100, 12},
        {u"-0", -1, 1, 0},
        {u"99999999999", INT32_MIN, INT32_MAX, INT32_MAX},
        {u"-9223372036854775808", INT64_MIN, INT64_MAX, INT64_MIN},
        {u"99999999999999999999", INT64_MIN, INT64_MAX, INT64_MAX},
        {u"-99999999999999999999", INT64_MIN, 0, INT64_MIN},
        {u"-99999999999999999999", -3, 4, -3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parseSaturatedInteger(c.text, c.low, c.high), c.expected)
            << toUtf8(c.text) << " in " << c.low << ".." << c.high;
    }
}

} // namespace
} // namespace fw
