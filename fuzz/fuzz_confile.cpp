// Construction-file line splitting and the Windows-1252 conversions on arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/harness.h"
#include "text/confile.h"
#include "text/cp1252.h"

namespace {

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

void CheckLines(std::string_view bytes) {
    const std::vector<std::string> lines = SplitConstructionLines(bytes);
    std::size_t kept = 0;
    for (const std::string& line : lines) {
        if (line.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos)
            Fail("a line holds CR, LF or NUL");
        kept += line.size();
    }
    // Only line ends (and whatever follows a NUL) are dropped.
    const std::string_view text = bytes.substr(0, bytes.find('\0'));
    std::size_t breaks = 0;
    for (char c : text)
        breaks += (c == '\r' || c == '\n');
    if (kept + breaks != text.size()) Fail("split lost or invented bytes");
    if (text.empty() != lines.empty()) Fail("empty text must give no lines and only it");

    // Saving and loading again gives the same lines (and so saving those gives the same text again).
    const std::string joined = JoinConstructionLines(lines);
    if (SplitConstructionLines(joined) != lines) Fail("split(join(lines)) differs");
    if (text.find('\r') == std::string_view::npos && text.find('\n') == std::string_view::npos &&
        !text.empty() && (lines.size() != 1 || lines[0] != text))
        Fail("a text without line ends is one line");
}

void CheckCp1252(std::string_view bytes) {
    // Every byte string survives the round trip, one character per byte.
    const std::string utf8 = Cp1252ToUtf8(bytes);
    if (CodePoints(utf8) != bytes.size()) Fail("Cp1252ToUtf8 made invalid UTF-8 or lost characters");
    if (Utf8ToCp1252(utf8) != bytes) Fail("UTF-8 round trip");

    // Arbitrary bytes read as UTF-8: never longer than the input; valid UTF-8 gives one byte per character.
    const std::string back = Utf8ToCp1252(bytes);
    if (back.size() > bytes.size()) Fail("Utf8ToCp1252 grew");
    if (const auto count = CodePoints(bytes); count && back.size() != *count)
        Fail("Utf8ToCp1252 lost or invented characters of valid UTF-8");
}

// Every byte survives the round trip through its code point: a property of the tables, checked once.
void CheckEveryByte() {
    for (int c = 0; c < 256; ++c)
        if (UnicodeToCp1252(Cp1252ToUnicode(static_cast<unsigned char>(c))) != static_cast<char>(c))
            Fail("byte round trip");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    CheckEveryByte();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckLines(bytes);
    CheckCp1252(bytes);
    return 0;
}
