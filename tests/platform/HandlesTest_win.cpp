#include "platform/GdiObjects.h"
#include "platform/Handles_win.h"

#include <gtest/gtest.h>

#include <utility>

namespace fw {
namespace {

// What the owners hold is what the count says, through moves, resets and
// release; other handle kinds leave it alone.
TEST(HandlesTest, GdiOwnersKeepTheObjectCount) {
    const int32_t start = os::gdiObjectCount();
    {
        WindowDc screen(nullptr);
        MemoryDc memory(::CreateCompatibleDC(screen.get()));
        BitmapHandle bitmap(::CreateCompatibleBitmap(screen.get(), 4, 4));
        ASSERT_TRUE(screen && memory && bitmap);
        EXPECT_EQ(os::gdiObjectCount(), start + 3);

        BitmapHandle moved(std::move(bitmap));
        GdiObjectHandle brush;
        brush = GdiObjectHandle(::CreateSolidBrush(RGB(1, 2, 3)));
        EXPECT_EQ(os::gdiObjectCount(), start + 4);
        moved.reset(::CreateCompatibleBitmap(screen.get(), 2, 2));
        EXPECT_EQ(os::gdiObjectCount(), start + 4);

        HGDIOBJ given = brush.release();
        EXPECT_EQ(os::gdiObjectCount(), start + 3);
        ::DeleteObject(given);
        KernelHandle event(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
        EXPECT_EQ(os::gdiObjectCount(), start + 3);
    }
    EXPECT_EQ(os::gdiObjectCount(), start);
}

} // namespace
} // namespace fw
