// TObjList: all objects of a construction in creation order; the sole owner of its elements.
#include "geometry/tobjlist.h"

#include <stdexcept>
#include <string>

#include "drawing/drawstate.h"
#include "drawing/transform.h"

TPunkt* TObjList::Item(int i) const {
    if (i < 0 || i >= Count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(i) + ")");
    return items_[static_cast<std::size_t>(i)].get();
}

void TObjList::Add(std::unique_ptr<TPunkt> object) {
    if (object) items_.push_back(std::move(object));  // an empty pointer is no object
}

void TObjList::DrawAll() const {
    // While a print job runs the canvas may be the printer's; printing draws through PrintAll.
    if (Drawing().PrinterBusy) return;
    PrintAll();
}

void TObjList::PrintAll() const {
    for (const auto& object : items_)
        object->DrawObject();
}

bool TObjList::Contains(std::string_view name) const {
    for (const auto& object : items_)
        if (object->Name == name) return true;
    return false;
}

TPunkt* TObjList::FindAt(int px, int py) const {
    const double x = ToWorldX(px);
    const double y = ToWorldY(py);
    // The newest hit wins: an angle lies above the vertex it was made at.
    TPunkt* found = nullptr;
    for (const auto& object : items_)
        if (TPunkt* hit = object->HitTest(x, y)) found = hit;
    return found;
}

TPunkt* TObjList::FindByName(std::string_view name) const {
    for (const auto& object : items_)
        if (object->Name == name) return object.get();
    return nullptr;
}

void TObjList::FreeAll() {
    // Oldest first, as the figures were built; no destructor looks at other elements.
    for (auto& object : items_)
        object.reset();
    items_.clear();
}
