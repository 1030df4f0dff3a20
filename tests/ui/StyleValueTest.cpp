#include "ui/StyleValue.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

TEST(StyleValueTest, ColoursFromTheirTextForms) {
    struct Case {
        const char16_t* text;
        Color expected;
    };
    const Case cases[] = {
        {u"54,54,54", 0xFF363636},  {u" 54 , 54 ,54 ", 0xFF363636}, {u"128,255,0,0", 0x80FF0000},
        {u"300,-5,20", 0xFFFF0014}, {u"transparent", 0x00FFFFFF},   {u"red", 0x00FFFFFF},
        {u"1;2;3", 0x00FFFFFF},     {u"1,2", 0x00FFFFFF},           {u"1,2,3,4,5", 0x00FFFFFF},
        {u"16777215", 0x00FFFFFF},  {u"4278190335", 0xFF0000FF},    {u"", 0x00FFFFFF},
        {u"-1", 0x00FFFFFF},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(parseStyleColor(cases[i].text), cases[i].expected) << "case " << i;
    }
}

TEST(StyleValueTest, NumbersPointsSizesAndRectangles) {
    EXPECT_EQ(parseStyleInteger(u"  42px"), 42);
    EXPECT_EQ(parseStyleInteger(u"-7"), -7);
    EXPECT_EQ(parseStyleInteger(u"x"), 0);
    EXPECT_EQ(parseStyleInteger(u""), 0);
    EXPECT_FLOAT_EQ(parseStyleFloat(u"9.5"), 9.5f);
    EXPECT_FLOAT_EQ(parseStyleFloat(u" -1.25e1 "), -12.5f);
    EXPECT_FLOAT_EQ(parseStyleFloat(u"abc"), 0.0f);

    EXPECT_EQ(parseStyleSize(u"120,150"), (Size{120, 150}));
    EXPECT_EQ(parseStyleSize(u" 120 , 150 "), (Size{120, 150}));
    EXPECT_EQ(parseStyleSize(u"120"), (Size{}));
    EXPECT_EQ(parseStyleSize(u"1,2,3"), (Size{}));
    EXPECT_EQ(parseStylePoint(u",5"), (Point{0, 5}));

    EXPECT_EQ(parseStyleRectangle(u"2,4,6,8"), (Margins{2, 4, 6, 8}));
    EXPECT_EQ(parseStyleRectangle(u"3"), (Margins{3, 3, 3, 3}));
    EXPECT_EQ(parseStyleRectangle(u"1,2"), (Margins{1, 1, 1, 1}));
    EXPECT_EQ(parseStyleRectangle(u""), (Margins{}));
}

TEST(StyleValueTest, BackgroundsAreSolidOrGradients) {
    Paint one = parseStyleBackground(u"54,54,54");
    EXPECT_EQ(one.kind, PaintKind::Solid);
    EXPECT_EQ(one.color, 0xFF363636u);
    EXPECT_FLOAT_EQ(one.opacity, 1.0f);

    Paint trailing = parseStyleBackground(u"10,20,30|");
    EXPECT_EQ(trailing.kind, PaintKind::Solid);
    EXPECT_EQ(trailing.color, 0xFF0A141Eu);

    Paint two = parseStyleBackground(u"0,0,0|255,255,255");
    ASSERT_EQ(two.kind, PaintKind::Gradient);
    EXPECT_EQ(two.gradient, (std::vector<Color>{0xFF000000, 0xFFFFFFFF}));

    EXPECT_FALSE(parseStyleBackground(u"transparent").isVisible());
    EXPECT_TRUE(parseStylePaint(u"1,2,3").isVisible());
}

TEST(StyleValueTest, FontsStartFromTheDefault) {
    const FontSpec base = defaultFont();
    EXPECT_FLOAT_EQ(base.size, 12.0f);
    EXPECT_EQ(base.flags, 0u);
    EXPECT_EQ(parseStyleFont(u"default"), base);
    EXPECT_EQ(parseStyleFont(u"Tahoma"), base);
    EXPECT_EQ(parseStyleFont(u"Tahoma,10"), base);

    FontSpec sized = parseStyleFont(u"Tahoma,10,");
    EXPECT_EQ(sized.face, u"Tahoma");
    EXPECT_FLOAT_EQ(sized.size, 10.0f);
    EXPECT_EQ(sized.flags, 0u);

    FontSpec bold = parseStyleFont(u"default,,bold");
    EXPECT_EQ(bold.face, base.face);
    EXPECT_FLOAT_EQ(bold.size, 12.0f);
    EXPECT_EQ(bold.flags, uint32_t(FontBold));

    EXPECT_EQ(parseStyleFont(u"default,,Bold").flags, 0u);
    EXPECT_EQ(parseStyleFont(u"default,,underline bold").flags, uint32_t(FontBold | FontUnderline));
    EXPECT_FLOAT_EQ(parseStyleFont(u"default,9.5,").size, 9.5f);
}

TEST(StyleValueTest, DefaultFaceAndPixelHeight) {
    EXPECT_EQ(defaultFontFace(6, false), u"segoe ui");
    EXPECT_EQ(defaultFontFace(10, false), u"segoe ui");
    EXPECT_EQ(defaultFontFace(5, true), u"segoe ui");
    EXPECT_EQ(defaultFontFace(5, false), u"microsoft sans serif");

    FontSpec font;
    font.size = 12.0f;
    EXPECT_EQ(fontPixelHeight(font, 96), 16);
    EXPECT_EQ(fontPixelHeight(font, 144), 24);
    font.size = 9.5f;
    EXPECT_EQ(fontPixelHeight(font, 96), 13); // 12.67 rounds up
    font.size = 0.375f;                       // exactly half a pixel: away from zero on both sides
    EXPECT_EQ(fontPixelHeight(font, 96), 1);
    font.size = -0.375f;
    EXPECT_EQ(fontPixelHeight(font, 96), -1);
}

} // namespace
} // namespace fw
