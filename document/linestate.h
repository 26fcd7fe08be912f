// LineState: what the document knows of one line since it was last executed. The document keeps one for
// every line, so it is kept small: the tokens in an array of their exact count, the error text only for
// a rejected line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "parser/tparser.h"

// The tokens of one line, read-only once recorded. Most lines have at most five tokens: those are kept
// in the object itself, longer lines in an array of their exact count. 32 bytes either way.
class TokenList {
public:
    TokenList() { SetSize(0); }
    explicit TokenList(const std::vector<LineToken>& tokens) : TokenList(tokens.data(), tokens.size()) {}
    TokenList(const TokenList& other) : TokenList(other.begin(), other.size()) {}
    TokenList& operator=(const TokenList& other);
    TokenList(TokenList&& other) noexcept;
    TokenList& operator=(TokenList&& other) noexcept;
    ~TokenList();

    std::size_t size() const;
    bool empty() const { return size() == 0; }
    const LineToken& operator[](std::size_t i) const { return begin()[i]; }
    const LineToken& front() const { return begin()[0]; }
    const LineToken* begin() const;
    const LineToken* end() const { return begin() + size(); }

private:
    static constexpr std::size_t kLocal = 5;
    static constexpr std::size_t kSizeBytes = sizeof(std::uint16_t);
    static constexpr std::size_t kHeapOffset = 8;
    TokenList(const LineToken* tokens, std::size_t count);
    void SetSize(std::size_t count);
    bool Local() const { return size() <= kLocal; }
    LineToken* Heap() const;
    void SetHeap(LineToken* tokens);
    void Release();

    // Bytes 0-1: the count. Then up to kLocal tokens, or from kHeapOffset on the pointer to the array.
    alignas(8) std::byte raw_[kSizeBytes + kLocal * sizeof(LineToken)];
};
static_assert(sizeof(LineToken) == 6 && sizeof(TokenList) == 32, "TokenList packs five tokens and a count");

// A text that is usually empty: nothing allocated until it holds something.
class SparseText {
public:
    SparseText() = default;
    explicit SparseText(std::string text);
    SparseText(const SparseText& other) : SparseText(other.str()) {}
    SparseText& operator=(const SparseText& other);
    SparseText(SparseText&&) noexcept = default;
    SparseText& operator=(SparseText&&) noexcept = default;

    bool empty() const { return text_ == nullptr; }
    const std::string& str() const;
    friend bool operator==(const SparseText& a, std::string_view b) { return a.str() == b; }

private:
    std::unique_ptr<std::string> text_;
};

struct LineState {
    bool executed = false;
    bool accepted = false;
    int firstObject = 0;  // index in Objects of the first object the line created
    int objectCount = 0;  // objects it created (a rejected line keeps what it added before its error)
    TokenList tokens;     // where its words and numbers stand, as the interpreter read them
    SparseText message;   // the error text of a rejected line, Windows-1252
};
