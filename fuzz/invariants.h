// Checks that hold after every line, whatever the line was: shared by the fuzzers and adversarial tests.
#pragma once

#include <cmath>
#include <string>
#include <string_view>
#include <unordered_set>

#include "drawing/drawstate.h"
#include "geometry/tkreis.h"
#include "geometry/tstrecke.h"
#include "geometry/twinkel.h"
#include "parser/tparser.h"

namespace invariants {

inline bool Finite(double v) {
    return std::isfinite(v);
}

// Empty when the world window is finite, a proper rectangle, with positive scales; otherwise what is wrong.
inline std::string WindowReport() {
    const DrawState& s = Drawing();
    if (!Finite(s.XMin) || !Finite(s.YMin) || !Finite(s.XMax) || !Finite(s.YMax))
        return "world window not finite";
    if (!(s.XMin < s.XMax) || !(s.YMin < s.YMax)) return "world window empty";
    if (!Finite(s.XScale) || !Finite(s.YScale) || !(s.XScale > 0) || !(s.YScale > 0))
        return "scales not finite and positive";
    return {};
}

// Empty when every number reachable from the objects at index first and later is finite; otherwise a
// description of the first offender.
inline std::string ObjectsReport(const TParser& parser, int first = 0) {
    auto pointBad = [](const TPunkt* p) { return p && (!Finite(p->GetX()) || !Finite(p->GetY())); };
    // The text is made only for an offender: the checks run after every line of every fuzz input.
    auto where = [&](int i, const char* what) {
        return "object " + std::to_string(i) + " (" + std::string(parser.Objects.Item(i)->KindName()) +
               "): " + what;
    };
    for (int i = first; i < parser.Objects.Count(); ++i) {
        TPunkt* object = parser.Objects.Item(i);
        if (pointBad(object)) return where(i, "position");
        double xmin, ymin, xmax, ymax;
        object->GetExtent(xmin, ymin, xmax, ymax);
        if (!Finite(xmin) || !Finite(ymin) || !Finite(xmax) || !Finite(ymax)) return where(i, "extent");
        if (const auto* circle = dynamic_cast<const TKreis*>(object)) {
            if (pointBad(circle->Center()) || !Finite(circle->Radius())) return where(i, "circle");
        } else if (const auto* straight = dynamic_cast<const TStrecke*>(object)) {
            if (pointBad(straight->StartPoint()) || pointBad(straight->EndPoint())) return where(i, "ends");
        } else if (const auto* angle = dynamic_cast<const TWinkel*>(object)) {
            if (!Finite(angle->GetValue()) || pointBad(angle->GetVertex())) return where(i, "angle");
        }
        if (!object->IsFinite()) return where(i, "IsFinite() is false");
    }
    return {};
}

// Empty when every number reachable from the construction and the world window is finite and the window
// is a proper rectangle with positive scales; otherwise a description of the first offender.
inline std::string NonFiniteReport(const TParser& parser) {
    std::string report = WindowReport();
    if (report.empty()) report = ObjectsReport(parser);
    return report;
}

// Empty when FindByName gives, for every name in the list, the first object of that name, and Contains("")
// tells whether a nameless object exists; found by one pass in list order.
inline std::string LookupReport(const TParser& parser) {
    std::unordered_set<std::string_view> seen;
    bool nameless = false;
    for (int i = 0; i < parser.Objects.Count(); ++i) {
        const TPunkt* object = parser.Objects.Item(i);
        const std::string& name = object->GetName();
        if (name.empty()) {
            nameless = true;
            continue;
        }
        if (name.size() > kMaxNameLength) return "name longer than 20 characters: " + name;
        if (!seen.insert(name).second) continue;  // a later object of a name found before
        if (parser.Objects.FindByName(name) != object)
            return "FindByName(\"" + name + "\") misses object " + std::to_string(i);
    }
    if (parser.Objects.Contains("") != nameless) return "Contains(\"\") is wrong";
    return {};
}

}  // namespace invariants
