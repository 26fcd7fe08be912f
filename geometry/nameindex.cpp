// NameIndex: a hash table of name chains over the elements of a list.
#include "geometry/nameindex.h"

#include <functional>

namespace {
constexpr std::size_t kInitialSlots = 16;
}  // namespace

std::uint32_t NameIndex::Hash(std::string_view name) {
    return static_cast<std::uint32_t>(std::hash<std::string_view>{}(name));
}

std::size_t NameIndex::Find(std::string_view name, std::uint32_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t s = hash & mask;; s = (s + 1) & mask) {
        const Slot& slot = slots_[s];
        if (slot.first < 0 || (slot.hash == hash && nameOf_(slot.first) == name)) return s;
    }
}

int NameIndex::First(std::string_view name) const {
    if (slots_.empty()) return -1;
    return slots_[Find(name, Hash(name))].first;
}

void NameIndex::Link(int element) {
    const auto size = static_cast<std::size_t>(element) + 1;
    if (next_.size() < size) {
        next_.resize(size, -1);
        previous_.resize(size, -1);
    }
}

void NameIndex::Insert(int element, std::string_view name) {
    // At most three quarters full: probe runs stay short, and the table small beside the objects.
    if (4 * (used_ + 1) > 3 * slots_.size()) Grow();
    Link(element);
    const std::uint32_t hash = Hash(name);
    Slot& slot = slots_[Find(name, hash)];
    if (slot.first < 0) {
        slot = {hash, element};
        ++used_;
        next_[element] = previous_[element] = element;
        return;
    }
    // The new element goes behind the last one of the chain smaller than itself; a new first element
    // goes behind the last, where the ring closes. Elements mostly join at the end of the list, so the
    // walk starts there.
    const int first = slot.first;
    const bool newFirst = element < first;
    int before = previous_[first];
    if (!newFirst)
        while (before > element)
            before = previous_[before];
    const int after = next_[before];
    next_[before] = element;
    previous_[element] = before;
    next_[element] = after;
    previous_[after] = element;
    if (newFirst) slot.first = element;
}

void NameIndex::Remove(int element, std::string_view name) {
    if (slots_.empty()) return;
    const std::size_t s = Find(name, Hash(name));
    Slot& slot = slots_[s];
    if (slot.first < 0) return;
    if (next_[element] == element) {
        EraseSlot(s);
        return;
    }
    const int before = previous_[element];
    const int after = next_[element];
    next_[before] = after;
    previous_[after] = before;
    if (slot.first == element) slot.first = after;
    next_[element] = previous_[element] = -1;
}

void NameIndex::EraseSlot(std::size_t slot) {
    // Backward-shift deletion: later members of the probe run move up, so no run is broken.
    const std::size_t mask = slots_.size() - 1;
    std::size_t hole = slot;
    for (std::size_t s = (hole + 1) & mask; slots_[s].first >= 0; s = (s + 1) & mask) {
        const std::size_t home = slots_[s].hash & mask;
        // The entry stays when its home lies cyclically in (hole, s].
        const bool stays = hole <= s ? (hole < home && home <= s) : (hole < home || home <= s);
        if (stays) continue;
        slots_[hole] = slots_[s];
        hole = s;
    }
    slots_[hole] = Slot{};
    --used_;
}

void NameIndex::Grow() {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(old.empty() ? kInitialSlots : 2 * old.size(), Slot{});
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.first < 0) continue;
        std::size_t s = slot.hash & mask;
        while (slots_[s].first >= 0)
            s = (s + 1) & mask;
        slots_[s] = slot;
    }
}

void NameIndex::Clear() {
    slots_.clear();
    used_ = 0;
    next_.clear();
    previous_.clear();
}
