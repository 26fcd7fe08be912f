// Arbitrary lines into a construction document, then its description: never a crash, one sentence per
// accepted line that makes or changes something, valid UTF-8, and no "nan" or "inf" that the lines
// themselves did not bring.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "describe/description.h"
#include "document/constructiondocument.h"
#include "drawing/drawstate.h"
#include "drawing/nullcanvas.h"
#include "fuzz/harness.h"
#include "parser/commandwords.h"
#include "text/asciicase.h"

namespace {

[[noreturn]] void Fail(const char* what, std::string_view text) {
    std::fprintf(stderr, "invariant broken: %s: \"%.*s\"\n", what, static_cast<int>(text.size()),
                 text.data());
    std::abort();
}

constexpr int kMaxLines = 200;

// Whether line i is one the description speaks of: executed, accepted, with a command other than
// FARBE and WERT.
bool Describes(const ConstructionDocument& document, int i) {
    const LineState& state = document.State(i);
    if (!state.executed || !state.accepted || state.tokens.empty()) return false;
    const LineToken& word = state.tokens.front();
    if (word.kind != LineToken::Kind::Command) return false;
    const std::string& line = document.Line(i);
    const std::size_t end = std::min<std::size_t>(word.end, line.size());
    const auto command =
        FindCommand(std::string_view(line).substr(std::min<std::size_t>(word.begin, end), end - word.begin));
    if (!command) Fail("an accepted line with an unknown command word", line);
    return *command != CommandId::Farbe && *command != CommandId::Wert;
}

void Check(const ConstructionDocument& document) {
    const std::vector<DescriptionSentence> sentences = DescribeConstruction(document);
    std::size_t next = 0;
    for (int i = 0; i < document.LineCount(); ++i) {
        if (!Describes(document, i)) {
            if (next < sentences.size() && sentences[next].line == i)
                Fail("a sentence for a silent line", document.Line(i));
            continue;
        }
        if (next >= sentences.size() || sentences[next].line != i)
            Fail("no sentence for a line", document.Line(i));
        const std::string text = SentenceUtf8(sentences[next]);
        if (!ValidUtf8(text)) Fail("invalid UTF-8", text);
        if (text.empty() || text.back() != '.') Fail("a sentence that does not end with a full stop", text);
        const std::string lower = LowerAscii(text);
        const std::string typed = LowerAscii(document.Line(i));
        for (const char* word : {"nan", "inf"})
            if (lower.find(word) != std::string::npos && typed.find(word) == std::string::npos)
                Fail("a number that is no number", text);
        ++next;
    }
    if (next != sentences.size()) Fail("more sentences than lines", "");
    if (!ValidUtf8(DescriptionUtf8(sentences))) Fail("invalid UTF-8 in the whole text", "");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    NullDrawingArea drawing;
    SilentMessages messages;
    ConstructionDocument document(messages);

    // The first byte chooses how the lines arrive: typed one by one, or as a file opened (stopping at
    // the first rejected line or going on after it); then one undo.
    const int mode = size > 0 ? data[0] % 4 : 0;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    if (!text.empty()) text.remove_prefix(1);
    std::vector<std::string> lines;
    for (std::size_t start = 0; start <= text.size() && static_cast<int>(lines.size()) < kMaxLines;) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    if (mode == 0 || mode == 3) {
        for (const std::string& line : lines)
            document.AppendTyped(line);
        if (mode == 3) document.Undo();
    } else {
        document.ReplaceAll(lines);
        if (mode == 2) document.Rebuild(RebuildMode::KeepGoing);
    }
    Check(document);
    return 0;
}
