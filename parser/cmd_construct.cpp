// SENKRECHTE, PARALLELE and KREIS: figures built on an existing straight figure or centre.
#include <cmath>
#include <memory>
#include <string>

#include "geometry/tkreis.h"
#include "geometry/tparallele.h"
#include "geometry/tsenkrechte.h"
#include "parser/tparser.h"

namespace {

// The kinds that have a direction through StartPoint and EndPoint.
bool IsStraightFigure(const TPunkt* object) {
    return object != nullptr && IsStraightKind(object->KindName());
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
    const std::string name = ReadNewName(NameLength::Cut10);
    if (Failed) return;
    const TPunkt* const figure = ReadObject(NameLength::Cut10, IsStraightFigure, 11, 14);
    if (Failed) return;
    const TPunkt* const point = ReadPoint(NameLength::Cut10, 15, 4);
    if (Failed) return;
    ClearFloatFaults();
    auto perpendicular = std::make_unique<TSenkrechte>(dynamic_cast<const TStrecke&>(*figure), *point, name);
    if (RejectFloatFault()) return;
    AddObject(std::move(perpendicular));
}

void TParser::CmdParallele() {
    const std::string name = ReadNewName(NameLength::Cut10);
    if (Failed) return;
    const TPunkt* const figure = ReadObject(NameLength::Cut10, IsStraightFigure, 11, 14);
    if (Failed) return;
    const auto& base = dynamic_cast<const TStrecke&>(*figure);

    SkipBlanks();
    if (!IsNumberChar(static_cast<unsigned char>(Ch))) {
        const TPunkt* const point = ReadPoint(NameLength::Cut10, 15, 4);
        if (Failed) return;
        ClearFloatFaults();
        auto parallel = std::make_unique<TParallele>(base, *point, name);
        if (RejectFloatFault()) return;
        AddObject(std::move(parallel));
        return;
    }

    const double distance = ReadNumber();
    if (Failed) return;
    ClearFloatFaults();
    double x = 0, y = 0;
    ParallelPoint(base, distance, x, y);
    // The parallel keeps only the coordinates of its point, so it can be built and checked before the
    // auxiliary point joins the list: a rejected line leaves nothing behind.
    const TPunkt through("", x, y);
    auto parallel = std::make_unique<TParallele>(base, through, name);
    if (RejectFloatFault()) return;
    if (!CheckFinite({x, y})) return;
    if (!parallel->IsFinite()) {
        ReportFloatFault(false);
        return;
    }
    if (AddAuxiliaryPoint(x, y) == nullptr) return;
    AddObject(std::move(parallel));
}

void TParser::CmdKreis() {
    const std::string name = ReadNewName(NameLength::Full);
    if (Failed) return;
    TPunkt* const centre = ReadPoint(NameLength::Full, 16, 17);
    if (Failed) return;

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
        ClearFloatFaults();
        radius = std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
        if (RejectFloatFault()) return;
        if (!CheckFinite({radius})) return;
    }
    AddObject(std::make_unique<TKreis>(centre, name, radius));
}
