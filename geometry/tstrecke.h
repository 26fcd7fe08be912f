// TStrecke: the segment, and the base of every figure defined by two points.
#pragma once

#include "geometry/tpunkt.h"

// True for the kinds of TStrecke and its descendants, the straight figures with StartPoint and EndPoint:
// "Strecke", "Strahl", "Gerade", "Senkrechte", "Parallele".
bool IsStraightKind(std::string_view kind);

class TStrecke : public TPunkt {
public:
    TStrecke() = default;
    TStrecke(TPunkt* p1, TPunkt* p2, std::string_view name) { Init(p1, p2, name); }

    void Init(TPunkt* p1, TPunkt* p2, std::string_view name);

    std::string_view KindName() const override;
    void Draw() override;
    void GetExtent(double& xmin, double& ymin, double& xmax, double& ymax) const override;
    std::string Describe() const override;
    TPunkt* HitTest(double x, double y) override;  // never hits
    bool IsFinite() const override;
    virtual TPunkt* StartPoint() const { return P1; }
    virtual TPunkt* EndPoint() const { return P2; }

protected:
    // The label anchor: the middle between the two defining points.
    void DrawLabelAtMiddle();
    // The coordinates of both defining points; false (and all 0) when one of them is missing.
    bool GetEnds(double& x1, double& y1, double& x2, double& y2) const;
    // "<kind>name: Anfangspunkt (x1/y1) Winkel a grad", the text of rays and lines.
    std::string DescribeDirected(std::string_view kindWord) const;

    TPunkt* P1 = nullptr;  // not owned: a point of the object list (or the figure's own construction point)
    TPunkt* P2 = nullptr;
};

// The direction from p1 to p2 in degrees as straight figures describe it: 90 for every vertical figure,
// otherwise between -90 and 270.
double DescribedDirection(double x1, double y1, double x2, double y2);
