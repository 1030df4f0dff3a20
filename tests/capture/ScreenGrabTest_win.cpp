#include "capture/ImageOps.h"
#include "capture/ScreenCapture.h"
#include "capture/Screen_win.h"
#include "platform/GdiObjects.h"

#include <gtest/gtest.h>

#include <cstring>

namespace fw {
namespace {

COLORREF patternColour(int x, int y) {
    return RGB(x * 4, y * 5, ((x ^ y) * 3) & 255);
}

COLORREF gWindowColour = 0; // 0: the pattern, else a solid colour

LRESULT CALLBACK paintProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) {
        return 1;
    }
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = ::BeginPaint(window, &paint);
        RECT client;
        ::GetClientRect(window, &client);
        for (int y = 0; y < client.bottom; ++y) {
            for (int x = 0; x < client.right; ++x) {
                ::SetPixelV(dc, x, y, gWindowColour ? gWindowColour : patternColour(x, y));
            }
        }
        ::EndPaint(window, &paint);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

void pumpMessages(DWORD milliseconds) {
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < milliseconds) {
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::DispatchMessageW(&message);
        }
        ::Sleep(10);
    }
}

// A topmost window without frame that paints itself at a screen rectangle.
class PaintedWindow {
public:
    PaintedWindow(const Rect& r, COLORREF colour) {
        gWindowColour = colour;
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = paintProcedure;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = L"FramewingGrabTest";
        ::RegisterClassW(&windowClass);
        window_ = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"FramewingGrabTest", L"",
                                    WS_POPUP | WS_VISIBLE, r.x, r.y, r.width, r.height, nullptr,
                                    nullptr, windowClass.hInstance, nullptr);
        ::UpdateWindow(window_);
        pumpMessages(300);
    }
    ~PaintedWindow() { ::DestroyWindow(window_); }
    HWND get() const { return window_; }

private:
    HWND window_;
};

TEST(ScreenGrabTest, GrabReturnsThePaintedPixelsOpaque) {
    // 512 pixels wide, the grab takes 128 rows at a time: one full strip and
    // one partial one. Inside the smallest primary monitor the tests run on.
    const Rect area{100, 100, 512, 160};
    const PaintedWindow window(area, 0);
    ASSERT_TRUE(window.get());
    const int32_t gdiObjects = os::gdiObjectCount();
    Image grab = os::grabScreenRect(area);
    EXPECT_EQ(os::gdiObjectCount(), gdiObjects);
    ASSERT_EQ(grab.width(), area.width);
    ASSERT_EQ(grab.height(), area.height);
    int wrong = 0;
    for (int y = 0; y < area.height; ++y) {
        for (int x = 0; x < area.width; ++x) {
            const uint8_t* p = grab.pixel(x, y);
            const COLORREF expected = patternColour(x, y);
            wrong += p[2] != GetRValue(expected) || p[1] != GetGValue(expected) ||
                     p[0] != GetBValue(expected) || p[3] != 255;
        }
    }
    EXPECT_EQ(wrong, 0);

    // A grab fills an image that nothing else shares instead of new memory.
    const uint8_t* memory = grab.pixels();
    Image again = os::grabScreenRect(area, std::move(grab));
    EXPECT_EQ(again.pixels(), memory);
    const Image held = again;
    EXPECT_NE(os::grabScreenRect(area, std::move(again)).pixels(), memory);
    EXPECT_EQ(held.pixel(3, 2)[2], GetRValue(patternColour(3, 2)));

    // Beyond the top-left corner of the screen there is no monitor.
    const Rect screen = os::virtualScreenRect();
    const Image corner = os::grabScreenRect(Rect{screen.x - 10, screen.y - 10, 20, 20});
    ASSERT_FALSE(corner.isEmpty());
    EXPECT_EQ(corner.pixel(9, 9)[3], 0);
    EXPECT_EQ(corner.pixel(10, 10)[3], 255);
    EXPECT_TRUE(os::grabScreenRect(Rect{0, 0, 0, 10}).isEmpty());
}

TEST(ScreenGrabTest, ArrowCursorImageHasOutlineAndTransparency) {
    const int32_t gdiObjects = os::gdiObjectCount();
    const os::CursorImage arrow = os::imageFromCursor(::LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_EQ(os::gdiObjectCount(), gdiObjects);
    ASSERT_FALSE(arrow.image.isEmpty());
    EXPECT_EQ(arrow.image.width(), arrow.image.height());
    EXPECT_TRUE(arrow.image.hasAlpha());
    EXPECT_TRUE(Rect({0, 0, arrow.image.width(), arrow.image.height()})
                    .contains(arrow.hotspot.x, arrow.hotspot.y));
    // A dark outline (possibly anti-aliased), a white body, transparency around.
    int dark = 0, white = 0, clear = 0;
    for (int y = 0; y < arrow.image.height(); ++y) {
        for (int x = 0; x < arrow.image.width(); ++x) {
            const uint8_t* p = arrow.image.pixel(x, y);
            dark += p[3] > 200 && p[0] < 32 && p[1] < 32 && p[2] < 32;
            white += p[3] == 255 && p[0] == 255 && p[1] == 255 && p[2] == 255;
            clear += p[3] == 0;
        }
    }
    EXPECT_GT(dark, 10);
    EXPECT_GT(white, 10);
    EXPECT_GT(clear, arrow.image.pixelCount() / 2);
    EXPECT_TRUE(os::imageFromCursor(::LoadIconW(nullptr, IDI_APPLICATION)).image.isEmpty());
}

TEST(ScreenGrabTest, CursorIsDrawnIntoTheStoredResultWhereItWas) {
    const Rect area{200, 150, 100, 100};
    const PaintedWindow window(area, RGB(0, 200, 0));
    ::SetCursorPos(250, 200);
    pumpMessages(100);
    // With the system's cursor shadow on, the arrow gets one and the text cursor not.
    ASSERT_TRUE(::SystemParametersInfoW(SPI_SETCURSORSHADOW, 0, reinterpret_cast<void*>(TRUE), 0));
    ::SetCursor(::LoadCursorW(nullptr, IDC_IBEAM));
    EXPECT_FALSE(os::currentCursor().wantsShadow);
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_TRUE(os::currentCursor().wantsShadow);

    CaptureState state;
    state.mode = CaptureMode::FullScreen;
    state.includeCursor = true;
    ScreenSource screen;
    resetScreenState(state, screen);
    captureCursor(state);
    const os::CursorImage arrow = os::imageFromCursor(::LoadCursorW(nullptr, IDC_ARROW));
    ASSERT_FALSE(state.cursorImage.isEmpty());
    EXPECT_EQ(state.cursorImage.width(), arrow.image.width() + 10);
    EXPECT_EQ(state.cursorRect.x, 250 - arrow.hotspot.x);
    EXPECT_EQ(state.cursorRect.y, 200 - arrow.hotspot.y);

    freezeScreen(state, screen, Freeze::ForResult);
    Image expected = os::grabScreenRect(area);
    drawBlended(expected, state.cursorImage, state.cursorRect.x - area.x,
                state.cursorRect.y - area.y);
    fullScreenResult(state, screen);
    const Image got = crop(state.resultImage, Rect{area.x - state.virtualScreen.x,
                                                   area.y - state.virtualScreen.y, 100, 100});
    ASSERT_EQ(got.width(), 100);
    int differences = 0, cursorPixels = 0;
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 100; ++x) {
            differences += std::memcmp(got.pixel(x, y), expected.pixel(x, y), 4) != 0;
            cursorPixels += got.pixel(x, y)[1] != 200;
        }
    }
    EXPECT_EQ(differences, 0);
    EXPECT_GT(cursorPixels, 20);
    ::SystemParametersInfoW(SPI_SETCURSORSHADOW, 0, nullptr, 0);
}

} // namespace
} // namespace fw
