// Checks that hold after every line, whatever the line was: shared by the fuzzers and adversarial tests.
#pragma once

#include <cmath>
#include <string>

#include "drawing/drawstate.h"
#include "geometry/tkreis.h"
#include "geometry/tstrecke.h"
#include "geometry/twinkel.h"
#include "parser/tparser.h"

namespace invariants {

inline bool Finite(double v) {
    return std::isfinite(v);
}

// Empty when every number reachable from the construction and the world window is finite and the window
// is a proper rectangle with positive scales; otherwise a description of the first offender.
inline std::string NonFiniteReport(const TParser& parser) {
    const DrawState& s = Drawing();
    if (!Finite(s.XMin) || !Finite(s.YMin) || !Finite(s.XMax) || !Finite(s.YMax))
        return "world window not finite";
    if (!(s.XMin < s.XMax) || !(s.YMin < s.YMax)) return "world window empty";
    if (!Finite(s.XScale) || !Finite(s.YScale) || !(s.XScale > 0) || !(s.YScale > 0))
        return "scales not finite and positive";
    auto pointBad = [](const TPunkt* p) { return p && (!Finite(p->GetX()) || !Finite(p->GetY())); };
    for (int i = 0; i < parser.Objects.Count(); ++i) {
        TPunkt* object = parser.Objects.Item(i);
        const std::string where =
            "object " + std::to_string(i) + " (" + std::string(object->KindName()) + ")";
        if (pointBad(object)) return where + ": position";
        double xmin, ymin, xmax, ymax;
        object->GetExtent(xmin, ymin, xmax, ymax);
        if (!Finite(xmin) || !Finite(ymin) || !Finite(xmax) || !Finite(ymax)) return where + ": extent";
        if (const auto* circle = dynamic_cast<const TKreis*>(object)) {
            if (pointBad(circle->Center()) || !Finite(circle->Radius())) return where + ": circle";
        } else if (const auto* straight = dynamic_cast<const TStrecke*>(object)) {
            if (pointBad(straight->StartPoint()) || pointBad(straight->EndPoint())) return where + ": ends";
        } else if (const auto* angle = dynamic_cast<const TWinkel*>(object)) {
            if (!Finite(angle->GetValue()) || pointBad(angle->GetVertex())) return where + ": angle";
        }
        if (!object->IsFinite()) return where + ": IsFinite() is false";
    }
    return {};
}

// Empty when FindByName gives, for every name in the list, the first object of that name.
inline std::string LookupReport(const TParser& parser) {
    for (int i = 0; i < parser.Objects.Count(); ++i) {
        const std::string& name = parser.Objects.Item(i)->GetName();
        if (name.empty()) continue;
        const TPunkt* found = parser.Objects.FindByName(name);
        int first = 0;
        while (parser.Objects.Item(first)->GetName() != name)
            ++first;
        if (found != parser.Objects.Item(first))
            return "FindByName(\"" + name + "\") misses object " + std::to_string(first);
        if (name.size() > kMaxNameLength) return "name longer than 20 characters: " + name;
    }
    return {};
}

}  // namespace invariants
