// STRECKE, GERADE, STRAHL and MITTELPUNKT/MP: straight figures and midpoints built from points.
#include <cmath>
#include <memory>
#include <string>

#include "geometry/tgerade.h"
#include "geometry/tstrahl.h"
#include "geometry/tstrecke.h"
#include "parser/tparser.h"

namespace {

// Without a given length, a segment of two new points runs from the origin to (5, 0).
constexpr double kDefaultSegmentLength = 5;

// The point at distance |length| from the ray's start (x1, y1) towards (x2, y2). The non-vertical case
// intersects the ray's line y = m x + c with the circle of radius length about the start.
void PointOnRay(double x1, double y1, double x2, double y2, double length, double& x, double& y) {
    // Exact comparison: only an exactly vertical ray is handled without the slope.
    if (x2 == x1) {
        x = x1;
        y = y2 > y1 ? y1 + length : y1 - length;
        return;
    }
    const double m = (y2 - y1) / (x2 - x1);
    const double c = y1 - m * x1;
    const double r = m * m + 1;
    const double t = (m * c - m * y1 - x1) / r;
    double d = t * t - ((c - y1) * (c - y1) + x1 * x1 - length * length) / r;
    // D is length^2 / r in exact arithmetic; rounding can push it just below 0 for a zero length.
    if (d < 0) d = 0;
    x = x2 > x1 ? std::sqrt(d) - t : -t - std::sqrt(d);
    y = m * x + c;
}

}  // namespace

void TParser::CmdStrecke() {
    const std::string name = ReadNewName(NameLength::Full);
    if (Failed) return;
    const std::string firstName = ReadName();
    if (Failed) return;
    TPunkt* const first = Find(firstName);

    TPunkt* start = nullptr;
    TPunkt* end = nullptr;
    if (IsKind(first, "Punkt")) {
        TPunkt* const second = ReadPoint(NameLength::Full, 5, 4);
        if (Failed) return;
        start = first;
        end = second;
    } else if (first == nullptr) {
        // Two objects of one line must not share a name: the later one could never be named.
        if (firstName == name) {
            ShowError(1);
            return;
        }
        const std::string secondName = ReadName();
        if (Failed) return;
        double length = kDefaultSegmentLength;
        SkipBlanks();
        if (IsNumberChar(static_cast<unsigned char>(Ch))) {
            length = ReadNumber();
            if (Failed) return;
        }
        TPunkt* const second = Find(secondName);
        if (second != nullptr && !IsKind(second, "Punkt")) {
            ShowError(4);
            return;
        }
        if (second == nullptr && (secondName == firstName || secondName == name)) {
            ShowError(1);
            return;
        }
        if (second != nullptr) {
            end = second;
        } else {
            auto point = std::make_unique<TPunkt>(secondName, length, 0);
            end = point.get();
            if (!AddObject(std::move(point))) return;
        }
        auto point = std::make_unique<TPunkt>(firstName, 0, 0);
        start = point.get();
        if (!AddObject(std::move(point))) return;
    } else if (IsKind(first, "Strahl")) {
        const auto* ray = dynamic_cast<const TStrecke*>(first);
        const std::string pointName = ReadName();
        if (Failed) return;
        if (Objects.Contains(pointName) || pointName == name) {
            ShowError(19);
            return;
        }
        const double length = ReadNumber();
        if (Failed) return;
        const TPunkt* const rayStart = ray->StartPoint();
        const TPunkt* const through = ray->EndPoint();
        ClearFloatFaults();
        double x = 0, y = 0;
        PointOnRay(rayStart->GetX(), rayStart->GetY(), through->GetX(), through->GetY(), length, x, y);
        if (RejectFloatFault()) return;
        if (!CheckFinite({x, y})) return;
        auto point = std::make_unique<TPunkt>(pointName, x, y);
        end = point.get();
        start = ray->StartPoint();
        if (!AddObject(std::move(point))) return;
    } else {
        ShowError(21);
        return;
    }
    AddObject(std::make_unique<TStrecke>(start, end, name));
}

void TParser::CmdGerade() {
    const std::string name = ReadNewName(NameLength::Cut10);
    if (Failed) return;
    TPunkt* const first = ReadPoint(NameLength::Cut10, "1. Punkt exisitiert nicht !", "Punktname eingeben !");
    if (Failed) return;
    TPunkt* const second =
        ReadPoint(NameLength::Cut10, "2. Punkt exisitiert nicht !", "Punktname eingeben !");
    if (Failed) return;
    AddObject(std::make_unique<TGerade>(first, second, name));
}

void TParser::CmdStrahl() {
    const std::string name = ReadNewName(NameLength::Cut10);
    if (Failed) return;
    TPunkt* const start = ReadPoint(NameLength::Cut10, "Anfangspunkt exisitiert nicht !", 13);
    if (Failed) return;
    TPunkt* const through = ReadPoint(NameLength::Cut10, "2. Punkt exisitiert nicht !", 13);
    if (Failed) return;
    AddObject(std::make_unique<TStrahl>(start, through, name));
}

void TParser::CmdMittelpunkt() {
    const std::string name = ReadNewName(NameLength::Cut10);
    if (Failed) return;
    const TPunkt* const figure = Find(ReadNameCut10());
    if (Failed) return;
    const TPunkt* from = nullptr;
    const TPunkt* to = nullptr;
    if (figure == nullptr) {
        ShowErrorText("Strecke oder Anfangspunkt eingeben! ");
        return;
    }
    if (IsKind(figure, "Strecke")) {
        const auto* segment = dynamic_cast<const TStrecke*>(figure);
        from = segment->StartPoint();
        to = segment->EndPoint();
    } else if (IsKind(figure, "Punkt")) {
        const TPunkt* const second = ReadPoint(NameLength::Cut10, 5, 12);
        if (Failed) return;
        from = figure;
        to = second;
    } else {
        ShowError(29);  // a number without text: the box reads "Unbekannter Fehler!"
        return;
    }
    ClearFloatFaults();
    const double x = from->GetX() + (to->GetX() - from->GetX()) / 2;
    const double y = from->GetY() + (to->GetY() - from->GetY()) / 2;
    if (RejectFloatFault()) return;
    if (!CheckFinite({x, y})) return;
    AddObject(std::make_unique<TPunkt>(name, x, y));
}
