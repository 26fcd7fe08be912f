// A small reader and writer of initialisation files ("[Section]" lines and "key=value" lines), without Qt.
//
// The text is kept as bytes (Windows-1252 in practice); a write changes only the one line it concerns, and
// every other line, comments and foreign sections included, stays byte-exact.
// Rules, as the platform's profile functions have them:
// - Section and key names are matched without regard to ASCII letter case; other bytes match exactly.
// - Blanks and tabs around a section name, a key name and a value are ignored when reading and matching.
// - A line whose first non-blank character is ";" is a comment; it is never a key, and it is kept.
// - The first matching section and, in it, the first matching key win; lines before any section header
//   belong to no section.
// - A value read is cut to kMaxIniValueLength bytes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

inline constexpr std::size_t kMaxIniValueLength = 2047;

class IniFile {
public:
    IniFile() = default;
    // Takes the text as it is; any byte sequence is accepted.
    explicit IniFile(std::string_view text) : text_(text) {}

    // The value of key in section, or fallback when the section or the key is missing.
    std::string Read(std::string_view section, std::string_view key, std::string_view fallback) const;
    // Sets key in section to value, adding the section (at the end) or the key (after the section's last
    // non-blank line) when missing. A matching key line is replaced by "key=value"; new lines take the
    // file's first line end, or CR LF.
    void Write(std::string_view section, std::string_view key, std::string_view value);

    const std::string& Text() const { return text_; }

private:
    // The text is kept whole and scanned for each access, so that even a huge file of empty lines
    // costs no more memory than its bytes.
    struct Line {
        std::size_t begin;  // first byte of the line
        std::size_t end;    // end of the content, before "\r\n" or "\n"
        std::size_t next;   // first byte of the next line
    };
    Line LineAt(std::size_t begin) const;
    std::size_t LineStart(std::size_t offset) const;  // of the line holding offset
    std::string_view Content(const Line& line) const;
    // The lines after the header of the first matching section: [begin, end) in bytes; found is false
    // when there is no such section.
    struct SectionRange {
        bool found = false;
        std::size_t begin = 0;
        std::size_t end = 0;
    };
    SectionRange FindSection(std::string_view section) const;
    // The first key line of key in range, if any.
    std::optional<Line> FindKey(const SectionRange& range, std::string_view key) const;
    std::string LineEnding() const;
    // Inserts content plus a line end at offset, the start of a line or the end of the text.
    void InsertLine(std::size_t offset, std::string_view content);

    std::string text_;
};
