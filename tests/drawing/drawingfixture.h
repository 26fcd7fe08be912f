// Test fixture for the drawing layer: a recording canvas under the start window on a 400 x 300 area.
#pragma once

#include <gtest/gtest.h>

#include "drawing/drawstate.h"
#include "drawing/transform.h"
#include "tests/support/recordingcanvas.h"

// Whether a recorded device coordinate lies within the range handed to canvases.
inline bool InDeviceRange(int v) {
    return v >= -kDeviceLimit && v <= kDeviceLimit;
}

// The window -6 .. 6 by -5 .. 5 on 400 x 300 widens to -6.67 .. 6.67 in x: 30 device units per world
// unit, world (0, 0) at device (200, 150).
class DrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        Drawing().DrawCanvas = &canvas;
        Drawing().ColorMode = true;
        Drawing().LineWidth = 0;
        SetViewTransform(kArea, -6, -5, 6, 5);
    }

    static constexpr DeviceRect kArea{0, 0, 400, 300};
    DrawStateGuard guard;  // declared first, destroyed last: no pointer to the canvas outlives the test
    RecordingCanvas canvas{kArea};
};
