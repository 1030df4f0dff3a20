#include "resources/PngDecoder.h"

#include "platform/Gdiplus_win.h"
#include "platform/Handles_win.h"

#include <cstring>
#include <limits>
#include <memory>

namespace fw {

namespace {

struct StreamReleaser {
    void operator()(IStream* stream) const { stream->Release(); }
};
struct BitmapDisposer {
    void operator()(Gdiplus::GpBitmap* bitmap) const { gdip::GdipDisposeImage(bitmap); }
};

} // namespace

Image decodePng(std::span<const uint8_t> bytes) {
    if (bytes.empty() || bytes.size() > std::numeric_limits<int32_t>::max() || !startGdiplus()) {
        return Image();
    }
    // Declared first so that it outlives the stream and the bitmap reading from it.
    GlobalHandle memory(::GlobalAlloc(GMEM_MOVEABLE, bytes.size()));
    if (!memory) {
        return Image();
    }
    {
        GlobalLock lock(memory.get());
        if (!lock.data()) {
            return Image();
        }
        std::memcpy(lock.data(), bytes.data(), bytes.size());
    }
    IStream* rawStream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(memory.get(), FALSE, &rawStream))) {
        return Image();
    }
    std::unique_ptr<IStream, StreamReleaser> stream(rawStream);
    Gdiplus::GpBitmap* rawBitmap = nullptr;
    if (gdip::GdipCreateBitmapFromStream(stream.get(), &rawBitmap) != Gdiplus::Ok) {
        return Image();
    }
    std::unique_ptr<Gdiplus::GpBitmap, BitmapDisposer> bitmap(rawBitmap);
    UINT width = 0;
    UINT height = 0;
    gdip::GdipGetImageWidth(bitmap.get(), &width);
    gdip::GdipGetImageHeight(bitmap.get(), &height);
    if (width > static_cast<UINT>(std::numeric_limits<int32_t>::max()) ||
        height > static_cast<UINT>(std::numeric_limits<int32_t>::max())) {
        return Image();
    }
    Image image(true, static_cast<int32_t>(width), static_cast<int32_t>(height));
    if (image.isEmpty()) {
        return Image();
    }
    // Let GDI+ convert straight into the image's buffer.
    Gdiplus::BitmapData data{};
    data.Width = width;
    data.Height = height;
    data.Stride = image.stride();
    data.PixelFormat = PixelFormat32bppARGB;
    data.Scan0 = image.pixels();
    Gdiplus::GpRect rect(0, 0, static_cast<INT>(width), static_cast<INT>(height));
    if (gdip::GdipBitmapLockBits(bitmap.get(), &rect,
                                 Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf,
                                 PixelFormat32bppARGB, &data) != Gdiplus::Ok) {
        return Image();
    }
    gdip::GdipBitmapUnlockBits(bitmap.get(), &data);
    return image;
}

} // namespace fw
