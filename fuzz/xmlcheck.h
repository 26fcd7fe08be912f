// A small well-formedness checker for the SVG the export writes: enough XML to tell a broken document,
// not a general parser (no DTD, no CDATA, no processing instructions but the declaration).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace xmlcheck {

// One attribute as written, its value still escaped.
struct Attribute {
    std::string_view element;
    std::string_view name;
    std::string_view value;
};

struct Result {
    std::string error;  // empty when well-formed
    std::set<std::string, std::less<>> ids;
    std::vector<std::string> references;  // "#id" of xlink:href and url(#id) of clip-path
    std::vector<Attribute> attributes;
};

namespace detail {

// Decodes one UTF-8 character at text[i], advancing i; false on a malformed or overlong sequence.
inline bool NextCodePoint(std::string_view text, std::size_t& i, char32_t& cp) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char b = byte(i);
    int length = 0;
    if (b < 0x80) {
        cp = b;
        length = 1;
    } else if ((b & 0xE0) == 0xC0) {
        cp = b & 0x1F;
        length = 2;
    } else if ((b & 0xF0) == 0xE0) {
        cp = b & 0x0F;
        length = 3;
    } else if ((b & 0xF8) == 0xF0) {
        cp = b & 0x07;
        length = 4;
    } else {
        return false;
    }
    if (i + length > text.size()) return false;
    for (int k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return false;
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kSmallest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += static_cast<std::size_t>(length);
    return true;
}

inline bool XmlChar(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           c >= 0x10000;
}

inline bool NameStart(char32_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' ||
           (c >= 0xC0 && c <= 0xD6) || (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x2FF) ||
           (c >= 0x370 && c <= 0x37D) || (c >= 0x37F && c <= 0x1FFF);
}

inline bool NameChar(char32_t c) {
    return NameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.' || c == 0xB7;
}

// Whether text is an XML name.
inline bool IsName(std::string_view text) {
    if (text.empty()) return false;
    std::size_t i = 0;
    bool first = true;
    while (i < text.size()) {
        char32_t c;
        if (!NextCodePoint(text, i, c)) return false;
        if (!(first ? NameStart(c) : NameChar(c))) return false;
        first = false;
    }
    return true;
}

// Character data or an attribute value: valid characters, '&' only as a known entity or a character
// reference, no '<'.
inline std::string CheckText(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '<') return "'<' in character data";
        if (text[i] == '&') {
            const std::size_t semi = text.find(';', i);
            if (semi == std::string_view::npos) return "unterminated entity";
            const std::string_view entity = text.substr(i + 1, semi - i - 1);
            const bool known =
                entity == "amp" || entity == "lt" || entity == "gt" || entity == "quot" || entity == "apos";
            const bool numeric = entity.size() > 1 && entity[0] == '#' &&
                                 entity.find_first_not_of("0123456789", 1) == std::string_view::npos;
            if (!known && !numeric) return "unknown entity &" + std::string(entity) + ";";
            i = semi + 1;
            continue;
        }
        char32_t c;
        if (!NextCodePoint(text, i, c)) return "malformed UTF-8";
        if (!XmlChar(c)) return "character not allowed in XML";
    }
    return {};
}

}  // namespace detail

// Checks document: the XML declaration, then exactly one root element with properly nested children,
// quoted attributes without repeats, and valid names, characters and entities throughout.
inline Result Check(std::string_view doc) {
    using namespace detail;
    Result result;
    auto fail = [&](std::string what, std::size_t at) {
        result.error = what + " at byte " + std::to_string(at);
        return result;
    };
    constexpr std::string_view kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
    if (doc.substr(0, kDeclaration.size()) != kDeclaration) return fail("no XML declaration", 0);
    std::size_t i = kDeclaration.size();
    std::vector<std::string_view> open;
    bool rootClosed = false;
    auto space = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (i < doc.size()) {
        const std::size_t lt = doc.find('<', i);
        const std::string_view text = doc.substr(i, (lt == std::string_view::npos ? doc.size() : lt) - i);
        if (open.empty()) {
            for (const char c : text)
                if (!space(c)) return fail("text outside the root element", i);
        } else if (std::string error = CheckText(text); !error.empty()) {
            return fail(error, i);
        }
        if (lt == std::string_view::npos) break;
        i = lt + 1;
        const bool closing = i < doc.size() && doc[i] == '/';
        if (closing) ++i;
        std::size_t nameEnd = i;
        while (nameEnd < doc.size() && !space(doc[nameEnd]) && doc[nameEnd] != '>' && doc[nameEnd] != '/')
            ++nameEnd;
        const std::string_view name = doc.substr(i, nameEnd - i);
        if (!IsName(name)) return fail("bad element name", i);
        i = nameEnd;
        if (closing) {
            while (i < doc.size() && space(doc[i]))
                ++i;
            if (i >= doc.size() || doc[i] != '>') return fail("unterminated end tag", i);
            if (open.empty() || open.back() != name) return fail("end tag does not match", i);
            open.pop_back();
            if (open.empty()) rootClosed = true;
            ++i;
            continue;
        }
        if (rootClosed) return fail("second root element", i);
        std::set<std::string_view> seen;
        bool selfClosing = false;
        for (;;) {
            const std::size_t before = i;
            while (i < doc.size() && space(doc[i]))
                ++i;
            if (i >= doc.size()) return fail("unterminated start tag", i);
            if (doc[i] == '>') {
                ++i;
                break;
            }
            if (doc[i] == '/') {
                if (i + 1 >= doc.size() || doc[i + 1] != '>') return fail("bad '/' in tag", i);
                i += 2;
                selfClosing = true;
                break;
            }
            if (i == before) return fail("no space before attribute", i);
            const std::size_t eq = doc.find('=', i);
            if (eq == std::string_view::npos) return fail("attribute without value", i);
            const std::string_view attribute = doc.substr(i, eq - i);
            if (!IsName(attribute)) return fail("bad attribute name", i);
            if (!seen.insert(attribute).second) return fail("repeated attribute", i);
            i = eq + 1;
            if (i >= doc.size() || (doc[i] != '"' && doc[i] != '\'')) return fail("unquoted attribute", i);
            const std::size_t close = doc.find(doc[i], i + 1);
            if (close == std::string_view::npos) return fail("unterminated attribute", i);
            const std::string_view value = doc.substr(i + 1, close - i - 1);
            if (std::string error = CheckText(value); !error.empty()) return fail(error, i);
            result.attributes.push_back({name, attribute, value});
            if (attribute == "id") {
                if (!IsName(value)) return fail("id is no XML name", i);
                if (!result.ids.emplace(value).second) return fail("repeated id " + std::string(value), i);
            } else if (attribute == "xlink:href") {
                result.references.emplace_back(value);
            } else if (attribute == "clip-path") {
                if (value.substr(0, 4) != "url(" || value.back() != ')') return fail("bad clip-path", i);
                result.references.emplace_back(value.substr(4, value.size() - 5));
            }
            i = close + 1;
        }
        if (!selfClosing)
            open.push_back(name);
        else if (open.empty())
            rootClosed = true;
    }
    if (!open.empty()) return fail("unclosed element " + std::string(open.back()), doc.size());
    if (!rootClosed) return fail("no root element", doc.size());
    for (const std::string& reference : result.references)
        if (reference.empty() || reference[0] != '#' || !result.ids.contains(reference.substr(1)))
            return fail("reference to a missing id " + reference, doc.size());
    return result;
}

}  // namespace xmlcheck
