#include "output/Clipboard.h"
#include "platform/Handles_win.h"
#include "platform/Win32.h"

#include <mmsystem.h>

#include <cstring>

namespace fw {

namespace {

// The clipboard needs an owner window for SetClipboardData to succeed; until
// the toolkit's main window exists a hidden message-only window serves.
HWND clipboardOwner() {
    static HWND owner = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                          ::GetModuleHandleW(nullptr), nullptr);
    return owner;
}

void failureBeep(bool beep) {
    if (beep) {
        ::PlaySoundW(nullptr, nullptr, 0);
        ::MessageBeep(0xFFFFFFFF);
    }
}

// Hands `size` bytes to the clipboard as `format`; the block belongs to the
// clipboard only once SetClipboardData succeeded.
bool putOnClipboard(UINT format, const void* data, size_t size) {
    GlobalHandle memory(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size));
    if (!memory) {
        return false;
    }
    {
        GlobalLock lock(memory.get());
        if (lock.data() == nullptr) {
            return false;
        }
        std::memcpy(lock.data(), data, size);
    }
    if (!::OpenClipboard(clipboardOwner())) {
        return false;
    }
    bool ok = ::EmptyClipboard() && ::SetClipboardData(format, memory.get()) != nullptr;
    if (ok) {
        memory.release();
    }
    ::CloseClipboard();
    return ok;
}

} // namespace

bool copyImageToClipboard(const Image& image, bool beep) {
    Bytes dib = dibFromImage(image);
    bool ok = !dib.empty() && putOnClipboard(CF_DIB, dib.data(), dib.size());
    if (!ok) {
        failureBeep(beep);
    }
    return ok;
}

bool copyTextToClipboard(WideStringView text, bool beep) {
    WideString terminated(text);
    bool ok = !text.empty() && putOnClipboard(CF_UNICODETEXT, terminated.c_str(),
                                              (terminated.size() + 1) * sizeof(char16_t));
    if (!ok) {
        failureBeep(beep);
    }
    return ok;
}

} // namespace fw
