#include "output/Clipboard.h"
#include "platform/Handles_win.h"
#include "platform/Win32.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

Bytes clipboardBytes(UINT format) {
    Bytes bytes;
    if (!::OpenClipboard(nullptr)) {
        return bytes;
    }
    if (HANDLE data = ::GetClipboardData(format)) {
        GlobalLock lock(data);
        size_t size = ::GlobalSize(data);
        if (lock.data() != nullptr) {
            auto* begin = static_cast<const uint8_t*>(lock.data());
            bytes.assign(begin, begin + size);
        }
    }
    ::CloseClipboard();
    return bytes;
}

// One test holds every clipboard case, under a lock shared with any other
// test program that uses the clipboard.
TEST(ClipboardTest, ImageAndTextReachTheClipboard) {
    KernelHandle lock(::CreateMutexW(nullptr, FALSE, L"Framewing-tests-clipboard"));
    ASSERT_TRUE(lock);
    ASSERT_EQ(::WaitForSingleObject(lock.get(), 30000), WAIT_OBJECT_0);

    Image image(true, 3, 2);
    for (int32_t i = 0; i < image.byteSize(); ++i) {
        image.pixels()[i] = static_cast<uint8_t>(i + 1);
    }
    ASSERT_TRUE(copyImageToClipboard(image, false));
    // The layout itself is checked by the portable tests; here it must arrive whole.
    Bytes dib = clipboardBytes(CF_DIB);
    ASSERT_GE(dib.size(), 64u);
    dib.resize(64);
    EXPECT_EQ(dib, dibFromImage(image));

    const WideString text = u"C:\\Shots\\\u0421\u043d\u0438\u043c\u043e\u043a-1.png";
    ASSERT_TRUE(copyTextToClipboard(text, false));
    Bytes unicode = clipboardBytes(CF_UNICODETEXT);
    ASSERT_GE(unicode.size(), (text.size() + 1) * 2);
    EXPECT_EQ(WideString(reinterpret_cast<const char16_t*>(unicode.data())), text);

    // Failures leave what was there.
    EXPECT_FALSE(copyTextToClipboard(u"", false));
    EXPECT_FALSE(copyImageToClipboard(Image(), false));
    EXPECT_EQ(clipboardBytes(CF_UNICODETEXT), unicode);
    ::ReleaseMutex(lock.get());
}

} // namespace
} // namespace fw
