// TParallele: the parallel to a straight figure through a point, fixed at creation.
#pragma once

#include <memory>

#include "geometry/tgerade.h"

class TParallele : public TGerade {
public:
    TParallele() = default;
    TParallele(const TStrecke& line, const TPunkt& p, std::string_view name) { Init(line, p, name); }

    // Q1 is p moved by B - A, Q2 is p.
    void Init(const TStrecke& line, const TPunkt& p, std::string_view name);

    std::string_view KindName() const override;
    void Rotate(double angle) override;

private:
    std::unique_ptr<TPunkt> Q1;  // owned construction points, the same objects as P1 and P2
    std::unique_ptr<TPunkt> Q2;
};
