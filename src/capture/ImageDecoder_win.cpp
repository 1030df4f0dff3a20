#include "capture/ImageBitmap_win.h"
#include "capture/ImageDecoder.h"
#include "platform/Files.h"
#include "platform/Gdiplus_win.h"
#include "platform/Handles_win.h"
#include "platform/Win32.h"

#include <cstring>
#include <memory>

namespace fw {

namespace {

struct StreamDeleter {
    void operator()(IStream* stream) const { stream->Release(); }
};
using StreamPtr = std::unique_ptr<IStream, StreamDeleter>;

bool hasTransparency(Gdiplus::PixelFormat format) {
    return (format & (PixelFormatAlpha | PixelFormatPAlpha | PixelFormatIndexed)) != 0;
}

Image convert(Gdiplus::GpImage* source) {
    Gdiplus::ImageType type = Gdiplus::ImageTypeUnknown;
    UINT width = 0;
    UINT height = 0;
    Gdiplus::PixelFormat format = 0;
    if (gdip::GdipGetImageType(source, &type) != Gdiplus::Ok || type != Gdiplus::ImageTypeBitmap ||
        gdip::GdipGetImageWidth(source, &width) != Gdiplus::Ok ||
        gdip::GdipGetImageHeight(source, &height) != Gdiplus::Ok ||
        gdip::GdipGetImagePixelFormat(source, &format) != Gdiplus::Ok || width > INT32_MAX ||
        height > INT32_MAX) {
        return Image();
    }
    bool alpha = hasTransparency(format);
    Image image(alpha, static_cast<int32_t>(width), static_cast<int32_t>(height));
    if (image.isEmpty()) {
        return image;
    }
    // GDI+ converts straight into the image's buffer.
    Gdiplus::BitmapData data{};
    data.Width = width;
    data.Height = height;
    data.Stride = image.stride();
    data.PixelFormat = alpha ? PixelFormat32bppARGB : PixelFormat24bppRGB;
    data.Scan0 = image.pixels();
    Gdiplus::GpRect whole(0, 0, image.width(), image.height());
    auto* bitmap = static_cast<Gdiplus::GpBitmap*>(source);
    if (gdip::GdipBitmapLockBits(bitmap, &whole,
                                 Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf,
                                 data.PixelFormat, &data) != Gdiplus::Ok) {
        return Image();
    }
    gdip::GdipBitmapUnlockBits(bitmap, &data);
    return image;
}

} // namespace

Image loadImage(WideStringView path) {
    WideString file(path);
    if (!os::fileExists(file) || !startGdiplus()) {
        return Image();
    }
    Gdiplus::GpImage* loaded = nullptr;
    if (gdip::GdipLoadImageFromFile(wide(file), &loaded) != Gdiplus::Ok) {
        return Image();
    }
    GdiplusImage owner(loaded);
    return convert(loaded);
}

Image loadImageFromMemory(const uint8_t* data, size_t size) {
    if (data == nullptr || size == 0 || !startGdiplus()) {
        return Image();
    }
    GlobalHandle memory(::GlobalAlloc(GMEM_MOVEABLE, size));
    if (!memory) {
        return Image();
    }
    {
        GlobalLock lock(memory.get());
        if (lock.data() == nullptr) {
            return Image();
        }
        std::memcpy(lock.data(), data, size);
    }
    IStream* raw = nullptr;
    // The stream does not take the block: it is freed by `memory` after the stream is gone.
    if (::CreateStreamOnHGlobal(memory.get(), FALSE, &raw) != S_OK) {
        return Image();
    }
    StreamPtr stream(raw);
    Gdiplus::GpImage* loaded = nullptr;
    if (gdip::GdipLoadImageFromStream(raw, &loaded) != Gdiplus::Ok) {
        return Image();
    }
    GdiplusImage owner(loaded);
    return convert(loaded);
}

} // namespace fw
