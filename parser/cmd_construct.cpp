// SENKRECHTE, PARALLELE and KREIS: figures built on an existing straight figure or centre.
#include <cfenv>
#include <cmath>
#include <memory>
#include <string>

#include "geometry/tkreis.h"
#include "geometry/tparallele.h"
#include "geometry/tsenkrechte.h"
#include "parser/tparser.h"

namespace {

bool IsKind(const TPunkt* object, std::string_view kind) {
    return object != nullptr && object->KindName() == kind;
}

// The kinds that have a direction through StartPoint and EndPoint.
bool IsStraightFigure(const TPunkt* object) {
    return IsKind(object, "Strecke") || IsKind(object, "Gerade") || IsKind(object, "Strahl") ||
           IsKind(object, "Parallele") || IsKind(object, "Senkrechte");
}

// True when the computation since the flags were last cleared divided by zero, overflowed or was invalid.
bool FloatFaultRaised() {
    return std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID) != 0;
}

// The point through which the parallel at signed distance d runs: on the vertical through the base's
// start for a sloped base (above it for d > 0), on the horizontal through it for a vertical base (left).
void ParallelPoint(const TStrecke& base, double d, double& x, double& y) {
    const double x1 = base.StartPoint()->GetX();
    const double y1 = base.StartPoint()->GetY();
    const double x2 = base.EndPoint()->GetX();
    const double y2 = base.EndPoint()->GetY();
    // Exact comparison: only an exactly vertical base avoids the slope.
    if (x1 == x2) {
        x = x1 - d;
        y = y1;
        return;
    }
    const double m = (y2 - y1) / (x2 - x1);
    // Along the vertical, the distance d between parallels of slope m is d / cos(arctan m).
    x = x1;
    y = y1 + d / std::cos(std::atan(m));
}

}  // namespace

void TParser::CmdSenkrechte() {
    const std::string name = ReadNameCut10();
    if (Failed) return;
    if (Objects.Contains(name)) {
        ShowError(1);
        return;
    }
    const TPunkt* const figure = Find(ReadNameCut10());
    if (Failed) return;
    if (figure == nullptr) {
        ShowError(11);
        return;
    }
    if (!IsStraightFigure(figure)) {
        ShowError(14);
        return;
    }
    const TPunkt* const point = Find(ReadNameCut10());
    if (Failed) return;
    if (point == nullptr) {
        ShowError(15);
        return;
    }
    if (!IsKind(point, "Punkt")) {
        ShowError(4);
        return;
    }
    std::feclearexcept(FE_ALL_EXCEPT);
    auto perpendicular = std::make_unique<TSenkrechte>(dynamic_cast<const TStrecke&>(*figure), *point, name);
    if (FloatFaultRaised()) {
        ReportFloatFault(false);
        return;
    }
    AddObject(std::move(perpendicular));
}

void TParser::CmdParallele() {
    const std::string name = ReadNameCut10();
    if (Failed) return;
    if (Objects.Contains(name)) {
        ShowError(1);
        return;
    }
    const TPunkt* const figure = Find(ReadNameCut10());
    if (Failed) return;
    if (figure == nullptr) {
        ShowError(11);
        return;
    }
    if (!IsStraightFigure(figure)) {
        ShowError(14);
        return;
    }
    const auto& base = dynamic_cast<const TStrecke&>(*figure);

    SkipBlanks();
    if (!IsNumberChar(static_cast<unsigned char>(Ch))) {
        const TPunkt* const point = Find(ReadNameCut10());
        if (Failed) return;
        if (point == nullptr) {
            ShowError(15);
            return;
        }
        if (!IsKind(point, "Punkt")) {
            ShowError(4);
            return;
        }
        std::feclearexcept(FE_ALL_EXCEPT);
        auto parallel = std::make_unique<TParallele>(base, *point, name);
        if (FloatFaultRaised()) {
            ReportFloatFault(false);
            return;
        }
        AddObject(std::move(parallel));
        return;
    }

    const double distance = ReadNumber();
    if (Failed) return;
    std::feclearexcept(FE_ALL_EXCEPT);
    double x = 0, y = 0;
    ParallelPoint(base, distance, x, y);
    // The parallel keeps only the coordinates of its point, so it can be built and checked before the
    // auxiliary point joins the list: a rejected line leaves nothing behind.
    const TPunkt through("", x, y);
    auto parallel = std::make_unique<TParallele>(base, through, name);
    if (FloatFaultRaised()) {
        ReportFloatFault(false);
        return;
    }
    if (!CheckFinite({x, y})) return;
    if (!parallel->IsFinite()) {
        ReportFloatFault(false);
        return;
    }
    if (AddAuxiliaryPoint(x, y) == nullptr) return;
    AddObject(std::move(parallel));
}

void TParser::CmdKreis() {
    const std::string name = ReadName();
    if (Failed) return;
    if (Objects.Contains(name)) {
        ShowError(1);
        return;
    }
    TPunkt* const centre = Find(ReadName());
    if (Failed) return;
    if (centre == nullptr) {
        ShowError(16);
        return;
    }
    if (!IsKind(centre, "Punkt")) {
        ShowError(17);
        return;
    }

    double radius = 0;
    SkipBlanks();
    if (IsNumberChar(static_cast<unsigned char>(Ch))) {
        // Zero and negative radii are taken as typed.
        radius = ReadNumber();
        if (Failed) return;
    } else {
        const TPunkt* const other = Find(ReadName());
        if (Failed) return;
        if (other == nullptr) {
            ShowError(18);
            return;
        }
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        if (IsKind(other, "Punkt")) {
            x1 = other->GetX();
            y1 = other->GetY();
            x2 = centre->GetX();
            y2 = centre->GetY();
        } else if (IsKind(other, "Strecke")) {
            const auto& segment = dynamic_cast<const TStrecke&>(*other);
            x1 = segment.StartPoint()->GetX();
            y1 = segment.StartPoint()->GetY();
            x2 = segment.EndPoint()->GetX();
            y2 = segment.EndPoint()->GetY();
        } else {
            ShowError(20);
            return;
        }
        std::feclearexcept(FE_ALL_EXCEPT);
        radius = std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
        if (FloatFaultRaised()) {
            ReportFloatFault(false);
            return;
        }
        if (!CheckFinite({radius})) return;
    }
    AddObject(std::make_unique<TKreis>(centre, name, radius));
}
