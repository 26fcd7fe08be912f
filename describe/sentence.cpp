// The sentences of the construction description.
#include "describe/sentence.h"

#include "drawing/primitives.h"
#include "text/cp1252.h"
#include "text/symbolfont.h"

SentenceBuilder& SentenceBuilder::Text(std::string_view cp1252) {
    if (cp1252.empty()) return *this;
    if (!runs_.empty() && !runs_.back().greek)
        runs_.back().text += cp1252;
    else
        runs_.push_back({std::string(cp1252), false});
    return *this;
}

SentenceBuilder& SentenceBuilder::Greek(std::string_view name) {
    if (!name.empty()) runs_.push_back({GreekLabelText(std::string(name)), true});
    return *this;
}

std::string NumberWording(std::string_view typed) {
    std::string_view rest = typed;
    bool negative = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    const std::size_t separator = rest.find_first_of(",.");
    std::string_view whole = rest.substr(0, separator);
    std::string_view fraction =
        separator == std::string_view::npos ? std::string_view() : rest.substr(separator + 1);
    const auto isDigits = [](std::string_view digits) {
        return digits.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (!isDigits(whole) || !isDigits(fraction)) return std::string(typed);
    while (!whole.empty() && whole.front() == '0')
        whole.remove_prefix(1);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.remove_suffix(1);
    std::string wording;
    if (negative && !(whole.empty() && fraction.empty())) wording += '-';
    wording += whole.empty() ? std::string_view("0") : whole;
    if (!fraction.empty()) {
        wording += ',';
        wording += fraction;
    }
    return wording;
}

void AppendList(SentenceBuilder& sentence, const std::vector<NamedThing>& things) {
    for (std::size_t i = 0; i < things.size(); ++i) {
        if (i > 0) sentence.Text(i + 1 == things.size() ? " und " : ", ");
        if (things[i].greek)
            sentence.Greek(things[i].name);
        else
            sentence.Text(things[i].name);
    }
}

std::string SentenceUtf8(const DescriptionSentence& sentence) {
    std::string text;
    for (const DescriptionRun& run : sentence.runs)
        text += run.greek ? SymbolFontToUtf8(run.text) : Cp1252ToUtf8(run.text);
    return text;
}

std::string StepNumber(std::size_t i) {
    return std::to_string(i + 1) + ". ";
}

std::string DescriptionUtf8(const std::vector<DescriptionSentence>& sentences) {
    std::string text;
    for (std::size_t i = 0; i < sentences.size(); ++i)
        text += StepNumber(i) + SentenceUtf8(sentences[i]) + '\n';
    return text;
}
