// Code-page conversion and character classes, natively and through the system
// under Windows.
#include "platform/Locale.h"
#include "platform/Text.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

TEST(TextAndLocaleTest, AnsiConversionRoundTripsWhatTheCodePageHolds) {
    for (const WideString& text :
         {WideString(u"Caf\u00e9 100%"), WideString(u"a\0b", 3), WideString()}) {
        const std::string ansi = os::toAnsi(text);
        EXPECT_EQ(os::fromAnsi(ansi), text) << toUtf8(text);
    }
    EXPECT_EQ(os::toAnsi(u"plain ASCII"), "plain ASCII");
    // A character outside the code page becomes a stand-in, never nothing.
    const WideString foreign = os::fromAnsi(os::toAnsi(u"\u4e2d"));
    EXPECT_TRUE(foreign == u"\u4e2d" || foreign == u"?") << toUtf8(foreign);
}

TEST(TextAndLocaleTest, LettersAndDigitsOfEveryScript) {
    for (char16_t letter : {u'a', u'Z', u'7', u'\u00e9', u'\u0416', u'\u05d0', u'\u4e2d'}) {
        EXPECT_TRUE(os::isLetterOrDigit(letter)) << int(letter);
    }
    for (char16_t other : {u' ', u'-', u'!', u'\\', u'\u2014', u'\u00d7', u'\u3000'}) {
        EXPECT_FALSE(os::isLetterOrDigit(other)) << int(other);
    }
}

TEST(TextAndLocaleTest, ClockDesignatorsAreLowerCase) {
    const os::ClockFormat format = os::userClockFormat();
    if (format.twelveHour) {
        EXPECT_FALSE(format.morning.empty());
        EXPECT_NE(format.morning, format.evening);
    }
    for (const WideString& designator : {format.morning, format.evening}) {
        EXPECT_EQ(designator, toLowerCase(designator)) << toUtf8(designator);
    }
}

} // namespace
} // namespace fw
