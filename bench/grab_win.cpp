// Times a grab of the whole virtual screen against the bare copy it is built
// on (one block copy into a compatible bitmap and one bits request), measured
// in the same run. bench/grab_under_wine.sh runs it on a 1920x1080 screen.
#include "capture/Screen_win.h"

#include "platform/Handles_win.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double milliseconds(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The least any grab has to do: copy the screen and read the bits back into
// new memory.
bool bareCopy(const fw::Rect& r) {
    std::vector<uint8_t> pixels(static_cast<size_t>(r.width) * r.height * 4);
    fw::WindowDc screen(nullptr);
    fw::MemoryDc memory(::CreateCompatibleDC(screen.get()));
    fw::BitmapHandle bitmap(::CreateCompatibleBitmap(screen.get(), r.width, r.height));
    {
        fw::SelectedObject selected(memory.get(), bitmap.get());
        ::BitBlt(memory.get(), 0, 0, r.width, r.height, screen.get(), r.x, r.y, SRCCOPY);
    }
    BITMAPINFO info = fw::topDownBitmapInfo(r.width, r.height);
    return ::GetDIBits(screen.get(), bitmap.get(), 0, static_cast<UINT>(r.height), pixels.data(),
                       &info, DIB_RGB_COLORS) == r.height;
}

} // namespace

int main() {
    const fw::Rect screen = fw::os::virtualScreenRect();
    double grab = 1e9;
    double bare = 1e9;
    for (int i = 0; i < 20; ++i) {
        Clock::time_point start = Clock::now();
        const fw::Image image = fw::os::grabScreenRect(screen);
        grab = std::min(grab, milliseconds(start));
        start = Clock::now();
        const bool copied = bareCopy(screen);
        bare = std::min(bare, milliseconds(start));
        if (image.width() != screen.width || !copied) {
            std::fprintf(stderr, "grab failed\n");
            return 1;
        }
    }
    std::printf("virtual screen %dx%d at (%d, %d)\n", screen.width, screen.height, screen.x,
                screen.y);
    std::printf("grab %.2f ms, bare copy %.2f ms, ratio %.2f\n", grab, bare, grab / bare);
    return 0;
}
