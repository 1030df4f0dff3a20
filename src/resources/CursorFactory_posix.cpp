#include "resources/CursorSet.h"

namespace fw {

namespace {

// The native build shows no cursors; every request yields none.
class NoCursors : public CursorFactory {
public:
    CursorHandle systemCursor(int32_t) override { return nullptr; }
    CursorHandle createCursor(const Image&, Point) override { return nullptr; }
    void destroyCursor(CursorHandle) override {}
};

} // namespace

void* createPlatformIcon(const Image&) {
    return nullptr;
}

void destroyPlatformIcon(void*) {}

CursorFactory& platformCursorFactory() {
    static NoCursors factory;
    return factory;
}

} // namespace fw
