// TParallele: the parallel to a straight figure through a point, fixed at creation.
#pragma once

#include "geometry/tconstructedline.h"

class TParallele : public TConstructedLine {
public:
    TParallele() = default;
    TParallele(const TStrecke& line, const TPunkt& p, std::string_view name) { Init(line, p, name); }

    // Q1 is p moved by B - A, Q2 is p.
    void Init(const TStrecke& line, const TPunkt& p, std::string_view name);

    std::string_view KindName() const override;
};
