#include "ui/SkinFrame.h"

#include <gtest/gtest.h>

#include <vector>

namespace fw {
namespace {

struct Draw {
    Rect source;
    Rect destination;
    bool operator==(const Draw&) const = default;
};

// Records the platform draws instead of drawing; the pixels are checked under Wine.
class RecordingPainter : public UIPainter {
public:
    RecordingPainter() : UIPainter(nullptr) {}
    std::vector<Draw> draws;

protected:
    void drawImageRect(const Image&, const Rect& source, const Rect& destination) override {
        draws.push_back({source, destination});
    }
};

Skin slicedSkin() {
    SkinDescription d;
    d.name = u"Sliced";
    d.count = 2;
    d.frameWidth = 20;
    d.frameHeight = 12;
    d.slices = {4, 12, 4, 3, 6, 3};
    return Skin(d, Image(true, 20, 24));
}

TEST(SkinFrameTest, PartMaskWidensAcrossAbsentColumnsAndRows) {
    Skin skin = slicedSkin();
    RecordingPainter painter;
    drawSkinFrame(painter, skin, 0, {10, 20, 100, 50},
                  SkinPartTop | SkinPartBottom | SkinPartCenter);
    EXPECT_EQ(painter.draws, (std::vector<Draw>{{{4, 0, 12, 3}, {10, 20, 100, 3}},
                                                {{4, 9, 12, 3}, {10, 67, 100, 3}},
                                                {{4, 3, 12, 6}, {10, 23, 100, 44}}}));
    painter.draws.clear();
    drawSkinFrame(painter, skin, 0, {10, 20, 30, 16}, SkinPartCenter);
    EXPECT_EQ(painter.draws, (std::vector<Draw>{{{4, 3, 12, 6}, {10, 20, 30, 16}}}));

    // Left column and top row present: corners copied, edges keep their width.
    painter.draws.clear();
    drawSkinFrame(painter, skin, 0, {0, 0, 30, 16},
                  SkinPartTopLeft | SkinPartLeft | SkinPartCenter);
    EXPECT_EQ(painter.draws, (std::vector<Draw>{{{0, 0, 4, 3}, {0, 0, 4, 3}},
                                                {{0, 3, 4, 6}, {0, 3, 4, 10}},
                                                {{4, 3, 12, 6}, {4, 3, 26, 13}}}));
}

TEST(SkinFrameTest, UnslicedSkinStretchesOverAnyRectangle) {
    SkinDescription d;
    d.name = u"Plain";
    d.count = 1;
    d.frameWidth = 20;
    d.frameHeight = 10;
    Skin skin(d, Image(true, 20, 10));
    RecordingPainter painter;
    drawSkinFrame(painter, skin, 0, {3, 4, 5, 2}, SkinPartCenter);
    drawSkinFrame(painter, skin, 0, {3, 4, 0, 2}, kAllSkinParts);
    EXPECT_EQ(painter.draws, (std::vector<Draw>{{{0, 0, 20, 10}, {3, 4, 5, 2}}}));
}

} // namespace
} // namespace fw
