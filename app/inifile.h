// A small reader and writer of initialisation files ("[Section]" lines and "key=value" lines), without Qt.
//
// The text is kept as bytes (Windows-1252 in practice) and line by line, so that a write changes only the
// one line it concerns and every other line, comments and foreign sections included, stays byte-exact.
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
#include <vector>

inline constexpr std::size_t kMaxIniValueLength = 2047;

class IniFile {
public:
    IniFile() = default;
    // Splits text into lines; any byte sequence is accepted.
    explicit IniFile(std::string_view text);

    // The value of key in section, or fallback when the section or the key is missing.
    std::string Read(std::string_view section, std::string_view key, std::string_view fallback) const;
    // Sets key in section to value, adding the section (at the end) or the key (after the section's last
    // non-blank line) when missing. A matching key line is replaced by "key=value".
    void Write(std::string_view section, std::string_view key, std::string_view value);

    // The whole text, with the line ends each line had.
    std::string Text() const;

private:
    struct Line {
        std::string content;  // without the line end
        std::string ending;   // "\r\n", "\n" or empty for a last line without one
    };
    // Index range [begin, end) of the lines after the header of the first matching section; begin is
    // npos when there is no such section.
    struct SectionRange {
        std::size_t begin;
        std::size_t end;
    };
    SectionRange FindSection(std::string_view section) const;
    // Index of the first key line of key in range, or npos.
    std::size_t FindKey(const SectionRange& range, std::string_view key) const;
    std::string NewLineEnding() const;
    void InsertLine(std::size_t index, std::string content);

    std::vector<Line> lines_;
};

// The file's bytes; nullopt when it cannot be opened or read. A missing file is nullopt too; tell the two
// apart with std::filesystem::exists where it matters.
std::optional<std::string> ReadFileBytes(const std::string& path);

// Replaces the file at path with bytes, whole or not at all: the bytes go to a new file beside it, which
// is flushed to disk and then renamed over the target. A symbolic link is followed and its target
// replaced; an existing target keeps its permission bits. Returns false, with the old file untouched, on
// any failure, and when path names something other than a regular file.
bool ReplaceFileAtomically(const std::string& path, std::string_view bytes);
