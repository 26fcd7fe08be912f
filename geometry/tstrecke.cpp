// TStrecke: the segment, and the base of every figure defined by two points.
#include "geometry/tstrecke.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "drawing/primitives.h"
#include "geometry/format.h"

namespace {
constexpr int kNumberWidth = 3;  // narrower than any number with decimals: never pads
constexpr int kLengthDecimals = 2;
constexpr int kDirectionDecimals = 1;

// x1 + (x2 - x1) / 2, halved first where the difference would overflow.
double Middle(double a, double b) {
    const double m = a + (b - a) * 0.5;
    return std::isfinite(m) ? m : a * 0.5 + b * 0.5;
}
}  // namespace

void TStrecke::Init(TPunkt* p1, TPunkt* p2, std::string_view name) {
    TPunkt::Init(name, 0, 0);
    P1 = p1;
    P2 = p2;
}

std::string_view TStrecke::KindName() const {
    return "Strecke";
}

bool TStrecke::GetEnds(double& x1, double& y1, double& x2, double& y2) const {
    if (P1 == nullptr || P2 == nullptr) {
        x1 = y1 = x2 = y2 = 0;
        return false;
    }
    x1 = P1->GetX();
    y1 = P1->GetY();
    x2 = P2->GetX();
    y2 = P2->GetY();
    return true;
}

void TStrecke::DrawLabelAtMiddle() {
    double x1, y1, x2, y2;
    if (Name.empty() || !GetEnds(x1, y1, x2, y2)) return;
    DrawFigureLabel(Name, Middle(x1, x2), Middle(y1, y2));
}

void TStrecke::Draw() {
    double x1, y1, x2, y2;
    if (!Visible || !GetEnds(x1, y1, x2, y2)) return;
    // The end points are drawn again so that their marks and labels stay on top of earlier figures.
    P1->DrawObject();
    P2->DrawObject();
    DrawSegment(Color, x1, y1, x2, y2);
    DrawLabelAtMiddle();
}

void TStrecke::GetExtent(double& xmin, double& ymin, double& xmax, double& ymax) const {
    double x1, y1, x2, y2;
    if (!Visible || !GetEnds(x1, y1, x2, y2)) {
        xmin = ymin = xmax = ymax = 0;
        return;
    }
    xmin = std::min(x1, x2);
    xmax = std::max(x1, x2);
    ymin = std::min(y1, y2);
    ymax = std::max(y1, y2);
}

std::string TStrecke::Describe() const {
    double x1, y1, x2, y2;
    GetEnds(x1, y1, x2, y2);
    double length = std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
    if (!std::isfinite(length)) length = std::hypot(x1 - x2, y1 - y2);
    auto number = [](double v) { return FormatFixed(v, kNumberWidth, kLengthDecimals); };
    return "Strecke " + Name + ": 1.Punkt (" + number(x1) + "/" + number(y1) + ")  2.Punkt (" + number(x2) +
           "/" + number(y2) +
           ")  L\xE4"
           "nge: " +
           number(length);
}

std::string TStrecke::DescribeDirected(std::string_view kindWord) const {
    double x1, y1, x2, y2;
    GetEnds(x1, y1, x2, y2);
    return std::string(kindWord) + Name + ": Anfangspunkt (" +
           FormatFixed(x1, kNumberWidth, kLengthDecimals) + "/" +
           FormatFixed(y1, kNumberWidth, kLengthDecimals) + ") Winkel " +
           FormatFixed(DescribedDirection(x1, y1, x2, y2), kNumberWidth, kDirectionDecimals) + " grad";
}

TPunkt* TStrecke::HitTest(double, double) {
    return nullptr;
}

bool TStrecke::IsFinite() const {
    double x1, y1, x2, y2;
    if (!GetEnds(x1, y1, x2, y2)) return false;
    return std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2);
}

double DescribedDirection(double x1, double y1, double x2, double y2) {
    // Exact comparison: only an exactly vertical figure takes this branch.
    if (x2 == x1) return 90;
    double slope = (y1 - y2) / (x1 - x2);
    if (std::isnan(slope))
        slope = (y1 * 0.5 - y2 * 0.5) / (x1 * 0.5 - x2 * 0.5);  // both differences overflowed
    double direction = std::atan(slope) * 180 / std::numbers::pi;
    if (x1 >= x2) direction += 180;
    return direction;
}

bool IsStraightKind(std::string_view kind) {
    return kind == "Strecke" || kind == "Strahl" || kind == "Gerade" || kind == "Senkrechte" ||
           kind == "Parallele";
}
