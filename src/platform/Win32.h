#pragma once
// The one place that includes <windows.h>, with the program's settings; only
// *_win.cpp files include this header.
#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#endif

#include "platform/Rect.h"
#include "platform/WideString.h"

namespace fw {

// wchar_t is 16 bits with mingw: the program's strings pass to Win32 unchanged.
inline const wchar_t* wide(const WideString& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}
inline WideString fromWide(const wchar_t* text) {
    return text ? WideString(reinterpret_cast<const char16_t*>(text)) : WideString();
}
inline WideString fromWide(const wchar_t* text, size_t length) {
    return WideString(reinterpret_cast<const char16_t*>(text), length);
}

#ifdef _WIN32
inline Rect fromRECT(const RECT& r) {
    return Rect{r.left, r.top, r.right - r.left, r.bottom - r.top};
}
// A 32-bit top-down DIB: the row layout of the program's images.
inline BITMAPINFO topDownBitmapInfo(int32_t width, int32_t height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}
inline RECT toRECT(const Rect& r) {
    return RECT{r.x, r.y, r.x + r.width, r.y + r.height};
}
#endif

} // namespace fw
