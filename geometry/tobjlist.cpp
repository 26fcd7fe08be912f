// TObjList: all objects of a construction in creation order; the sole owner of its elements.
#include "geometry/tobjlist.h"

#include <stdexcept>
#include <string>

#include "drawing/drawstate.h"
#include "drawing/transform.h"

TObjList::TObjList() : names_([this](int i) { return std::string_view(items_[i]->Name); }) {}

TObjList::~TObjList() = default;

TPunkt* TObjList::Item(int i) const {
    if (i < 0 || i >= Count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(i) + ")");
    return items_[static_cast<std::size_t>(i)].get();
}

void TObjList::Add(std::unique_ptr<TPunkt> object) {
    if (!object) return;  // an empty pointer is no object
    const int index = Count();
    object->list_ = this;
    object->listIndex_ = index;
    const TPunkt& added = *object;
    items_.push_back(std::move(object));
    names_.Insert(index, added.Name);
    // The first element is never examined by the view fitting.
    if (index > 0 && !boundsStale_) bounds_.Include(ExtentOf(added));
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
    return names_.First(name) >= 0;
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
    const int first = names_.First(name);
    return first < 0 ? nullptr : items_[static_cast<std::size_t>(first)].get();
}

int TObjList::IndexOf(const TPunkt* object) const {
    return object != nullptr && object->list_ == this ? object->listIndex_ : -1;
}

void TObjList::FreeAll() {
    // Oldest first, as the figures were built; no destructor looks at other elements.
    for (auto& object : items_)
        object.reset();
    items_.clear();
    names_.Clear();
    bounds_.Clear();
    boundsStale_ = false;
}

const ExtentBox& TObjList::ExtentOfAllButFirst() const {
    if (boundsStale_) {
        bounds_.Clear();
        for (std::size_t i = 1; i < items_.size(); ++i)
            bounds_.Include(ExtentOf(*items_[i]));
        boundsStale_ = false;
    }
    return bounds_.Bounds();
}

TObjList::Change::Change(TObjList* list, const TPunkt& object) : list_(list), object_(object) {
    if (list_ == nullptr) return;
    list_->names_.Remove(object_.listIndex_, object_.Name);
    before_ = ExtentOf(object_);
    x_ = object_.X;
    y_ = object_.Y;
}

TObjList::Change::~Change() {
    if (list_ == nullptr) return;
    list_->names_.Insert(object_.listIndex_, object_.Name);
    // An element that moved (Init again) may move the extents of figures built on it.
    if (object_.X != x_ || object_.Y != y_) list_->ExtentsMoved();
    if (object_.listIndex_ == 0 || list_->boundsStale_) return;
    // Otherwise only this element's extent changed: an extent depends on the element's own visibility
    // and on the positions of points. When the old extent gave a bound, the bounds must be found again;
    // otherwise the new extent is simply included.
    if (list_->bounds_.Attains(before_))
        list_->boundsStale_ = true;
    else
        list_->bounds_.Include(ExtentOf(object_));
}
