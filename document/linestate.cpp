#include "document/linestate.h"

#include <algorithm>
#include <cstring>
#include <new>

TokenList::TokenList(const LineToken* tokens, std::size_t count) {
    SetSize(count);
    if (count <= kLocal) {
        // An empty vector's data() may be null, which memcpy must never be given, even for no bytes.
        if (count > 0) std::memcpy(raw_ + kSizeBytes, tokens, count * sizeof(LineToken));
        return;
    }
    auto heap = std::make_unique<LineToken[]>(count);
    std::copy(tokens, tokens + count, heap.get());
    // Owned through raw_ from here on; Release takes it back.
    SetHeap(heap.release());
}

TokenList& TokenList::operator=(const TokenList& other) {
    if (this != &other) *this = TokenList(other);
    return *this;
}

TokenList::TokenList(TokenList&& other) noexcept {
    std::memcpy(raw_, other.raw_, sizeof(raw_));
    other.SetSize(0);
}

TokenList& TokenList::operator=(TokenList&& other) noexcept {
    if (this != &other) {
        Release();
        std::memcpy(raw_, other.raw_, sizeof(raw_));
        other.SetSize(0);
    }
    return *this;
}

TokenList::~TokenList() {
    Release();
}

std::size_t TokenList::size() const {
    std::uint16_t count = 0;
    std::memcpy(&count, raw_, sizeof(count));
    return count;
}

const LineToken* TokenList::begin() const {
    if (Local()) return std::launder(reinterpret_cast<const LineToken*>(raw_ + kSizeBytes));
    return Heap();
}

void TokenList::SetSize(std::size_t count) {
    const auto stored = static_cast<std::uint16_t>(count);
    std::memcpy(raw_, &stored, sizeof(stored));
}

LineToken* TokenList::Heap() const {
    LineToken* heap = nullptr;
    std::memcpy(&heap, raw_ + kHeapOffset, sizeof(heap));
    return heap;
}

void TokenList::SetHeap(LineToken* tokens) {
    std::memcpy(raw_ + kHeapOffset, &tokens, sizeof(tokens));
}

void TokenList::Release() {
    if (!Local()) std::unique_ptr<LineToken[]> owned(Heap());
    SetSize(0);
}

SparseText::SparseText(std::string text) {
    if (!text.empty()) text_ = std::make_unique<std::string>(std::move(text));
}

SparseText& SparseText::operator=(const SparseText& other) {
    if (this != &other) *this = SparseText(other.str());
    return *this;
}

const std::string& SparseText::str() const {
    static const std::string kEmpty;
    return text_ ? *text_ : kEmpty;
}
