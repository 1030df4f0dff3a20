#include "resources/Skin.h"

#include "platform/WideString.h"
#include "xml/XmlDocument.h"

#include <algorithm>
#include <limits>

namespace fw {

int32_t parseResourceInt(WideStringView text) {
    return static_cast<int32_t>(parseSaturatedInteger(text, INT32_MIN, INT32_MAX));
}

Rect skinPartRect(const SkinSlices& s, int32_t x, int32_t y, uint32_t part) {
    switch (part) {
    case SkinPartTopLeft:
        return {x, y, s.c0, s.r0};
    case SkinPartTop:
        return {x + s.c0, y, s.c1, s.r0};
    case SkinPartTopRight:
        return {x + s.c0 + s.c1, y, s.c2, s.r0};
    case SkinPartRight:
        return {x + s.c0 + s.c1, y + s.r0, s.c2, s.r1};
    case SkinPartBottomRight:
        return {x + s.c0 + s.c1, y + s.r0 + s.r1, s.c2, s.r2};
    case SkinPartBottom:
        return {x + s.c0, y + s.r0 + s.r1, s.c1, s.r2};
    case SkinPartBottomLeft:
        return {x, y + s.r0 + s.r1, s.c0, s.r2};
    case SkinPartLeft:
        return {x, y + s.r0, s.c0, s.r1};
    case SkinPartCenter:
        return {x + s.c0, y + s.r0, s.c1, s.r1};
    default:
        return {};
    }
}

namespace {

// "a,b,c" with empty parts ignored; false unless exactly three numbers remain.
bool readTriple(WideStringView text, int32_t& a, int32_t& b, int32_t& c) {
    std::vector<WideString> parts = split(text, u',', false);
    if (parts.size() != 3) {
        return false;
    }
    a = parseResourceInt(parts[0]);
    b = parseResourceInt(parts[1]);
    c = parseResourceInt(parts[2]);
    return true;
}

} // namespace

bool readSkinDescription(const XmlElement& element, SkinDescription& d) {
    if (element.name() != u"skin" || element.attributes().empty()) {
        return false;
    }
    d = SkinDescription{};
    d.name = element.attribute(u"name");
    if (d.name.empty()) {
        return false;
    }
    d.count = parseResourceInt(element.attribute(u"count"));
    d.frameWidth = parseResourceInt(element.attribute(u"width"));
    d.frameHeight = parseResourceInt(element.attribute(u"height"));
    d.vertical = element.attribute(u"orientation") == u"v";
    SkinSlices s;
    if (readTriple(element.attribute(u"columns"), s.c0, s.c1, s.c2) && s.c0 > 0) {
        if (!readTriple(element.attribute(u"rows"), s.r0, s.r1, s.r2)) {
            s.r0 = s.r1 = s.r2 = 0;
        }
        // Negative parts would mirror pieces of the sheet when drawn; sums are
        // taken in 64 bits so that huge parts cannot wrap the frame size.
        const int64_t width = int64_t{s.c0} + s.c1 + s.c2;
        const int64_t height = int64_t{s.r0} + s.r1 + s.r2;
        if (std::min({s.c1, s.c2, s.r0, s.r1, s.r2}) >= 0 && width <= INT32_MAX &&
            height <= INT32_MAX) {
            d.slices = s;
            d.frameWidth = static_cast<int32_t>(width);
            d.frameHeight = static_cast<int32_t>(height);
        }
    }
    return true;
}

Skin::Skin(const SkinDescription& d, Image sheet)
    : name_(d.name), sheet_(std::move(sheet)), frameWidth_(d.frameWidth),
      frameHeight_(d.frameHeight), slices_(d.slices), vertical_(d.vertical) {
    // Only frames that lie inside the sheet: a count larger than the sheet
    // holds would draw from outside it (and a huge one exhaust memory).
    int32_t fitting =
        frameHeight_ > 0 && frameWidth_ <= sheet_.width() ? sheet_.height() / frameHeight_ : 0;
    int32_t count = std::clamp(d.count, 0, fitting);
    frames_.reserve(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        SkinFrame frame;
        int32_t y = i * frameHeight_;
        frame.rect = Rect{0, y, frameWidth_, frameHeight_};
        for (size_t p = 0; p < frame.parts.size(); ++p) {
            frame.parts[p] = skinPartRect(slices_, 0, y, 1u << p);
        }
        frames_.push_back(frame);
    }
}

const SkinFrame* Skin::frame(int32_t index) const {
    return index >= 0 && index < frameCount() ? &frames_[static_cast<size_t>(index)] : nullptr;
}

} // namespace fw
