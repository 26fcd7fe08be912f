// TWinkel: the marking of an angle at a vertex, drawn as an arc with a Greek label.
#include "geometry/twinkel.h"

#include <cmath>
#include <cstdint>
#include <numbers>

#include "drawing/primitives.h"
#include "geometry/format.h"

namespace {
constexpr int kValueWidth = 3;  // never pads
constexpr int kValueDecimals = 1;
// Directions larger than this in size are reduced modulo 360 before rounding, so that they fit an int.
constexpr double kLargestUnreducedDirection = 1e9;
constexpr int kFullTurn = 360;
constexpr int kLargestArcDirection = 65535;  // DrawAngleArc takes unsigned 16-bit degrees

// Nearest whole degree, halves to the even neighbour (the default rounding mode).
int RoundDirection(double direction) {
    if (!std::isfinite(direction)) return 0;  // unusable input: converting it to int would be undefined
    if (std::fabs(direction) > kLargestUnreducedDirection) direction = std::fmod(direction, kFullTurn);
    return static_cast<int>(std::nearbyint(direction));
}

// Directions that do not fit the arc primitive are handed over as the same direction within 0 .. 359.
std::uint16_t ArcDirection(int direction) {
    if (direction < 0 || direction > kLargestArcDirection)
        direction = (direction % kFullTurn + kFullTurn) % kFullTurn;
    return static_cast<std::uint16_t>(direction);
}
}  // namespace

TWinkel::TWinkel(std::unique_ptr<TStrecke> ownLeg, TPunkt* vertex, double value, std::string_view name)
    : OwnLeg(std::move(ownLeg)) {
    Init(OwnLeg.get(), vertex, value, name);
}

void TWinkel::Init(TStrecke* leg, TPunkt* vertex, double value, std::string_view name) {
    Leg = leg;
    Vertex = vertex;
    Value = value;
    if (vertex != nullptr)
        TPunkt::Init(name, vertex->GetX(), vertex->GetY());
    else
        TPunkt::Init(name, 0, 0);
}

std::string_view TWinkel::KindName() const {
    return "Winkel";
}

void TWinkel::Draw() {
    if (!Visible || Leg == nullptr || Vertex == nullptr || !std::isfinite(Value)) return;
    // The far end of the leg is whichever of its points is not the vertex object itself.
    const TPunkt* farEnd = Leg->StartPoint() == Vertex ? Leg->EndPoint() : Leg->StartPoint();
    if (farEnd == nullptr) return;
    // The vertex as it is now, not the copy taken at Init.
    const double vx = Vertex->GetX();
    const double vy = Vertex->GetY();
    const AngleArc arc = ComputeAngleArc(vx, vy, farEnd->GetX(), farEnd->GetY(), Value);
    DrawAngleArc(ArcDirection(arc.from), ArcDirection(arc.to), Color, vx, vy);
    // Also for an empty name: the empty text shows nothing.
    DrawAngleLabel(Name, vx, vy, arc.labelDirection);
}

std::string TWinkel::Describe() const {
    return "Winkel " + Name + ": " + FormatFixed(Value, kValueWidth, kValueDecimals) + " grad";
}

bool TWinkel::IsFinite() const {
    return Leg != nullptr && Vertex != nullptr && std::isfinite(Value) && TPunkt::IsFinite();
}

AngleArc ComputeAngleArc(double vx, double vy, double fx, double fy, double value) {
    double dx = fx - vx;
    double dy = fy - vy;
    if (!std::isfinite(dx) || !std::isfinite(dy)) {
        // Halved, the differences fit; the direction is the same.
        dx = fx * 0.5 - vx * 0.5;
        dy = fy * 0.5 - vy * 0.5;
    }

    // Start direction of the first leg, in degrees.
    double s;
    // Exact comparison: only an exactly vertical leg (or F on V) takes these branches.
    if (dx == 0)
        s = dy >= 0 ? 90 : 270;
    else if (dx < 0)
        s = std::atan(dy / dx) * 180 / std::numbers::pi + 180;
    else
        s = std::atan(dy / dx) * 180 / std::numbers::pi;

    if (s + value < 0) s += 360;
    AngleArc arc;
    if (value >= 0) {
        if (s < 0) s += 360;
        arc.from = RoundDirection(s);
        arc.to = RoundDirection(s + value);
    } else {
        // A clockwise angle is drawn counter-clockwise from its end back to the leg.
        arc.from = RoundDirection(s + value);
        arc.to = RoundDirection(s);
    }
    arc.labelDirection = s + value / 2;
    return arc;
}
