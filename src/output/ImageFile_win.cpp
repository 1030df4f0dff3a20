#include "capture/ImageBitmap_win.h"
#include "output/ImageFile.h"
#include "output/PngEncoder.h"
#include "platform/Files.h"
#include "platform/Gdiplus_win.h"
#include "platform/Handles_win.h"
#include "platform/Win32.h"

#include <cstring>
#include <memory>
#include <vector>

namespace fw {

namespace {

struct StreamDeleter {
    void operator()(IStream* stream) const { stream->Release(); }
};
using StreamPtr = std::unique_ptr<IStream, StreamDeleter>;

bool encoderFor(const char16_t* mimeType, CLSID& clsid) {
    UINT count = 0;
    UINT bytes = 0;
    if (gdip::GdipGetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0) {
        return false;
    }
    std::vector<uint64_t> buffer((bytes + 7) / 8);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (gdip::GdipGetImageEncoders(count, bytes, codecs) != Gdiplus::Ok) {
        return false;
    }
    for (UINT i = 0; i < count; ++i) {
        if (codecs[i].MimeType != nullptr && fromWide(codecs[i].MimeType) == mimeType) {
            clsid = codecs[i].Clsid;
            return true;
        }
    }
    return false;
}

bool encode(const Image& image, const ImageCodec& codec, const WideString& path) {
    CLSID clsid{};
    if (!encoderFor(codec.mimeType, clsid)) {
        return false;
    }
    const GdiplusImage bitmap = borrowedBitmap(image);
    if (!bitmap) {
        return false;
    }
    static const GUID kQuality = {
        0x1D5BE4B5, 0xFA4A, 0x452D, {0x9C, 0xDD, 0x5D, 0xB3, 0x51, 0x05, 0xE7, 0xEB}};
    LONG quality = 100;
    Gdiplus::EncoderParameters parameters{};
    parameters.Count = 1;
    parameters.Parameter[0].Guid = kQuality;
    parameters.Parameter[0].NumberOfValues = 1;
    parameters.Parameter[0].Type = Gdiplus::EncoderParameterValueTypeLong;
    parameters.Parameter[0].Value = &quality;
    return gdip::GdipSaveImageToFile(bitmap.get(), wide(path), &clsid,
                                     codec.maximumQuality ? &parameters : nullptr) == Gdiplus::Ok;
}

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

bool saveImage(WideStringView path, const Image& image) {
    const ImageCodec* codec = codecForExtension(lowerExtensionOf(path));
    if (codec == nullptr || image.isEmpty() || !startGdiplus()) {
        return false;
    }
    const bool opaque = isOpaque(image);
    if (lowerExtensionOf(path) == u"png") {
        // The system's PNG encoder takes several times as long, and the
        // write is most of the time between a capture and its file.
        const std::vector<uint8_t> png = encodePng(image, !opaque);
        return !png.empty() && os::writeFileAtomic(path, png.data(), png.size());
    }
    const Image& written = opaque ? withoutAlpha(image) : image;
    WideString target(path);
    const WideString temp = os::createTempFileBeside(target);
    if (temp.empty()) {
        return false;
    }
    if (!encode(written, *codec, temp) || !os::replaceFile(temp, target)) {
        os::deleteFile(temp);
        return false;
    }
    return true;
}

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
