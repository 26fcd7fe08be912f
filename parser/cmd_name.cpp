// BEZEICHNE: names the intersection points of two figures, or the angle between two legs at a vertex.
#include <cmath>
#include <memory>
#include <numbers>
#include <string>
#include <string_view>

#include "geometry/tpunkt.h"
#include "geometry/tstrecke.h"
#include "geometry/twinkel.h"
#include "intersect/intersect.h"
#include "parser/commandwords.h"
#include "parser/tparser.h"

namespace {

constexpr double kFullTurn = 360;

const char* const kNameMissingText = "Name fehlt!";
const char* const kUnknownFormText = "Unbekannte Anweisung! Schnittpunkt oder Winkel eingeben.";
const char* const kNoSuchFigureText = "Bezeichner nicht vorhanden!.";

bool IsLegKind(std::string_view kind) {
    return kind == "Strecke" || kind == "Strahl" || kind == "Punkt";
}

// Direction in degrees from the vertex v to the far point f of a leg, between -90 and 270.
double LegDirection(const TPunkt& v, const TPunkt& f) {
    const double xv = v.GetX(), yv = v.GetY();
    const double xf = f.GetX(), yf = f.GetY();
    // Exact comparison: only an exactly vertical leg (or f on v) has no slope.
    if (xv == xf) return yv > yf ? 270 : 90;
    double dx = xf - xv;
    double dy = yf - yv;
    if (!std::isfinite(dx) || !std::isfinite(dy)) {
        // Halved, the differences of points near the double range fit; the direction is the same.
        dx = xf * 0.5 - xv * 0.5;
        dy = yf * 0.5 - yv * 0.5;
    }
    // A slope beyond the double range gives the limit direction of +-90 degrees.
    double direction = std::atan(dy / dx) * 180 / std::numbers::pi;
    if (xv > xf) direction += 180;
    return direction;
}

// Error number for a leg argument: 24 when it names nothing, 14 when it is no segment, ray or point.
int LegError(const TPunkt* leg) {
    if (leg == nullptr) return 24;
    if (!IsLegKind(leg->KindName())) return 14;
    return 0;
}

// The far point of a leg seen from the vertex, or the error number: 25 for a ray that does not start at
// the vertex, 23 for a segment that does not end there. The ends are matched by object identity.
int FarPointOfLeg(TPunkt& leg, const TPunkt& vertex, const TPunkt*& far) {
    far = nullptr;
    if (leg.KindName() == "Punkt") {
        far = &leg;
        return 0;
    }
    const auto* straight = dynamic_cast<const TStrecke*>(&leg);
    if (straight == nullptr) return 14;
    if (leg.KindName() == "Strahl") {
        if (straight->StartPoint() != &vertex) return 25;
        far = straight->EndPoint();
    } else if (straight->StartPoint() == &vertex) {
        far = straight->EndPoint();
    } else if (straight->EndPoint() == &vertex) {
        far = straight->StartPoint();
    } else {
        return 23;
    }
    return far == nullptr ? 99 : 0;
}

}  // namespace

void TParser::CmdBezeichne() {
    // SCHNITTPUNKT: one or two new points where two figures meet.
    auto nameIntersection = [this] {
        TPunkt* figures[2] = {nullptr, nullptr};
        for (TPunkt*& figure : figures) {
            const std::string name = ReadName();
            if (Failed) return;
            figure = Find(name);
            if (figure == nullptr) {
                ShowErrorText(kNoSuchFigureText);
                return;
            }
        }

        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        const int count = Intersect(*figures[0], *figures[1], x1, y1, x2, y2);
        if (count == kNoIntersection) {
            ShowError(7);
            return;
        }
        if (count == kNotUnique) {
            ShowError(8);
            return;
        }
        if (count != 1 && count != 2) {
            ShowError(99);
            return;
        }
        // Both points are checked before the first one is created, so a faulty result adds nothing.
        if (!CheckFinite({x1, y1})) return;
        if (count == 2 && !CheckFinite({x2, y2})) return;

        const std::string firstName = ReadName();
        if (Failed) return;
        if (Objects.Contains(firstName)) {
            ShowError(1);
            return;
        }
        // A second name after a single point is not read.
        std::string secondName;
        if (count == 2) {
            secondName = ReadName();
            if (Failed) return;
        }

        if (!AddObject(std::make_unique<TPunkt>(firstName, x1, y1))) return;
        if (count == 2) {
            // Checked only now, so that a name equal to the first one is caught; the first point stays.
            if (Objects.Contains(secondName)) {
                ShowError(1);
                return;
            }
            AddObject(std::make_unique<TPunkt>(secondName, x2, y2));
        }
    };

    // WINKEL: an angle object from the first leg to the second, counter-clockwise, 0 to below 360.
    auto nameAngle = [this] {
        TPunkt* legs[2] = {nullptr, nullptr};
        TPunkt* vertex = nullptr;
        // Read in line order: first leg, vertex, second leg; each is checked right after it is read.
        for (int argument = 0; argument < 3; ++argument) {
            const std::string name = ReadName();
            if (Failed) return;
            TPunkt* object = Find(name);
            int error;
            if (argument == 1) {
                vertex = object;
                error = object == nullptr ? 24 : object->KindName() != "Punkt" ? 4 : 0;
            } else {
                legs[argument / 2] = object;
                error = LegError(object);
            }
            if (error != 0) {
                ShowError(error);
                return;
            }
        }

        const TPunkt* far[2] = {nullptr, nullptr};
        for (int i = 0; i < 2; ++i) {
            if (const int error = FarPointOfLeg(*legs[i], *vertex, far[i]); error != 0) {
                ShowError(error);
                return;
            }
        }

        const std::string name = ReadNewName(NameLength::Full);
        if (Failed) return;

        double value = LegDirection(*vertex, *far[1]) - LegDirection(*vertex, *far[0]);
        if (value < 0) value += kFullTurn;
        // A difference a rounding error below 0 lands exactly on 360 above; both legs then point one way.
        if (value >= kFullTurn) value -= kFullTurn;
        if (!CheckFinite({value})) return;

        std::unique_ptr<TWinkel> angle;
        if (auto* straightLeg = dynamic_cast<TStrecke*>(legs[0]))
            angle = std::make_unique<TWinkel>(straightLeg, vertex, value, name);
        else
            // A point leg becomes a nameless segment from the vertex that only this angle knows and owns.
            angle = std::make_unique<TWinkel>(std::make_unique<TStrecke>(vertex, legs[0], ""), vertex, value,
                                              name);
        AddObject(std::move(angle));
    };

    SkipBlanks();
    if (AtEnd()) {
        ShowErrorText(kNameMissingText);
        return;
    }
    std::string keyword;
    ReadOptionalName(keyword);
    if (Failed) return;
    if (IsIntersectionKeyword(keyword))
        nameIntersection();
    else if (IsAngleKeyword(keyword))
        nameAngle();
    else
        ShowErrorText(kUnknownFormText);
}
