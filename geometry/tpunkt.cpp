// TPunkt: the root of every geometric object of a construction, and the plain point.
#include "geometry/tpunkt.h"

#include <cmath>
#include <numbers>

#include "drawing/drawstate.h"
#include "drawing/primitives.h"
#include "geometry/format.h"
#include "geometry/tobjlist.h"

namespace {
// A point whose |x| is below this lies on the y axis for the rotation; its tiny x is dropped.
constexpr double kOnYAxisTolerance = 1e-5;
// World distance on each axis within which a point is hit, independent of the zoom.
constexpr double kHitTolerance = 0.2;
constexpr int kCoordinateWidth = 5;
constexpr int kCoordinateDecimals = 2;
}  // namespace

void TPunkt::Init(std::string_view name, double x, double y) {
    const TObjList::Change change(list_, *this);
    Name = std::string(name.substr(0, kMaxNameLength));
    X = x;
    Y = y;
    Visible = true;
}

void TPunkt::Erase() {
    const TObjList::Change change(list_, *this);
    Visible = false;
    Name.clear();
}

void TPunkt::ClearLabel() {
    const TObjList::Change change(list_, *this);
    Name.clear();
}

void TPunkt::MovedInList() {
    if (list_ != nullptr) list_->ExtentsMoved();
}

std::string_view TPunkt::KindName() const {
    return "Punkt";
}

void TPunkt::Rotate(double angle) {
    RotateAboutOrigin(X, Y, angle);
    MovedInList();
}

void TPunkt::DrawObject() {
    Canvas* canvas = Drawing().DrawCanvas;
    if (canvas != nullptr) canvas->BeginObject(Name);
    Draw();
    if (canvas != nullptr) canvas->EndObject();
}

void TPunkt::Draw() {
    if (!Visible) return;
    DrawPointMark(Color, X, Y);
    if (!Name.empty()) DrawPointLabel(Name, X, Y);
}

void TPunkt::GetExtent(double& xmin, double& ymin, double& xmax, double& ymax) const {
    if (!Visible) {
        xmin = ymin = xmax = ymax = 0;
        return;
    }
    xmin = xmax = X;
    ymin = ymax = Y;
}

std::string TPunkt::Describe() const {
    return "Punkt " + Name + " hat die Koordinaten (" +
           FormatFixed(X, kCoordinateWidth, kCoordinateDecimals) + "/" +
           FormatFixed(Y, kCoordinateWidth, kCoordinateDecimals) + ")";
}

TPunkt* TPunkt::HitTest(double x, double y) {
    if (std::fabs(X - x) < kHitTolerance && std::fabs(Y - y) < kHitTolerance) return this;
    return nullptr;
}

bool TPunkt::IsFinite() const {
    return std::isfinite(X) && std::isfinite(Y);
}

void RotateAboutOrigin(double& x, double& y, double angle) {
    using std::numbers::pi;
    if (!std::isfinite(angle) || !std::isfinite(x) || !std::isfinite(y)) return;

    double r = std::sqrt(x * x + y * y);
    if (!std::isfinite(r)) r = std::hypot(x, y);  // the squares overflowed, the distance need not

    // The polar angle by the arctangent of the slope, with the y axis decided by a tolerance.
    double phi;
    if (std::fabs(x) < kOnYAxisTolerance)
        phi = y >= 0 ? pi / 2 : 3 * pi / 2;
    else if (x < 0)
        phi = std::atan(y / x) + pi;
    else
        phi = std::atan(y / x);

    // Whole turns first (fmod is exact): added to phi, a huge turn would swallow it and every point
    // would land on the same ray.
    const double turn = std::fmod(angle, 360.0) * pi / 180;
    const double theta = phi + turn;
    const double nx = r * std::cos(theta);
    const double ny = r * std::sin(theta);
    // Only a point beyond the range of double could turn into an infinity; it is left where it is.
    if (!std::isfinite(nx) || !std::isfinite(ny)) return;
    x = nx;
    y = ny;
}

bool IsKind(const TPunkt* object, std::string_view kind) {
    return object != nullptr && object->KindName() == kind;
}
