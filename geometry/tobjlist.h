// TObjList: all objects of a construction in creation order; the sole owner of its elements.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "geometry/extentbounds.h"
#include "geometry/nameindex.h"
#include "geometry/tpunkt.h"

// Besides the elements the list keeps a name index and the running bounds of the extents of its
// elements after the first, so that lookups and the view fitting take constant time. Elements tell the
// list when they change name or visibility (Init, Erase, ClearLabel) or move (Rotate).
class TObjList {
public:
    TObjList();
    ~TObjList();
    // Elements refer back to their list.
    TObjList(const TObjList&) = delete;
    TObjList& operator=(const TObjList&) = delete;

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
    // The place of object in this list; -1 when it is not in it.
    int IndexOf(const TPunkt* object) const;
    void FreeAll();

    // The bounds of the extents of the elements at index 1 and later, exactly as a loop over them would
    // find them (see ExtentBounds; all NaN for fewer than two elements). After a rotation the first call
    // visits every element once.
    const ExtentBox& ExtentOfAllButFirst() const;

    // Brackets a change of an element's name or extent: the name index and the bounds follow it.
    class Change {
    public:
        Change(TObjList* list, const TPunkt& object);  // list may be nullptr: nothing to follow
        ~Change();
        Change(const Change&) = delete;
        Change& operator=(const Change&) = delete;

    private:
        TObjList* list_;
        const TPunkt& object_;
        ExtentBox before_;
        double x_ = 0;  // the position before the change
        double y_ = 0;
    };

private:
    friend class TPunkt;
    // Positions may have moved: the bounds are found again when next asked for.
    void ExtentsMoved() { boundsStale_ = true; }

    std::vector<std::unique_ptr<TPunkt>> items_;  // index 0 is the oldest
    NameIndex names_;
    mutable ExtentBounds bounds_;  // of the elements at index 1 and later
    mutable bool boundsStale_ = false;
};
