// Parsing of lineato-batch's command line.
#include "batch/batchoptions.h"

#include <charconv>

const char* const kBatchSynopsis =
    "usage: lineato-batch [--size WxH] [--dump] [--describe] [--png F] [--svg F] [--pdf F] [--tikz F] "
    "[--tikz-width W] "
    "[--axes] [--mono] [--keep-going] FILE\n";

const char* const kBatchOptionList =
    "  FILE            construction file (.con); - reads standard input\n"
    "  --size WxH      drawing area in pixels, each 1..10000 (default 640x480)\n"
    "  --dump          print every object and the world window as JSON lines\n"
    "  --describe      print the construction description (German, UTF-8)\n"
    "  --png F         write the drawing as PNG image F\n"
    "  --svg F         write the drawing as SVG file F, one group per object\n"
    "  --pdf F         write the drawing as PDF file F\n"
    "  --tikz F        write the drawing as TikZ picture F for LaTeX, 1 unit = 1 cm\n"
    "  --tikz-width W  scale the TikZ picture to W cm width (at most 500)\n"
    "  --axes          show the coordinate axes\n"
    "  --mono          monochrome mode: figures differ by line style\n"
    "  --keep-going    execute every line, also after a rejected one\n"
    "  --help          show this text\n"
    "  --version       show the version\n";

std::string ShownArgument(std::string_view arg) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string shown;
    for (const char c : arg) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F || c == '\\') {
            shown += "\\x";
            shown += kDigits[u >> 4];
            shown += kDigits[u & 15];
        } else {
            shown += c;
        }
    }
    return shown;
}

namespace {

// A whole decimal number in 1..kMaxBatchSize.
bool ParseDimension(std::string_view text, int& value) {
    if (text.empty() || text.front() == '+' || text.front() == '-') return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && value >= 1 && value <= kMaxBatchSize;
}

// A positive number of centimetres up to kMaxTikzWidth, with a decimal point or comma.
bool ParseTikzWidth(std::string text, double& value) {
    for (char& ch : text)
        if (ch == ',') ch = '.';
    if (text.empty() || text.front() == '+' || text.front() == '-') return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && value > 0 && value <= kMaxTikzWidth;
}

bool ParseSize(std::string_view text, int& width, int& height) {
    const std::size_t x = text.find('x');
    if (x == std::string_view::npos) return false;
    return ParseDimension(text.substr(0, x), width) && ParseDimension(text.substr(x + 1), height);
}

}  // namespace

std::optional<BatchOptions> ParseBatchArguments(const std::vector<std::string>& args, std::string& error) {
    BatchOptions options;
    bool haveFile = false;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool isOption = !optionsEnded && arg.size() > 1 && arg[0] == '-';
        if (!isOption) {
            if (haveFile) {
                error = "more than one FILE given: " + ShownArgument(arg);
                return std::nullopt;
            }
            options.file = arg;
            haveFile = true;
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--dump") {
            options.dump = true;
        } else if (arg == "--describe") {
            options.describe = true;
        } else if (arg == "--axes") {
            options.axes = true;
        } else if (arg == "--mono") {
            options.mono = true;
        } else if (arg == "--keep-going") {
            options.keepGoing = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--size" || arg == "--png" || arg == "--svg" || arg == "--pdf" || arg == "--tikz" ||
                   arg == "--tikz-width") {
            if (i + 1 >= args.size()) {
                error = "option " + ShownArgument(arg) + " needs a value";
                return std::nullopt;
            }
            const std::string& value = args[++i];
            if (arg == "--size") {
                if (!ParseSize(value, options.width, options.height)) {
                    error =
                        "invalid size '" + ShownArgument(value) + "': expected WxH with W and H in 1..10000";
                    return std::nullopt;
                }
            } else if (arg == "--tikz-width") {
                if (!ParseTikzWidth(value, options.tikzWidth)) {
                    error = "invalid TikZ width '" + ShownArgument(value) +
                            "': expected centimetres above 0, at most 500";
                    return std::nullopt;
                }
            } else if (value.empty()) {
                error = "option " + ShownArgument(arg) + " needs a file name";
                return std::nullopt;
            } else {
                (arg == "--png"   ? options.png
                 : arg == "--svg" ? options.svg
                 : arg == "--pdf" ? options.pdf
                                  : options.tikz) = value;
            }
        } else {
            error = "unknown option " + ShownArgument(arg);
            return std::nullopt;
        }
    }
    if (!haveFile && !options.help && !options.version) {
        error = "no FILE given";
        return std::nullopt;
    }
    return options;
}
