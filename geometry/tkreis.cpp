// TKreis: the circle about a centre point with a fixed radius.
#include "geometry/tkreis.h"

#include <cmath>

#include "drawing/primitives.h"
#include "geometry/format.h"

namespace {
// The label anchor lies this many radii from the centre in x and in y: just at the circle's lower left.
constexpr double kLabelAnchorFactor = 0.7;
constexpr int kNumberWidth = 3;  // never pads
constexpr int kNumberDecimals = 2;
}  // namespace

void TKreis::Init(TPunkt* centre, std::string_view name, double radius) {
    TPunkt::Init(name, 0, 0);
    M = centre;
    R = radius;
}

std::string_view TKreis::KindName() const {
    return "Kreis";
}

void TKreis::Draw() {
    if (!Visible || M == nullptr) return;
    M->DrawObject();
    const double mx = M->GetX();
    const double my = M->GetY();
    DrawCircle(Color, mx, my, R);
    // With a negative radius the anchor moves to the upper right; the text still touches the circle.
    if (!Name.empty()) DrawFigureLabel(Name, mx - kLabelAnchorFactor * R, my - kLabelAnchorFactor * R);
}

void TKreis::GetExtent(double& xmin, double& ymin, double& xmax, double& ymax) const {
    if (!Visible || M == nullptr) {
        xmin = ymin = xmax = ymax = 0;
        return;
    }
    // A negative radius draws the circle of radius |R|, so that is the box the window has to hold.
    const double r = std::fabs(R);
    xmin = M->GetX() - r;
    ymin = M->GetY() - r;
    xmax = M->GetX() + r;
    ymax = M->GetY() + r;
}

std::string TKreis::Describe() const {
    const double mx = M != nullptr ? M->GetX() : 0;
    const double my = M != nullptr ? M->GetY() : 0;
    return "Kreis " + Name + ": Mittelpunkt (" + FormatFixed(mx, kNumberWidth, kNumberDecimals) + "/" +
           FormatFixed(my, kNumberWidth, kNumberDecimals) +
           ") Radius: " + FormatFixed(R, kNumberWidth, kNumberDecimals);
}

bool TKreis::IsFinite() const {
    return M != nullptr && std::isfinite(R) && std::isfinite(M->GetX()) && std::isfinite(M->GetY());
}
