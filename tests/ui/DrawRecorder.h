#pragma once
// A painter that writes down its image draws (skins and pictures) instead of
// drawing, so that tests can see which frame a widget picks and where it goes.
#include "resources/Skin.h"
#include "ui/UIPainter.h"
#include "ui/UIWidget.h"

#include <utility>
#include <vector>

namespace fw::test {

struct ImageDraw {
    const uint8_t* pixels; // which image
    Rect source;
    Rect destination; // in the painted widget's coordinates
};

struct Recording {
    std::vector<ImageDraw> draws;

    // The draws of `skin` (told by its sheet), with the frame each came from.
    std::vector<std::pair<int32_t, Rect>> framesOf(const Skin& skin) const {
        std::vector<std::pair<int32_t, Rect>> found;
        for (const ImageDraw& d : draws) {
            if (d.pixels == skin.sheet().pixels() && skin.frameHeight() > 0) {
                found.emplace_back(d.source.y / skin.frameHeight(), d.destination);
            }
        }
        return found;
    }
};

class DrawRecorder : public UIPainter {
public:
    DrawRecorder() : UIPainter(nullptr) {}
    Recording recording;

protected:
    void drawImageRect(const Image& image, const Rect& source, const Rect& destination) override {
        recording.draws.push_back({image.pixels(), source, destination});
    }
};

// Paints one widget (not its children) at 96 DPI and returns its image draws.
inline Recording recordPaint(UIWidget& widget) {
    DrawRecorder recorder;
    widget.paint(recorder);
    return std::move(recorder.recording);
}

// An unsliced skin of `count` frames of `size`, with a sheet of its own.
inline Skin testSkin(const char16_t* name, int32_t count, Size size) {
    SkinDescription d;
    d.name = name;
    d.count = count;
    d.frameWidth = size.width;
    d.frameHeight = size.height;
    return Skin(d, Image(true, size.width, size.height * count));
}

} // namespace fw::test
