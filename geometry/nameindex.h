// NameIndex: finds the first element of a name in a list without scanning it.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

// A hash table from a name to the chain of the elements that bear it, in list order; the empty name is a
// name like any other. Elements are numbered 0, 1, ...; the index keeps no names of its own but asks
// nameOf for the current name of an element, so an element's name must not change while it is indexed
// under it: Remove it under the old name first, Insert it under the new one afterwards.
class NameIndex {
public:
    explicit NameIndex(std::function<std::string_view(int)> nameOf) : nameOf_(std::move(nameOf)) {}

    // Element `element`, whose name is now name, joins the chain of name at its place in list order.
    void Insert(int element, std::string_view name);
    // Element `element` leaves the chain of name, the name it had when it was inserted.
    void Remove(int element, std::string_view name);
    // The lowest element of that name, or -1.
    int First(std::string_view name) const;
    void Clear();

private:
    struct Slot {
        std::uint32_t hash = 0;
        int first = -1;  // -1: empty slot
    };
    static std::uint32_t Hash(std::string_view name);
    // The slot holding name, or else the empty slot where it would go.
    std::size_t Find(std::string_view name, std::uint32_t hash) const;
    void Grow();
    void EraseSlot(std::size_t slot);
    void Link(int element);  // makes sure next_ and previous_ cover element

    std::function<std::string_view(int)> nameOf_;
    std::vector<Slot> slots_;  // open addressing with linear probing; a power of two in size
    std::size_t used_ = 0;
    // Each chain is a ring in list order: next_ of the last element is the first, previous_ of the first
    // is the last.
    std::vector<int> next_;
    std::vector<int> previous_;
};
