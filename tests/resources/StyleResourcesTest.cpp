#include "resources/StyleResources.h"

#include "platform/Files.h"
#include "resources/DataPack.h"
#include "resources/TestPack.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace fw {
namespace {

using test::sizeDecoder;
using test::TestPack;
using test::xml;

const char* kSkins = R"(<skins>
    <skin name="Plain" count="3" width="20" height="10" />
    <skin name="Sliced" count="2" width="99" height="99" orientation="v" columns="4,12,4" rows="3,6,3" />
    <skin name="ZeroFirstColumn" count="1" width="16" height="12" columns="0,12,4" rows="3,6,3" />
    <skin name="TooMany" count="1000000000" width="4" height="4" />
    <skin name="Negative" count="1" width="8" height="6" columns="4,-2,6" rows="2,2,2" />
    <skin name="Huge" count="1" width="8" height="6" columns="2147483647,2147483647,2" rows="2,2,2" />
    <skin />
    <skin name="" count="1" width="1" height="1" />
</skins>)";

TestPack styleWith(const std::string& skins, const std::string& metrics) {
    TestPack pack;
    pack.add(u"images", u"DialogHelpButton.png", "16x16")
        .add(u"images", u"Focus.png", "12x12")
        .add(u"xml", u"skins.xml", xml(skins))
        .add(u"xml", u"models.xml",
             xml(R"(<models><model name="Formats"><item name="PNG" data="1" /></model></models>)"))
        .add(u"xml", u"metrics.xml", xml(metrics))
        .add(u"skins", u"Plain.png", "20x30")
        .add(u"skins", u"Sliced.png", "20x24")
        .add(u"skins", u"ZeroFirstColumn.png", "16x12")
        .add(u"skins", u"TooMany.png", "4x8")
        .add(u"skins", u"Negative.png", "8x6")
        .add(u"skins", u"Huge.png", "8x6");
    return pack;
}

const char* kMetrics = R"(<metrics>
    <metric name="SmallIconSize" value="16" />
    <metric name="SmallIconSize" value="99" />
    <metric name="NoSuchMetric" value="5" />
    <metric />
</metrics>)";

bool load(StyleResources& style, const TestPack& source) {
    DataPack pack;
    return pack.openBytes(source.bytes()) && style.loadFrom(pack, sizeDecoder);
}

TEST(StyleResourcesTest, SkinGeometryFollowsSlicesOrFrameSize) {
    StyleResources style(u"memory");
    ASSERT_TRUE(load(style, styleWith(kSkins, kMetrics)));
    EXPECT_EQ(style.skins().size(), 6u); // attribute-less and nameless skins are skipped

    const Skin* plain = style.skin(u"Plain");
    ASSERT_NE(plain, nullptr);
    ASSERT_EQ(plain->frameCount(), 3);
    for (int32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(plain->frame(i)->rect, (Rect{0, 10 * i, 20, 10}));
        for (const Rect& part : plain->frame(i)->parts) {
            EXPECT_EQ(part.width * part.height, 0);
        }
    }

    const Skin* sliced = style.skin(u"Sliced");
    ASSERT_NE(sliced, nullptr);
    EXPECT_EQ(sliced->frameWidth(), 20);
    EXPECT_EQ(sliced->frameHeight(), 12);
    EXPECT_TRUE(sliced->isVertical());
    EXPECT_EQ(sliced->frame(0)->parts[2], (Rect{16, 0, 4, 3}));
    EXPECT_EQ(sliced->frame(1)->parts[2], (Rect{16, 12, 4, 3}));
    EXPECT_EQ(sliced->frame(1)->parts[8], (Rect{4, 15, 12, 6}));
    EXPECT_EQ(skinPartRect(sliced->slices(), 0, 0, 3), Rect{});

    const Skin* unsliced = style.skin(u"ZeroFirstColumn");
    ASSERT_NE(unsliced, nullptr);
    EXPECT_FALSE(unsliced->isSliced());
    EXPECT_EQ(unsliced->slices(), SkinSlices{});
    EXPECT_EQ(unsliced->frameWidth(), 16);

    // A negative slice would mirror parts of the sheet: the skin is drawn unsliced.
    EXPECT_FALSE(style.skin(u"Negative")->isSliced());
    EXPECT_EQ(style.skin(u"Negative")->frameWidth(), 8);
    // So would slices whose sum overflows.
    EXPECT_FALSE(style.skin(u"Huge")->isSliced());
    EXPECT_EQ(style.skin(u"Huge")->frameWidth(), 8);

    // Frames are limited to those the sheet holds.
    EXPECT_EQ(style.skin(u"TooMany")->frameCount(), 2);
    EXPECT_EQ(style.skin(u"TooMany")->frame(2), nullptr);
}

TEST(StyleResourcesTest, MetricsImagesAndModels) {
    StyleResources style(u"memory");
    ASSERT_TRUE(load(style, styleWith(kSkins, kMetrics)));
    EXPECT_EQ(style.metric(MetricId::SmallIconSize), 16); // the first one wins
    EXPECT_EQ(style.metric(MetricId::LargeIconSize), 0);
    EXPECT_EQ(metricIdFromName(u"WindowDesktopPadding"), MetricId::WindowDesktopPadding);
    EXPECT_EQ(metricIdFromName(u"smallIconSize"), MetricId::Unknown);

    EXPECT_EQ(style.standardImage(StandardImage::Focus).width(), 12);
    EXPECT_TRUE(style.standardImage(StandardImage::WarningBig).isEmpty());

    const XmlElement* formats = style.findModel(u"Formats");
    ASSERT_NE(formats, nullptr);
    ASSERT_EQ(formats->children().size(), 1u);
    EXPECT_EQ(formats->children()[0]->attribute(u"data"), u"1");
    EXPECT_EQ(style.findModel(u"models")->children().size(), 1u);
    EXPECT_EQ(style.findModel(u"Missing"), nullptr);
}

TEST(StyleResourcesTest, IncompleteStylesAreRefused) {
    struct Case {
        const char* what;
        TestPack pack;
    };
    Case cases[] = {
        {"no metric", styleWith(kSkins, "<metrics><metric /></metrics>")},
        {"no skin", styleWith("<skins></skins>", kMetrics)},
        {"only skipped skins", styleWith("<skins><skin /></skins>", kMetrics)},
        {"broken metrics.xml", styleWith(kSkins, "<metrics>")},
        {"missing sheet",
         styleWith(R"(<skins><skin name="Absent" count="1" /></skins>)", kMetrics)},
        {"missing skins.xml", TestPack().add(u"images", u"Focus.png", "1x1")},
    };
    for (const Case& c : cases) {
        StyleResources style(u"memory");
        EXPECT_FALSE(load(style, c.pack)) << c.what;
    }
    TestPack noImages = styleWith(kSkins, kMetrics);
    DataPack pack;
    ASSERT_TRUE(pack.openBytes(noImages.bytes()));
    StyleResources style(u"memory");
    EXPECT_FALSE(style.loadFrom(pack, [](std::span<const uint8_t>) { return Image(); }));
}

class StyleFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* temp = std::getenv("TMPDIR");
        folder_ =
            joinPath(replaceAll(fromUtf8(temp ? temp : "/tmp"), u"/", u"\\"), u"fw-style-test");
        os::createFolder(joinPath(folder_, u"styles"));
    }
    void TearDown() override {
        for (const WideString& path : written_) {
            os::deleteFile(path);
        }
    }
    WideString write(WideStringView relative, const Bytes& bytes) {
        WideString path = joinPath(folder_, relative);
        EXPECT_TRUE(os::writeFile(path, bytes.data(), bytes.size()));
        written_.push_back(path);
        return path;
    }
    WideString folder_;
    std::vector<WideString> written_;
};

TEST_F(StyleFilesTest, SearchOrderAndCurrentStyle) {
    Bytes good = styleWith(kSkins, kMetrics).bytes();
    WideString inStyles = write(u"styles\\one.style", good);
    EXPECT_EQ(findStylePath(u"one", folder_), inStyles);
    WideString beside = write(u"one.style", good);
    EXPECT_EQ(findStylePath(u"one", folder_), beside);
    EXPECT_EQ(findStylePath(inStyles, u"elsewhere"), inStyles);
    EXPECT_EQ(findStylePath(joinPath(folder_, u"absent.style"), folder_), u"");
    EXPECT_EQ(findStylePath(u"absent", folder_), u"");

    ASSERT_TRUE(loadStyleResources(u"one", folder_, test::sizeDecoder));
    ASSERT_NE(currentStyleResources(), nullptr);
    EXPECT_EQ(currentStyleResources()->path(), beside);

    write(u"broken.style", styleWith(kSkins, "<metrics />").bytes());
    EXPECT_FALSE(loadStyleResources(u"broken", folder_, test::sizeDecoder));
    EXPECT_EQ(currentStyleResources(), nullptr);
}

} // namespace
} // namespace fw
