// Initialisation-file text: reading and writing keys of sections, every other line kept byte-exact.
#include "text/inifile.h"

#include "text/asciicase.h"

namespace {

constexpr std::size_t kNone = std::string::npos;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The section name of a header line, or nullopt for any other line. A header without its closing
// bracket runs to the end of the line.
std::optional<std::string_view> SectionName(std::string_view content) {
    const std::string_view text = Trim(content);
    if (text.empty() || text.front() != '[') return std::nullopt;
    std::string_view name = text.substr(1);
    const std::size_t close = name.find(']');
    if (close != kNone) name = name.substr(0, close);
    return Trim(name);
}

bool IsComment(std::string_view content) {
    const std::string_view text = Trim(content);
    return !text.empty() && text.front() == ';';
}

// A line break inside a name or value would split the line and change the file's structure.
std::string_view UpToLineBreak(std::string_view text) {
    return text.substr(0, text.find_first_of("\r\n"));
}

}  // namespace

IniFile::Line IniFile::LineAt(std::size_t begin) const {
    const std::size_t newline = text_.find('\n', begin);
    if (newline == kNone) {
        // A CR ending the last line is its line end already: it becomes one as soon as a line is appended,
        // and the line must read the same before and after.
        const bool cr = text_.size() > begin && text_.back() == '\r';
        return {begin, text_.size() - (cr ? 1 : 0), text_.size()};
    }
    const std::size_t end = (newline > begin && text_[newline - 1] == '\r') ? newline - 1 : newline;
    return {begin, end, newline + 1};
}

std::string_view IniFile::Content(const Line& line) const {
    return std::string_view(text_).substr(line.begin, line.end - line.begin);
}

// Both searches jump from one "[" or "=" to the next instead of visiting every line, and continue after
// the line they looked at, so that every byte is looked at a bounded number of times.

std::size_t IniFile::LineStart(std::size_t offset) const {
    const std::size_t newline = offset == 0 ? kNone : text_.rfind('\n', offset - 1);
    return newline == kNone ? 0 : newline + 1;
}

IniFile::SectionRange IniFile::FindSection(std::string_view section) const {
    SectionRange range;
    for (std::size_t pos = text_.find('['); pos != kNone; pos = text_.find('[', pos)) {
        const Line line = LineAt(LineStart(pos));
        pos = line.next;
        const auto name = SectionName(Content(line));
        if (!name) continue;
        if (range.found) {
            range.end = line.begin;
            return range;
        }
        if (EqualIgnoringAsciiCase(*name, section)) {
            range.found = true;
            range.begin = line.next;
        }
    }
    range.end = text_.size();
    return range;
}

std::optional<IniFile::Line> IniFile::FindKey(const SectionRange& range, std::string_view key) const {
    if (!range.found) return std::nullopt;
    for (std::size_t pos = text_.find('=', range.begin); pos < range.end; pos = text_.find('=', pos)) {
        const Line line = LineAt(LineStart(pos));
        pos = line.next;
        const std::string_view content = Content(line);
        if (IsComment(content)) continue;
        if (EqualIgnoringAsciiCase(Trim(content.substr(0, content.find('='))), key)) return line;
    }
    return std::nullopt;
}

std::string IniFile::Read(std::string_view section, std::string_view key, std::string_view fallback) const {
    const auto line = FindKey(FindSection(section), key);
    if (!line) return std::string(fallback.substr(0, kMaxIniValueLength));
    const std::string_view content = Content(*line);
    const std::string_view value = Trim(content.substr(content.find('=') + 1));
    return std::string(value.substr(0, kMaxIniValueLength));
}

std::string IniFile::LineEnding() const {
    const std::size_t newline = text_.find('\n');
    if (newline == kNone) return "\r\n";
    return (newline > 0 && text_[newline - 1] == '\r') ? "\r\n" : "\n";
}

void IniFile::InsertLine(std::size_t offset, std::string_view content) {
    const std::string ending = LineEnding();
    std::string line(content);
    line += ending;
    // A last line without its line end gets one before anything follows it; a lone CR there is its line
    // end already and only needs the LF that makes it a whole one.
    if (offset == text_.size() && !text_.empty() && text_.back() != '\n')
        line.insert(0, text_.back() == '\r' ? std::string("\n") : ending);
    text_.insert(offset, line);
}

void IniFile::Write(std::string_view section, std::string_view key, std::string_view value) {
    section = UpToLineBreak(section);
    key = UpToLineBreak(key);
    value = UpToLineBreak(value);
    const std::string line = std::string(key) + "=" + std::string(value);

    const SectionRange range = FindSection(section);
    if (!range.found) {
        // Appended piece by piece: "[" + string trips a false -Wrestrict of GCC 12 at -O3.
        std::string header(1, '[');
        header.append(section).push_back(']');
        InsertLine(text_.size(), header);
        InsertLine(text_.size(), line);
        return;
    }
    if (const auto found = FindKey(range, key)) {
        text_.replace(found->begin, found->end - found->begin, line);
        return;
    }
    // After the section's last non-blank line, so that a blank line before the next section stays there.
    std::size_t last = range.end;
    while (last > range.begin &&
           (IsBlank(text_[last - 1]) || text_[last - 1] == '\r' || text_[last - 1] == '\n'))
        --last;
    const std::size_t insertAt = last == range.begin ? range.begin : LineAt(LineStart(last - 1)).next;
    InsertLine(insertAt, line);
}
