// TAchsen: the coordinate-axes pseudo object; its Visible flag says whether the axes are shown.
#pragma once

#include "geometry/tpunkt.h"

class TAchsen : public TPunkt {
public:
    TAchsen() { Init(); }
    // Unnamed at the origin, hidden.
    void Init();
    // Shows the axes: sets Visible and draws them.
    void Draw() override;
};
