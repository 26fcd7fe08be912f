// The command line of lineato-batch from argument vectors decoded from the input (arguments separated by
// NUL): parsing never fails silently, every error is one of the usage messages naming what was wrong, and
// accepted options say what the arguments said, so that writing them back as arguments parses the same.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "batch/batchoptions.h"

namespace {

[[noreturn]] void Fail(const std::string& what, const std::vector<std::string>& args) {
    std::fprintf(stderr, "invariant broken: %s\narguments:", what.c_str());
    for (const std::string& arg : args)
        std::fprintf(stderr, " [%s]", arg.c_str());
    std::fprintf(stderr, "\n");
    std::abort();
}

constexpr std::size_t kMaxArguments = 32;

// The usage errors and what follows each one's fixed text.
bool KnownError(std::string_view error, const std::vector<std::string>& args) {
    auto names = [&](std::string_view prefix, std::string_view suffix) {
        if (!error.starts_with(prefix) || !error.ends_with(suffix) ||
            error.size() < prefix.size() + suffix.size())
            return false;
        const std::string_view what =
            error.substr(prefix.size(), error.size() - prefix.size() - suffix.size());
        for (const std::string& arg : args)
            if (ShownArgument(arg) == what) return true;
        return false;
    };
    return error == "no FILE given" || names("more than one FILE given: ", "") ||
           names("unknown option ", "") || names("option ", " needs a value") ||
           names("option ", " needs a file name") ||
           names("invalid size '", "': expected WxH with W and H in 1..10000") ||
           names("invalid TikZ width '", "': expected centimetres above 0, at most 500");
}

bool Same(const BatchOptions& a, const BatchOptions& b) {
    return a.width == b.width && a.height == b.height && a.dump == b.dump && a.axes == b.axes &&
           a.mono == b.mono && a.keepGoing == b.keepGoing && a.help == b.help && a.version == b.version &&
           a.png == b.png && a.svg == b.svg && a.pdf == b.pdf && a.tikz == b.tikz &&
           a.tikzWidth == b.tikzWidth && a.file == b.file;
}

// The options as the arguments that ask for them, the file last after "--".
std::vector<std::string> AsArguments(const BatchOptions& o) {
    std::vector<std::string> args{"--size", std::to_string(o.width) + "x" + std::to_string(o.height)};
    for (const auto& [on, flag] : {std::pair{o.dump, "--dump"},
                                   {o.axes, "--axes"},
                                   {o.mono, "--mono"},
                                   {o.keepGoing, "--keep-going"},
                                   {o.help, "--help"},
                                   {o.version, "--version"}})
        if (on) args.emplace_back(flag);
    for (const auto& [path, option] :
         {std::pair{&o.png, "--png"}, {&o.svg, "--svg"}, {&o.pdf, "--pdf"}, {&o.tikz, "--tikz"}})
        if (!path->empty()) args.insert(args.end(), {option, *path});
    if (o.tikzWidth != 0) {
        char width[64];
        std::snprintf(width, sizeof width, "%.17g", o.tikzWidth);
        args.insert(args.end(), {"--tikz-width", width});
    }
    if (!o.file.empty() || (!o.help && !o.version)) args.insert(args.end(), {"--", o.file});
    return args;
}

// Whether arg is one of args (as an option, a value or a file: "--" can be the value of --tikz).
bool Given(const std::vector<std::string>& args, std::string_view arg) {
    return std::find(args.begin(), args.end(), arg) != args.end();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (std::size_t start = 0; start <= text.size() && args.size() < kMaxArguments;) {
        std::size_t end = text.find('\0', start);
        if (end == std::string_view::npos) end = text.size();
        args.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }

    std::string error;
    const std::optional<BatchOptions> options = ParseBatchArguments(args, error);
    if (!options) {
        if (error.find('\n') != std::string::npos) Fail("error is not one line: " + error, args);
        if (!KnownError(error, args)) Fail("unknown error text: " + error, args);
        return 0;
    }
    const BatchOptions& o = *options;
    if (!error.empty()) Fail("accepted with an error", args);
    if (o.width < 1 || o.width > kMaxBatchSize || o.height < 1 || o.height > kMaxBatchSize)
        Fail("size out of range", args);
    if (o.tikzWidth < 0 || o.tikzWidth > kMaxTikzWidth) Fail("TikZ width out of range", args);
    // The file is one of the arguments; only --help and --version do without one.
    if ((!o.file.empty() || (!o.help && !o.version)) &&
        std::find(args.begin(), args.end(), o.file) == args.end())
        Fail("the file is none of the arguments", args);
    // Flags are set only by their own argument.
    if ((o.dump && !Given(args, "--dump")) || (o.axes && !Given(args, "--axes")) ||
        (o.mono && !Given(args, "--mono")) || (o.keepGoing && !Given(args, "--keep-going")) ||
        (o.version && !Given(args, "--version")) || (o.help && !Given(args, "--help") && !Given(args, "-h")))
        Fail("a flag set without its argument", args);
    // Every output path is one of the arguments, given after its option.
    for (const auto& [path, option] :
         {std::pair{&o.png, "--png"}, {&o.svg, "--svg"}, {&o.pdf, "--pdf"}, {&o.tikz, "--tikz"}}) {
        if (path->empty()) continue;
        bool found = false;
        for (std::size_t i = 0; i + 1 < args.size(); ++i)
            found |= args[i] == option && args[i + 1] == *path;
        if (!found) Fail(std::string(option) + " path is not its argument", args);
    }
    // Written back as arguments, the options parse to themselves.
    std::string again;
    const std::optional<BatchOptions> reparsed = ParseBatchArguments(AsArguments(o), again);
    if (!reparsed) Fail("the options written back are refused: " + again, args);
    if (!Same(o, *reparsed)) Fail("the options written back parse differently", args);
    return 0;
}
