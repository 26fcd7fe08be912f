// Construction-file line splitting and the Windows-1252 conversions on arbitrary bytes.
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "app/confile.h"
#include "app/cp1252.h"

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

    // Saving and loading again gives the same lines.
    const std::string joined = JoinConstructionLines(lines);
    if (SplitConstructionLines(joined) != lines) Fail("split(join(lines)) differs");
    if (JoinConstructionLines(SplitConstructionLines(joined)) != joined) Fail("join is not stable");
    if (text.find('\r') == std::string_view::npos && text.find('\n') == std::string_view::npos &&
        !text.empty() && (lines.size() != 1 || lines[0] != text))
        Fail("a text without line ends is one line");
}

bool IsValidUtf8(const std::string& s) {
    const QByteArray bytes(s.data(), static_cast<qsizetype>(s.size()));
    return QString::fromUtf8(bytes).toUtf8() == bytes;
}

void CheckCp1252(std::string_view bytes) {
    const std::string original(bytes);
    // Every byte string survives both round trips.
    if (QStringToCp1252(Cp1252ToQString(bytes)) != original) Fail("QString round trip");
    const std::string utf8 = Cp1252ToUtf8(bytes);
    if (!IsValidUtf8(utf8)) Fail("Cp1252ToUtf8 made invalid UTF-8");
    if (Utf8ToCp1252(utf8) != original) Fail("UTF-8 round trip");
    if (Cp1252ToQString(bytes).size() != static_cast<qsizetype>(bytes.size())) Fail("one character per byte");

    // Arbitrary bytes read as UTF-8: never longer than the input, and for valid UTF-8 the same as Qt's way.
    const std::string back = Utf8ToCp1252(bytes);
    if (back.size() > bytes.size()) Fail("Utf8ToCp1252 grew");
    if (IsValidUtf8(original)) {
        const QString text =
            QString::fromUtf8(QByteArray(original.data(), static_cast<qsizetype>(original.size())));
        if (QStringToCp1252(text) != back) Fail("Utf8ToCp1252 disagrees with QStringToCp1252");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckLines(bytes);
    CheckCp1252(bytes);
    return 0;
}
