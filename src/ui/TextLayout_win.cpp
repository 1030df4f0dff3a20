#include "ui/TextLayout.h"

#include "platform/Handles_win.h"
#include "ui/UIPainter.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <tuple>

namespace fw {

namespace {

// Fonts that come out the same in GDI share one object: the face, the pixel
// height (size and resolution folded together) and the flags.
struct FontKey {
    WideString face;
    int32_t pixelHeight = 0;
    uint32_t flags = 0;
    bool operator<(const FontKey& other) const {
        return std::tie(face, pixelHeight, flags) <
               std::tie(other.face, other.pixelHeight, other.flags);
    }
};

struct CachedFont {
    GdiObjectHandle handle;
    FontMetrics metrics;
};

// Fonts live until the program ends: widgets ask for the same few again and
// again, and a font still selected somewhere must not be deleted under it.
std::map<FontKey, CachedFont>& fontCache() {
    static std::map<FontKey, CachedFont> cache;
    return cache;
}

// One memory device context for every measurement.
HDC measuringDc() {
    static MemoryDc dc(::CreateCompatibleDC(nullptr));
    return dc.get();
}

// Selecting a font is slow (it is matched anew each time): the measuring
// context keeps the last font it measured with. Cached fonts outlive it.
HDC measuringDcWith(const CachedFont& font) {
    HDC dc = measuringDc();
    if (dc && ::GetCurrentObject(dc, OBJ_FONT) != font.handle.get()) {
        ::SelectObject(dc, font.handle.get());
    }
    return dc;
}

LOGFONTW logicalFont(const FontKey& key) {
    LOGFONTW lf{};
    // Positive: the height of the whole cell, so that 12 points of the default
    // font give the usual size of Windows interface text.
    lf.lfHeight = key.pixelHeight;
    lf.lfWeight = (key.flags & FontBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (key.flags & FontItalic) ? TRUE : FALSE;
    lf.lfUnderline = (key.flags & FontUnderline) ? TRUE : FALSE;
    lf.lfStrikeOut = (key.flags & FontStrikeout) ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = CLEARTYPE_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    const size_t length = std::min<size_t>(key.face.size(), LF_FACESIZE - 1);
    std::memcpy(lf.lfFaceName, key.face.data(), length * sizeof(wchar_t));
    return lf;
}

const CachedFont* cachedFont(const FontSpec& font, int32_t dpi) {
    FontKey key{font.face, std::max(fontPixelHeight(font, dpi), 1), font.flags};
    auto& cache = fontCache();
    auto found = cache.find(key);
    if (found != cache.end()) {
        return &found->second;
    }
    const LOGFONTW lf = logicalFont(key);
    GdiObjectHandle handle(::CreateFontIndirectW(&lf));
    if (!handle) {
        return nullptr;
    }
    CachedFont entry{std::move(handle), FontMetrics{}};
    TEXTMETRICW tm{};
    HDC dc = measuringDcWith(entry);
    if (dc && ::GetTextMetricsW(dc, &tm)) {
        entry.metrics = FontMetrics{tm.tmAscent, tm.tmDescent, tm.tmHeight, tm.tmAveCharWidth};
    }
    return &cache.emplace(std::move(key), std::move(entry)).first->second;
}

} // namespace

FontMetrics fontMetrics(const FontSpec& font, int32_t dpi) {
    const CachedFont* cached = cachedFont(font, dpi);
    return cached ? cached->metrics : FontMetrics{};
}

Size measureText(WideStringView text, const FontSpec& font, int32_t dpi, uint32_t flags,
                 int32_t wrapWidth) {
    const CachedFont* cached = cachedFont(font, dpi);
    HDC dc = cached ? measuringDcWith(*cached) : nullptr;
    if (!dc) {
        return Size{};
    }
    if (text.empty() || text.size() > 0x7FFFFFFF) {
        return Size{0, cached->metrics.height};
    }
    UINT format = DT_CALCRECT | DT_NOCLIP | ((flags & TextMnemonic) ? 0 : DT_NOPREFIX);
    RECT box{0, 0, 0, 0};
    if (flags & TextWordWrap) {
        format |= DT_WORDBREAK;
        box.right = std::max(wrapWidth, 1);
    } else {
        format |= DT_SINGLELINE;
    }
    ::DrawTextW(dc, reinterpret_cast<const wchar_t*>(text.data()), static_cast<int>(text.size()),
                &box, format);
    return Size{box.right - box.left, box.bottom - box.top};
}

std::vector<int32_t> characterOffsets(WideStringView text, const FontSpec& font, int32_t dpi) {
    std::vector<int32_t> offsets(text.size());
    const CachedFont* cached = cachedFont(font, dpi);
    HDC dc = cached ? measuringDcWith(*cached) : nullptr;
    if (!dc || text.empty() || text.size() > 0x7FFFFFFF) {
        return offsets;
    }
    std::vector<INT> extents(text.size());
    SIZE total{};
    if (::GetTextExtentExPointW(dc, reinterpret_cast<const wchar_t*>(text.data()),
                                static_cast<int>(text.size()), 0, nullptr, extents.data(),
                                &total)) {
        std::copy(extents.begin(), extents.end(), offsets.begin());
    }
    return offsets;
}

void* platformFont(const FontSpec& font, int32_t dpi) {
    const CachedFont* cached = cachedFont(font, dpi);
    return cached ? cached->handle.get() : nullptr;
}

int32_t platformFontCount() {
    return static_cast<int32_t>(fontCache().size());
}

} // namespace fw
