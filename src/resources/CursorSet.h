#pragma once
// The mouse cursors of the program: the system's own, then those of
// cursors.xml in the "data" pack, built once on the first request.
#include "capture/Image.h"
#include "platform/Rect.h"
#include "platform/WideString.h"
#include "resources/PngDecoder.h"

#include <cstdint>
#include <vector>

namespace fw {

class DataPack;

enum CursorId : int32_t {
    CursorArrow = 1,
    CursorCross = 2,
    CursorWait = 3,
    CursorIBeam = 4,
    CursorHand = 5,
    CursorHandOpen = 6,
    CursorHandClose = 7,
    CursorHandFinger = 8,
    CursorSizeNorthSouth = 9,
    CursorSizeWestEast = 10,
    CursorSizeNorthEastSouthWest = 11,
    CursorSizeNorthWestSouthEast = 12,
    CursorSizeAll = 13,
    CursorLens = 14,
    CursorLensPlus = 15,
    CursorLensMinus = 16,
    CursorSplitTopBottom = 17,
    CursorSplitLeftRight = 18,
    CursorSplitLeft = 19,
    CursorSplitRight = 20,
    CursorSplitTop = 21,
    CursorSplitBottom = 22,
    CursorPipette = 23,
    CursorTarget = 24,
    CursorEmpty = 25,
};

// The id of a cursor name of cursors.xml; the arrow's id for any other name.
int32_t cursorIdFromName(WideStringView name);

// A platform cursor handle (HCURSOR on Windows).
using CursorHandle = void*;

// Makes and destroys platform cursors.
class CursorFactory {
public:
    virtual ~CursorFactory() = default;
    // A shared system cursor for one of the system ids; never destroyed.
    virtual CursorHandle systemCursor(int32_t id) = 0;
    // A cursor from a 32-bit image with straight alpha; null on failure.
    virtual CursorHandle createCursor(const Image& image, Point hotSpot) = 0;
    virtual void destroyCursor(CursorHandle cursor) = 0;
};

class CursorSet {
public:
    explicit CursorSet(CursorFactory& factory) : factory_(factory) {}
    CursorSet(const CursorSet&) = delete;
    CursorSet& operator=(const CursorSet&) = delete;
    ~CursorSet();

    // The first cursor with that id, or null. The first call builds the set
    // from the system cursors and the cursors of `data` (which may be null).
    CursorHandle cursor(int32_t id, const DataPack* data, ImageDecoder decode);
    size_t size() const { return entries_.size(); }

private:
    struct Entry {
        int32_t id;
        CursorHandle handle;
        bool shared;
    };
    void build(const DataPack* data, ImageDecoder decode);

    CursorFactory& factory_;
    std::vector<Entry> entries_;
};

// A platform icon (HICON on Windows) from an image with straight alpha; null on
// failure or where there are none. Destroy it with destroyPlatformIcon.
void* createPlatformIcon(const Image& image);
void destroyPlatformIcon(void* icon);

// The platform's cursor factory.
CursorFactory& platformCursorFactory();

// The process-wide set over the "data" pack; the cursors live until exit.
CursorHandle cursor(int32_t id);

} // namespace fw
