// TKreis: the circle about a centre point with a fixed radius.
#pragma once

#include "geometry/tstrecke.h"

class TKreis : public TStrecke {
public:
    TKreis() = default;
    TKreis(TPunkt* centre, std::string_view name, double radius) { Init(centre, name, radius); }

    // The radius is taken as given, negative ones included.
    void Init(TPunkt* centre, std::string_view name, double radius);

    std::string_view KindName() const override;
    void Draw() override;
    void GetExtent(double& xmin, double& ymin, double& xmax, double& ymax) const override;
    std::string Describe() const override;
    bool IsFinite() const override;
    // StartPoint and EndPoint stay empty for a circle.
    virtual TPunkt* Center() const { return M; }
    virtual double Radius() const { return R; }

private:
    TPunkt* M = nullptr;  // not owned: a point of the object list
    double R = 0;
};
