// TAchsen: the coordinate-axes pseudo object.
#include "geometry/tachsen.h"

#include "drawing/primitives.h"

void TAchsen::Init() {
    TPunkt::Init("", 0, 0);
    Visible = false;
}

void TAchsen::Draw() {
    Visible = true;
    DrawAxes();
}
