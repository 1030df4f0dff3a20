#pragma once
// Skins: sprite sheets of equally sized frames stacked top to bottom, each
// frame optionally sliced into nine parts (three columns by three rows) so
// that it can be drawn onto a rectangle of any size.
#include "capture/Image.h"
#include "platform/Rect.h"
#include "platform/WideString.h"

#include <array>
#include <cstdint>
#include <vector>

namespace fw {

class XmlElement;

enum SkinPart : uint32_t {
    SkinPartTopLeft = 1,
    SkinPartTop = 2,
    SkinPartTopRight = 4,
    SkinPartRight = 8,
    SkinPartBottomRight = 16,
    SkinPartBottom = 32,
    SkinPartBottomLeft = 64,
    SkinPartLeft = 128,
    SkinPartCenter = 256,
};
constexpr uint32_t kAllSkinParts = 511;

// Column widths c0, c1, c2 (left, middle, right) and row heights r0, r1, r2
// (top, middle, bottom). c0 == 0 means the skin is not sliced.
struct SkinSlices {
    int32_t c0 = 0, c1 = 0, c2 = 0;
    int32_t r0 = 0, r1 = 0, r2 = 0;
    bool operator==(const SkinSlices&) const = default;
};

// The rectangle of one part inside a frame whose top-left corner is (x, y);
// empty for a value that is not a single part.
Rect skinPartRect(const SkinSlices& slices, int32_t x, int32_t y, uint32_t part);

struct SkinFrame {
    Rect rect;
    // In the order 1, 2, 4, ..., 256.
    std::array<Rect, 9> parts;
};

// The attributes of one "skin" element of skins.xml, before the sheet is decoded.
struct SkinDescription {
    WideString name;
    int32_t count = 0;
    int32_t frameWidth = 0;
    int32_t frameHeight = 0;
    bool vertical = false;
    SkinSlices slices;
};

// False when the element is to be skipped: not named "skin", without any
// attribute, or with an empty name.
bool readSkinDescription(const XmlElement& element, SkinDescription& description);

class Skin {
public:
    Skin() = default;
    Skin(const SkinDescription& description, Image sheet);

    const WideString& name() const { return name_; }
    const Image& sheet() const { return sheet_; }
    int32_t frameCount() const { return static_cast<int32_t>(frames_.size()); }
    int32_t frameWidth() const { return frameWidth_; }
    int32_t frameHeight() const { return frameHeight_; }
    const SkinSlices& slices() const { return slices_; }
    bool isSliced() const { return slices_.c0 > 0; }
    bool isVertical() const { return vertical_; }
    // Null when `index` is out of range.
    const SkinFrame* frame(int32_t index) const;

private:
    WideString name_;
    Image sheet_;
    int32_t frameWidth_ = 0;
    int32_t frameHeight_ = 0;
    SkinSlices slices_;
    bool vertical_ = false;
    std::vector<SkinFrame> frames_;
};

// Decimal integer as the resource descriptions write it: optional sign, digits
// up to the first other character, 0 without digits; clamped to 32 bits.
int32_t parseResourceInt(WideStringView text);

} // namespace fw
