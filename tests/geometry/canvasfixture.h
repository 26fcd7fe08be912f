// Shared helpers of the geometry tests: a recording canvas under a simple mapping, and extents as values.
#pragma once

#include <gtest/gtest.h>

#include <array>

#include "drawing/drawstate.h"
#include "drawing/transform.h"
#include "geometry/tpunkt.h"
#include "tests/support/recordingcanvas.h"

// The window -10 .. 10 on a 400 x 400 area: 20 device units per world unit, world (0, 0) at (200, 200).
class CanvasTest : public ::testing::Test {
protected:
    void SetUp() override {
        Drawing().DrawCanvas = &canvas;
        SetViewTransform(kArea, -10, -10, 10, 10);
    }

    static constexpr DeviceRect kArea{0, 0, 400, 400};
    DrawStateGuard guard;  // declared first, destroyed last: no pointer to the canvas outlives the test
    RecordingCanvas canvas{kArea};
};

// xmin, ymin, xmax, ymax
inline std::array<double, 4> Extent(const TPunkt& object) {
    std::array<double, 4> e{};
    object.GetExtent(e[0], e[1], e[2], e[3]);
    return e;
}
using Box = std::array<double, 4>;
