// TWinkel: the marking of an angle at a vertex, drawn as an arc with a Greek label.
#pragma once

#include <memory>

#include "geometry/tstrecke.h"

class TWinkel : public TPunkt {
public:
    TWinkel() = default;
    // leg and vertex are objects of the list (not owned).
    TWinkel(TStrecke* leg, TPunkt* vertex, double value, std::string_view name) {
        Init(leg, vertex, value, name);
    }
    // The angle owns its first leg (a nameless segment from the vertex, made for it alone).
    TWinkel(std::unique_ptr<TStrecke> ownLeg, TPunkt* vertex, double value, std::string_view name);

    // X, Y become a copy of the vertex position.
    void Init(TStrecke* leg, TPunkt* vertex, double value, std::string_view name);
    TStrecke* GetLeg() const { return Leg; }
    TPunkt* GetVertex() const { return Vertex; }
    double GetValue() const { return Value; }

    std::string_view KindName() const override;
    void Draw() override;
    std::string Describe() const override;
    bool IsFinite() const override;

private:
    TStrecke* Leg = nullptr;   // the first leg; OwnLeg when the angle made it itself
    TPunkt* Vertex = nullptr;  // not owned
    double Value = 0;          // degrees, positive counter-clockwise from the first leg
    std::unique_ptr<TStrecke> OwnLeg;
};

// The arc of an angle: start and end direction in whole degrees for DrawAngleArc, and the label
// direction, from the leg's far end F and the value, seen from the vertex V.
struct AngleArc {
    int from = 0;
    int to = 0;
    double labelDirection = 0;
};
AngleArc ComputeAngleArc(double vx, double vy, double fx, double fy, double value);
