#include "platform/ClipboardText.h"

#include "platform/Handles_win.h"
#include "platform/Win32.h"

#include <cstring>

namespace fw::os {

namespace {

// SetClipboardData needs an owner window; a hidden message-only one serves.
HWND clipboardOwner() {
    static HWND owner = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                          ::GetModuleHandleW(nullptr), nullptr);
    return owner;
}

// Another program may hold the clipboard for a moment (clipboard managers
// read every change): a few short retries before giving up.
bool openClipboard() {
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (::OpenClipboard(clipboardOwner())) {
            return true;
        }
        ::Sleep(10);
    }
    return false;
}

class ClipboardSession {
public:
    ClipboardSession() : open_(openClipboard()) {}
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;
    ~ClipboardSession() {
        if (open_) {
            ::CloseClipboard();
        }
    }
    bool isOpen() const { return open_; }

private:
    bool open_;
};

class SystemClipboard : public TextClipboard {
public:
    bool hasText() override { return ::IsClipboardFormatAvailable(CF_UNICODETEXT) != 0; }

    bool readText(WideString& text) override {
        text.clear();
        ClipboardSession session;
        if (!session.isOpen()) {
            return false;
        }
        HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
        if (!data) {
            return false;
        }
        GlobalLock lock(data);
        if (!lock.data()) {
            return false;
        }
        // Another program wrote the block: read no further than its size, and
        // stop at the first terminator within it.
        const size_t units = ::GlobalSize(data) / sizeof(char16_t);
        const auto* begin = static_cast<const char16_t*>(lock.data());
        size_t length = 0;
        while (length < units && begin[length] != 0) {
            ++length;
        }
        text.assign(begin, length);
        return true;
    }

    bool writeText(WideStringView text) override {
        const size_t bytes = (text.size() + 1) * sizeof(char16_t);
        GlobalHandle memory(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes));
        if (!memory) {
            return false;
        }
        {
            GlobalLock lock(memory.get());
            if (!lock.data()) {
                return false;
            }
            std::memcpy(lock.data(), text.data(), text.size() * sizeof(char16_t));
        }
        ClipboardSession session;
        if (!session.isOpen() || !::EmptyClipboard()) {
            return false;
        }
        // The block belongs to the clipboard once SetClipboardData succeeded.
        if (!::SetClipboardData(CF_UNICODETEXT, memory.get())) {
            return false;
        }
        memory.release();
        return true;
    }
};

} // namespace

TextClipboard& systemTextClipboard() {
    static SystemClipboard clipboard;
    return clipboard;
}

} // namespace fw::os
