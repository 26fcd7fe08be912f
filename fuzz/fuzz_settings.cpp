// The settings file on arbitrary bytes: the INI text survives unchanged, loading never fails, and a save
// gives back what was saved while keeping every foreign line.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "document/settings.h"
#include "text/fileio.h"
#include "text/inifile.h"

namespace {

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

// A directory in memory where there is one: every save syncs its file to the disk, which on a disk-backed
// directory would take most of the time of an input.
std::filesystem::path ScratchParent() {
    std::error_code error;
    if (std::filesystem::is_directory("/dev/shm", error)) return "/dev/shm";
    return std::filesystem::temp_directory_path();
}

// One scratch directory per fuzzing process, removed at exit.
struct ScratchDirectory {
    ScratchDirectory() : dir(ScratchParent() / ("lineato-fuzz-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(dir);
    }
    ~ScratchDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }
    std::filesystem::path dir;
};

const std::string& ScratchPath() {
    static const ScratchDirectory scratch;
    static const std::string path = (scratch.dir / "LINEATO.INI").string();
    return path;
}

void WriteBytes(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) Fail("cannot write the scratch file");
}

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// Whether all lines of a but at most k appear in b in order, that is whether their longest common
// subsequence has at least a.size() - k lines; the line ends may differ. Myers' diff, stopped at the
// number of edits that answer no, takes time in proportion to the lines times the few edits a save makes
// (a table of all line pairs took a second on files of thousands of lines).
bool KeepsAllButAtMost(const std::vector<std::string>& a, const std::vector<std::string>& b, std::size_t k) {
    auto same = [](std::string_view x, std::string_view y) {
        if (!x.empty() && x.back() == '\r') x.remove_suffix(1);
        if (!y.empty() && y.back() == '\r') y.remove_suffix(1);
        return x == y;
    };
    const auto n = static_cast<long>(a.size());
    const auto m = static_cast<long>(b.size());
    // The common lines are (n + m - edits) / 2, at least n - k while edits <= m - n + 2k.
    const long most = m - n + 2 * static_cast<long>(k);
    if (most < 0) return false;
    // reach[diagonal + offset]: the furthest line of a reached on that diagonal (line of a minus line of b).
    const long offset = most + 1;
    std::vector<long> reach(static_cast<std::size_t>(2 * most + 3), 0);
    for (long edits = 0; edits <= most; ++edits) {
        for (long diagonal = -edits; diagonal <= edits; diagonal += 2) {
            const long below = reach[static_cast<std::size_t>(diagonal - 1 + offset)];
            const long above = reach[static_cast<std::size_t>(diagonal + 1 + offset)];
            // From the neighbouring diagonal that got further: one line of b taken, or one of a skipped.
            long x = (diagonal == -edits || (diagonal != edits && below < above)) ? above : below + 1;
            long y = x - diagonal;
            while (x < n && y < m && same(a[static_cast<std::size_t>(x)], b[static_cast<std::size_t>(y)])) {
                ++x;
                ++y;
            }
            reach[static_cast<std::size_t>(diagonal + offset)] = x;
            if (x >= n && y >= m) return true;
        }
    }
    return false;
}

// Options of the settings file; a save rewrites at most this many key lines.
constexpr std::size_t kOptionCount = 10;

// The ten options from some bits of the input, so that every combination gets saved.
Settings SettingsFrom(std::string_view bytes) {
    unsigned bits = 0;
    for (unsigned char c : bytes)
        bits = bits * 31 + c;
    Settings s;
    bool* fields[] = {&s.ColourSetting, &s.AxesSetting,     &s.ToolbarVisible,   &s.ValueInStatusLine,
                      &s.PrintColour,   &s.PrintFixedScale, &s.PrintDoubleWidth, &s.PrintCommandList,
                      &s.PrintFrame,    &s.PrintDescription};
    static_assert(std::size(fields) == kOptionCount);
    for (bool* field : fields) {
        *field = bits & 1;
        bits >>= 1;
    }
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // Reading and writing back without a change keeps the text byte for byte.
    IniFile ini(bytes);
    if (ini.Text() != bytes) Fail("IniFile changed an untouched text");
    const std::string foreignBefore = ini.Read("Fremd", "Schluessel", "\x01");
    const std::string foreignInOptions = ini.Read("Optionen", "Fremd", "\x01");

    const std::string& path = ScratchPath();
    WriteBytes(path, bytes);
    (void)LoadSettings(path);

    const Settings wanted = SettingsFrom(bytes);
    if (!SaveSettings(path, wanted)) Fail("SaveSettings failed on a writable file");
    if (!(LoadSettings(path) == wanted)) Fail("load after save differs from what was saved");

    const auto saved = ReadFileBytes(path).bytes;
    if (!saved) Fail("saved file unreadable");
    const IniFile after(*saved);
    if (after.Read("Fremd", "Schluessel", "\x01") != foreignBefore) Fail("foreign section changed");
    if (after.Read("Optionen", "Fremd", "\x01") != foreignInOptions) Fail("foreign key changed");

    // Every old line is still there, in order, apart from at most the ten key lines that were rewritten.
    if (!KeepsAllButAtMost(Lines(bytes), Lines(*saved), kOptionCount)) Fail("a save lost foreign lines");

    // A second save of the same options changes nothing.
    if (!SaveSettings(path, wanted)) Fail("second save failed");
    if (ReadFileBytes(path).bytes != saved) Fail("saving the same options twice changed the file");
    return 0;
}
