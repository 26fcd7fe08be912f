// The reading routines of the interpreter: characters, the command word, names, numbers, error reports.
#include <charconv>
#include <iterator>
#include <string>

#include "parser/errortexts.h"
#include "parser/tparser.h"

namespace {

// The command words in table order; the command number is the position, counted from 1.
constexpr std::string_view kCommandWords[] = {
    "PUNKT",     "STRECKE", "KREIS",      "POLYGON",   "POLY", "LOESCHE", "MITTELPUNKT", "MP",   "WINKEL",
    "PARALLELE", "GERADE",  "SENKRECHTE", "BEZEICHNE", "BEZ",  "DREHE",   "STRAHL",      "WERT", "FARBE",
};

constexpr char kEndOfLine = '@';
constexpr std::size_t kNameCut = 10;

void AppendUpperAscii(std::string& word, char c) {
    word += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Sign, digits, at most one point, nothing else; digits on either side of the point may be missing.
bool IsWellFormedNumber(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (i == text.size()) return false;  // a sign alone
    bool seenPoint = false;
    for (; i < text.size(); ++i) {
        if (text[i] == '.') {
            if (seenPoint) return false;
            seenPoint = true;
        } else if (text[i] < '0' || text[i] > '9') {
            return false;
        }
    }
    return true;
}

}  // namespace

void TParser::NextChar() {
    if (Position > line_.size()) {
        Ch = kEndOfLine;
    } else {
        Ch = line_[Position - 1];
        ++Position;
    }
}

void TParser::SkipBlanks() {
    while (Ch == ' ')
        NextChar();
}

void TParser::ReadCommand() {
    NextChar();
    if (!Letters[static_cast<unsigned char>(Ch)]) {
        CommandNumber = 0;
        return;
    }
    std::string word;
    while (Ch != ' ' && Ch != kEndOfLine) {
        const auto c = static_cast<unsigned char>(Ch);
        if (c == 0xFC || c == 0xDC) {  // ü, Ü
            word += "UE";
        } else if (c == 0xF6 || c == 0xD6) {  // ö, Ö
            word += "OE";
        } else {
            AppendUpperAscii(word, Ch);
        }
        NextChar();
    }
    for (std::size_t i = 0; i < std::size(kCommandWords); ++i) {
        if (kCommandWords[i] == word) {
            CommandNumber = static_cast<int>(i) + 1;
            return;
        }
    }
    Failed = true;  // Execute reports "Kein Befehl!"
}

std::string TParser::ReadName() {
    SkipBlanks();
    if (Ch == kEndOfLine) {
        ShowError(27);
        return {};
    }
    if (!Letters[static_cast<unsigned char>(Ch)]) {
        ShowError(2);
        return {};
    }
    std::string name;
    while (Ch != ' ' && Ch != kEndOfLine) {
        if (name.size() < kMaxNameLength) name += Ch;  // the rest is read and dropped
        NextChar();
    }
    return name;
}

std::string TParser::ReadNameCut10() {
    std::string name = ReadName();
    if (name.size() > kNameCut) name.resize(kNameCut);
    return name;
}

void TParser::ReadOptionalName(std::string& result) {
    SkipBlanks();
    if (Ch == kEndOfLine) return;
    if (!Letters[static_cast<unsigned char>(Ch)]) {
        ShowError(2);
        result.clear();
        return;
    }
    result.clear();
    while (Ch != ' ' && Ch != kEndOfLine) {
        result += Ch;
        NextChar();
    }
}

double TParser::ReadNumber() {
    SkipBlanks();
    if (!NumberChars[static_cast<unsigned char>(Ch)]) {
        ShowError(10);
        return 0;
    }
    std::string text;
    while (NumberChars[static_cast<unsigned char>(Ch)]) {
        text += Ch;
        NextChar();
    }
    if (const auto comma = text.find(','); comma != std::string::npos) text[comma] = '.';
    if (!IsWellFormedNumber(text)) {
        ShowError(3);
        return 0;
    }

    std::string_view digits(text);
    const bool negative = digits.front() == '-';
    if (digits.front() == '+' || digits.front() == '-') digits.remove_prefix(1);
    if (digits.find_first_of("0123456789") == std::string_view::npos) return 0;  // "." alone is 0

    double value = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range) {
        // Without an exponent, a value out of range is either beyond the double range or below it.
        const std::size_t firstNonZero = digits.find_first_not_of("0");
        const bool atLeastOne = firstNonZero != std::string_view::npos && digits[firstNonZero] != '.';
        if (atLeastOne) {
            ShowErrorText(kOverflowText);
            return 0;
        }
        value = 0;
    } else if (error != std::errc() || end != digits.data() + digits.size()) {
        ShowError(3);
        return 0;
    }
    // Exact test on purpose: "-0" and "-.0" read as plain 0, never as a negative zero.
    if (value == 0) return 0;
    return negative ? -value : value;
}

void TParser::ShowError(int number) {
    messages_.ShowErrorBox(ErrorText(number));
    Failed = true;
}

void TParser::ShowErrorText(const std::string& text) {
    messages_.ShowErrorBox(text);
    Failed = true;
}
