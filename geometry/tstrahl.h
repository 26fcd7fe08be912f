// TStrahl: the ray from its start point through a second point.
#pragma once

#include "geometry/tstrecke.h"

class TStrahl : public TStrecke {
public:
    TStrahl() = default;
    TStrahl(TPunkt* start, TPunkt* through, std::string_view name) { Init(start, through, name); }

    std::string_view KindName() const override;
    void Draw() override;
    std::string Describe() const override;
    TPunkt* HitTest(double x, double y) override;  // never hits
};
