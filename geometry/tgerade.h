// TGerade: the infinite line through two points; base of the perpendicular and the parallel.
#pragma once

#include "geometry/tstrecke.h"

class TGerade : public TStrecke {
public:
    TGerade() = default;
    TGerade(TPunkt* p1, TPunkt* p2, std::string_view name) { Init(p1, p2, name); }

    std::string_view KindName() const override;
    void Draw() override;
    std::string Describe() const override;
};
