// POLYGON: the sides of a closed polygon through 3 to 10 existing points, named after the corners.
#include <algorithm>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "geometry/tpunkt.h"
#include "geometry/tstrecke.h"
#include "parser/tparser.h"
#include "text/asciicase.h"

namespace {

constexpr std::size_t kMinCorners = 3;
constexpr std::size_t kMaxCorners = 10;

const char* const kTooFewText = "Ein Polygon besteht mindestes aus drei Strecken!";
const char* const kTooManyText = "Mehr als 10 Punkte sind nicht m\xF6glich!";
const char* const kRepeatedText = "Punkte m\xFCssen verschieden sein!";
const char* const kTriangleNameText =
    "Namen der Dreiecksstrecken werden aus den Punktnamen abgeleitet. Ein entsprechender Streckenname "
    "existiert aber bereits!";
const char* const kPolygonNameText =
    "Namen der Polygonstrecken werden aus den Punktnamen abgeleitet. Ein entsprechender Streckenname "
    "existiert aber bereits!";

}  // namespace

void TParser::CmdPolygon() {
    SkipBlanks();
    if (AtEnd()) {
        ShowErrorText(kTooFewText);
        return;
    }

    std::vector<TPunkt*> corners;
    // A first name that names nothing ends the list with no corners at all.
    const std::string firstName = ReadName();
    if (Failed) return;
    TPunkt* corner = Find(firstName);
    while (corner != nullptr) {
        if (corner->KindName() != "Punkt") {
            ShowError(12);
            return;
        }
        corners.push_back(corner);
        SkipBlanks();
        if (AtEnd()) break;
        if (corners.size() == kMaxCorners) {
            ShowErrorText(kTooManyText);
            return;
        }
        const std::string name = ReadName();
        if (Failed) return;
        corner = Find(name);
        if (corner == nullptr) {
            ShowError(15);
            return;
        }
    }

    const std::size_t n = corners.size();
    if (n < kMinCorners) {
        ShowErrorText(kTooFewText);
        return;
    }
    // The same object twice; distinct points at equal coordinates are allowed.
    for (std::size_t i = 0; i < n; ++i) {
        if (std::find(corners.begin() + static_cast<std::ptrdiff_t>(i) + 1, corners.end(), corners[i]) !=
            corners.end()) {
            ShowErrorText(kRepeatedText);
            return;
        }
    }

    // sideNames[k] names the side from corner k to corner k+1 (the last one closes the polygon). In a
    // triangle a side carries the name of the opposite corner, otherwise the name of its first corner.
    std::vector<std::string> sideNames(n);
    for (std::size_t k = 0; k < n; ++k)
        sideNames[k] = LowerAscii(corners[n == kMinCorners ? (k + 2) % n : k]->GetName());
    for (std::size_t k = 0; k < n; ++k) {
        // Corners whose names differ only in case would give two sides one name; neither could be told
        // apart later, so that counts as a name that exists already.
        const bool repeated = std::find(sideNames.begin(), sideNames.begin() + static_cast<std::ptrdiff_t>(k),
                                        sideNames[k]) != sideNames.begin() + static_cast<std::ptrdiff_t>(k);
        if (repeated || Objects.Contains(sideNames[k])) {
            ShowErrorText(n == kMinCorners ? kTriangleNameText : kPolygonNameText);
            return;
        }
    }

    for (std::size_t k = 0; k < n; ++k)
        if (!AddObject(std::make_unique<TStrecke>(corners[k], corners[(k + 1) % n], sideNames[k]))) return;
}
