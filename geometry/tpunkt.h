// TPunkt: the root of every geometric object of a construction, and the plain point.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

inline constexpr std::size_t kMaxNameLength = 20;

class TObjList;

class TPunkt {
public:
    TPunkt() = default;  // all fields zero, false or empty until Init
    TPunkt(std::string_view name, double x, double y) { Init(name, x, y); }
    virtual ~TPunkt() = default;
    TPunkt(const TPunkt&) = delete;
    TPunkt& operator=(const TPunkt&) = delete;

    // Name cut to 20 characters; Visible := true; Color untouched. For objects not yet in a list.
    void Init(std::string_view name, double x, double y);
    void SetColor(std::uint16_t code) { Color = code; }
    // Deleting: invisible and nameless, but kept in the list so that figures built on it stay valid.
    void Erase();
    void ClearLabel();
    const std::string& GetName() const { return Name; }
    // Draw as one object of the picture, between the canvas's object boundaries.
    void DrawObject();

    // Virtual operations in slot order.
    virtual std::string_view KindName() const;
    virtual double GetX() const { return X; }
    virtual double GetY() const { return Y; }
    virtual void Rotate(double angle);  // degrees, counter-clockwise about the world origin
    virtual void Draw();
    virtual void GetExtent(double& xmin, double& ymin, double& xmax, double& ymax) const;
    virtual std::string Describe() const;
    // This object when (x, y) lies strictly within 0.2 of (X, Y) on both axes, ignoring Visible.
    virtual TPunkt* HitTest(double x, double y);
    // True when every number that defines the object is finite; checked before an object is added.
    virtual bool IsFinite() const;

    // In a list, Visible, X and Y change only through Erase and Rotate, which the list hears of.
    double X = 0;
    double Y = 0;
    bool Visible = false;
    std::uint16_t Color = 0;

private:
    friend class TObjList;
    // The object's place in the list that holds it (set by that list; -1 outside a list). Declared here
    // so that it shares a word with Visible and Color.
    int listIndex_ = -1;

protected:
    // Tells the list holding this object that positions, and so extents, may have moved (a rotation).
    void MovedInList();

    // At most 20 characters, Windows-1252. Written only by Init, Erase and ClearLabel, which keep the
    // list's name index in step.
    std::string Name;

private:
    TObjList* list_ = nullptr;  // the list that holds the object, not owned
};

// True when object exists and is of that kind (KindName).
bool IsKind(const TPunkt* object, std::string_view kind);

// (x, y) rotated about the origin by angle degrees, with the point's rule for |x| < 1e-5.
void RotateAboutOrigin(double& x, double& y, double angle);
