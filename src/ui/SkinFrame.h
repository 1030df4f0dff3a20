#pragma once
// Drawing one frame of a skin onto a rectangle of any size: corners at their
// own size, edges and centre stretched, parts left out by a mask.
#include "platform/Rect.h"
#include "resources/Skin.h"
#include "ui/UIPainter.h"

#include <cstdint>

namespace fw {

// Draws frame `frameIndex` of `skin` into `destination` with the parts in
// `partMask` (SkinPart values; kAllSkinParts for all nine). An unsliced skin is
// stretched whole; a sliced one drawn into a rectangle of its own size is
// copied whole; a rectangle too small for the fixed parts draws nothing.
void drawSkinFrame(UIPainter& painter, const Skin& skin, int32_t frameIndex,
                   const Rect& destination, uint32_t partMask);
// The whole frame at its own size with its top-left corner at `at`.
void drawSkinFrameAt(UIPainter& painter, const Skin& skin, int32_t frameIndex, Point at);
// Only the centre part of the frame, stretched over `destination`.
void drawSkinCenter(UIPainter& painter, const Skin& skin, int32_t frameIndex,
                    const Rect& destination);

} // namespace fw
