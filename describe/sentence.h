// The sentences of the construction description: pieces of text, some of them Greek.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// A piece of a sentence in Windows-1252; greek pieces are angle names, shown in the Symbol font (whose
// Latin letters are Greek ones).
struct DescriptionRun {
    std::string text;
    bool greek = false;
    friend bool operator==(const DescriptionRun&, const DescriptionRun&) = default;
};

// One numbered step of the description and the line it describes.
struct DescriptionSentence {
    int line = 0;  // index of the document's line
    std::vector<DescriptionRun> runs;
};

// Builds a sentence piece by piece; adjacent plain pieces are merged.
class SentenceBuilder {
public:
    SentenceBuilder& Text(std::string_view cp1252);
    // An angle's name, by the rule of the angle labels (ALPHA to α, ...; every letter Greek).
    SentenceBuilder& Greek(std::string_view name);
    std::vector<DescriptionRun> Take() { return std::move(runs_); }

private:
    std::vector<DescriptionRun> runs_;
};

// A number as the user typed it, in school form: decimal comma, no "+", no leading zeros before the
// comma or trailing zeros after it, never "-0". Text that is not a plain decimal number stays as it is.
std::string NumberWording(std::string_view typed);

// "A", "A und B", "A, B und C", ... ; each name greek or not.
struct NamedThing {
    std::string name;
    bool greek = false;
};
void AppendList(SentenceBuilder& sentence, const std::vector<NamedThing>& things);

// The sentence as UTF-8, Greek pieces as Greek letters.
std::string SentenceUtf8(const DescriptionSentence& sentence);
// The whole description as UTF-8: "1. ...", "2. ...", one line each, each ending with a line feed.
std::string DescriptionUtf8(const std::vector<DescriptionSentence>& sentences);
// The number of step i (0-based) as written before its sentence: "1. ".
std::string StepNumber(std::size_t i);
