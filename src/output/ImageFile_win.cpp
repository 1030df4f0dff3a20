#include "capture/ImageBitmap_win.h"
#include "output/ImageFile.h"
#include "output/PngEncoder.h"
#include "platform/Files.h"
#include "platform/Gdiplus_win.h"
#include "platform/Handles_win.h"
#include "platform/Trace.h"
#include "platform/Win32.h"

#include <memory>
#include <vector>

namespace fw {

namespace {

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
        os::traceStep("encode");
        const bool written = !png.empty() && os::writeFileAtomic(path, png.data(), png.size());
        os::traceStep("write");
        return written;
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

} // namespace fw
