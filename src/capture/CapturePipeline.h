#pragma once
// The capture pipeline as the rest of the program sees it: the triggers start
// a capture through it. The application supplies it and the settings model
// holds it, so that neither the model nor the shell depends on how it works.
#include "capture/CaptureMode.h"

namespace fw {

class CapturePipeline {
public:
    virtual ~CapturePipeline() = default;

    // Entry of every trigger; ignored while a capture runs, while another
    // window or dialog of the program is open, and for an unknown mode.
    virtual void StartCapture(CaptureMode mode) = 0;
};

} // namespace fw
