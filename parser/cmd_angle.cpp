// WINKEL: lays off an angle against a first leg, or bisects an existing angle (HALB, HALBIERENDE).
#include <cmath>
#include <memory>
#include <numbers>
#include <string>
#include <string_view>

#include "geometry/tstrahl.h"
#include "geometry/tstrecke.h"
#include "geometry/twinkel.h"
#include "parser/commandwords.h"
#include "parser/tparser.h"

namespace {

// A leg whose far end lies within this of the vertex in x counts as vertical.
constexpr double kVerticalLegTolerance = 1e-9;

bool IsLegKind(const TPunkt* object) {
    return IsKind(object, "Strahl") || IsKind(object, "Strecke");
}

// The point at which the new leg is aimed: at the first leg's length from the vertex, turned by
// degrees (counter-clockwise) from the direction vertex -> far end of the leg. The far end is the leg's
// end that is not the vertex object; a vertex that is neither end uses the leg's start.
void AimOfNewLeg(const TStrecke& leg, const TPunkt& vertex, double degrees, double& x, double& y) {
    using std::numbers::pi;
    const TPunkt* const farEnd = leg.StartPoint() == &vertex ? leg.EndPoint() : leg.StartPoint();
    const double xV = vertex.GetX();
    const double yV = vertex.GetY();
    const double xF = farEnd->GetX();
    const double yF = farEnd->GetY();
    const double length = std::sqrt((xV - xF) * (xV - xF) + (yV - yF) * (yV - yF));
    const double delta = degrees * pi / 180;
    double phi;
    if (std::fabs(xF - xV) < kVerticalLegTolerance)
        phi = yF - yV >= 0 ? delta + pi / 2 : delta + 3 * pi / 2;
    else if (xF - xV < 0)
        phi = std::atan((yF - yV) / (xF - xV)) + delta + pi;
    else
        phi = std::atan((yF - yV) / (xF - xV)) + delta;
    x = xV + length * std::cos(phi);
    y = yV + length * std::sin(phi);
}

}  // namespace

void TParser::CmdWinkel() {
    std::string firstWord;
    ReadOptionalName(firstWord);
    if (Failed) return;
    const bool bisector = IsBisectorKeyword(firstWord);

    if (bisector) {
        const std::string rayName = ReadNameCut10();
        if (Failed) return;
        if (Objects.Contains(rayName)) {
            ShowError(1);
            return;
        }
        const TPunkt* const found = Find(ReadNameCut10());
        if (Failed) return;
        if (found == nullptr) {
            ShowErrorText("Winkel nicht vorhanden");
            return;
        }
        if (!IsKind(found, "Winkel")) {
            ShowError(26);
            return;
        }
        const auto& angle = dynamic_cast<const TWinkel&>(*found);
        ClearFloatFaults();
        double x = 0, y = 0;
        AimOfNewLeg(*angle.GetLeg(), *angle.GetVertex(), angle.GetValue() / 2, x, y);
        if (RejectFloatFault()) return;
        if (!CheckFinite({x, y})) return;
        TPunkt* const aim = AddAuxiliaryPoint(x, y);
        if (aim == nullptr) return;
        AddObject(std::make_unique<TStrahl>(angle.GetVertex(), aim, rayName));
        return;
    }

    const std::string name = firstWord.substr(0, kShortNameLength);
    if (Objects.Contains(name)) {
        ShowError(1);
        return;
    }
    TPunkt* const legObject = ReadObject(NameLength::Cut10, IsLegKind, "Stecke oder Strahl nicht vorhanden!",
                                         "Strecke oder Strahl als ersten Schenkel eingeben!");
    if (Failed) return;
    auto* const leg = dynamic_cast<TStrecke*>(legObject);
    TPunkt* const vertex =
        ReadPoint(NameLength::Cut10, "Scheitelpunkt exisitiert nicht !", "Punkt eingeben !");
    if (Failed) return;
    const std::string rayName = ReadNameCut10();
    if (Failed) return;
    // The ray and the angle must not share a name: the angle could never be named.
    if (Objects.Contains(rayName) || rayName == name) {
        ShowError(1);
        return;
    }
    const double degrees = ReadNumber();
    if (Failed) return;

    ClearFloatFaults();
    double x = 0, y = 0;
    AimOfNewLeg(*leg, *vertex, degrees, x, y);
    if (RejectFloatFault()) return;
    if (!CheckFinite({x, y})) return;
    TPunkt* const aim = AddAuxiliaryPoint(x, y);
    if (aim == nullptr) return;
    if (!AddObject(std::make_unique<TStrahl>(vertex, aim, rayName))) return;
    AddObject(std::make_unique<TWinkel>(leg, vertex, degrees, name));
}
