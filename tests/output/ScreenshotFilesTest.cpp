#include "output/ScreenshotFiles.h"
#include "output/Clipboard.h"
#include "output/ImageFile.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

Image numbered(bool alpha, int32_t width, int32_t height) {
    Image image(alpha, width, height);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width * image.bytesPerPixel(); ++x) {
            image.row(y)[x] = static_cast<uint8_t>(y * 16 + x);
        }
    }
    return image;
}

TEST(ScreenshotFilesTest, ClipboardBitmapIsHeaderAndRowsBottomUp) {
    Image image = numbered(true, 3, 2);
    Bytes dib = dibFromImage(image);
    ASSERT_EQ(dib.size(), 40u + 24u);
    const uint8_t header[16] = {40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 32, 0};
    EXPECT_TRUE(std::equal(header, header + 16, dib.begin()));
    EXPECT_TRUE(std::all_of(dib.begin() + 16, dib.begin() + 40, [](uint8_t b) { return b == 0; }));
    EXPECT_TRUE(std::equal(dib.begin() + 40, dib.begin() + 52, image.row(1)));
    EXPECT_TRUE(std::equal(dib.begin() + 52, dib.end(), image.row(0)));

    // 24-bit rows keep their padding to four bytes and say 24 bits.
    Image rgb = numbered(false, 3, 2);
    Bytes dib24 = dibFromImage(rgb);
    ASSERT_EQ(dib24.size(), 40u + 2u * 12u);
    EXPECT_EQ(dib24[14], 24);
    EXPECT_TRUE(std::equal(dib24.begin() + 40, dib24.begin() + 49, rgb.row(1)));
    EXPECT_TRUE(dibFromImage(Image()).empty());
}

TEST(ScreenshotFilesTest, FormatsCodecsAndSaveAsExtensions) {
    EXPECT_EQ(extensionOf(3), u"");
    EXPECT_EQ(formatName(-1), u"");
    EXPECT_EQ(codecForExtension(u"jpeg"), codecForExtension(u"jpg"));
    EXPECT_TRUE(codecForExtension(u"jpg")->maximumQuality);
    EXPECT_FALSE(codecForExtension(u"png")->maximumQuality);
    EXPECT_EQ(codecForExtension(u"PNG"), nullptr);
    EXPECT_EQ(lowerExtensionOf(u"C:\\a\\Shot.PnG"), u"png");
    EXPECT_EQ(lowerExtensionOf(u"C:\\a.b\\shot"), u"");

    EXPECT_EQ(saveAsTarget(u"C:\\x\\shot", kFormatPng), u"C:\\x\\shot.png");
    EXPECT_EQ(saveAsTarget(u"C:\\x\\shot.PNG", kFormatPng), u"C:\\x\\shot.PNG");
    EXPECT_EQ(saveAsTarget(u"C:\\x\\shot.png", kFormatBmp), u"C:\\x\\shot.png.bmp");
    EXPECT_EQ(saveAsTarget(u"C:\\x\\shot.jpeg", kFormatJpg), u"C:\\x\\shot.jpeg.jpg");
}

TEST(ScreenshotFilesTest, MovingKeepsFilesWhoseNameIsTaken) {
    TempFolder oldTemp("output_move_from");
    TempFolder newTemp("output_move_to");
    const WideString oldFolder = oldTemp.path();
    const WideString newFolder = newTemp.path();
    std::vector<ScreenshotLocation> shots = {{oldFolder, u"a", u"png"},
                                             {oldFolder, u"b", u"png"},
                                             {oldFolder, u"gone", u"png"},
                                             {newFolder, u"c", u"bmp"}};
    for (const char16_t* name : {u"a.png", u"b.png"}) {
        ASSERT_TRUE(os::writeFile(joinPath(oldFolder, name), "old", 3));
    }
    ASSERT_TRUE(os::writeFile(joinPath(newFolder, u"b.png"), "taken", 5));
    ASSERT_TRUE(os::writeFile(joinPath(newFolder, u"c.bmp"), "here", 4));

    EXPECT_EQ(moveScreenshotsTo(newFolder + u"-missing", shots), 0u);
    EXPECT_EQ(moveScreenshotsTo(newFolder, shots), 1u);
    EXPECT_EQ(shots[0].folder, newFolder);
    EXPECT_TRUE(os::fileExists(shots[0].path()));
    EXPECT_EQ(shots[1].folder, oldFolder);
    Bytes kept;
    ASSERT_TRUE(os::readFile(joinPath(newFolder, u"b.png"), kept));
    EXPECT_EQ(std::string(kept.begin(), kept.end()), "taken");
    EXPECT_TRUE(os::fileExists(shots[1].path()));
    EXPECT_EQ(shots[2].folder, oldFolder);
    EXPECT_EQ(shots[3].folder, newFolder);
}

} // namespace
} // namespace fw
