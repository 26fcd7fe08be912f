// TObjList: all objects of a construction in creation order; the sole owner of its elements.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "geometry/tpunkt.h"

class TObjList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    // Throws std::out_of_range ("List index out of bounds (i)") outside 0 .. Count-1.
    TPunkt* Item(int i) const;
    void Add(std::unique_ptr<TPunkt> object);  // takes ownership

    // Draws every element in order, unless a print job is running.
    void DrawAll() const;
    // Draws every element in order regardless of the printer.
    void PrintAll() const;
    bool Contains(std::string_view name) const;
    // The last element whose HitTest hits the world position of device point (px, py); nullptr if none.
    TPunkt* FindAt(int px, int py) const;
    // The oldest element of that exact name; nullptr if none.
    TPunkt* FindByName(std::string_view name) const;
    void FreeAll();

private:
    std::vector<std::unique_ptr<TPunkt>> items_;  // index 0 is the oldest
};
