// The reading routines of the interpreter: characters, the command word, names, numbers, error reports.
#include <charconv>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>

#include "parser/commandwords.h"
#include "parser/errortexts.h"
#include "parser/tparser.h"
#include "text/asciicase.h"

namespace {

constexpr char kEndOfLine = '@';

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
        charIndex_ = line_.size();
    } else {
        Ch = line_[Position - 1];
        charIndex_ = Position - 1;
        ++Position;
    }
}

void TParser::SkipBlanks() {
    while (Ch == ' ')
        NextChar();
}

void TParser::BeginToken(LineToken::Kind kind) {
    // Positions never exceed the line's length, which is at most kMaxLineLength.
    const auto here = static_cast<std::uint16_t>(CharIndex());
    tokens_.push_back({kind, here, here});
}

void TParser::EndToken() {
    tokens_.back().end = static_cast<std::uint16_t>(CharIndex());
}

void TParser::ReadCommand() {
    // The handlers by command; the short forms share the handler of the long ones.
    using Handler = void (TParser::*)();
    static constexpr Handler kHandlers[kCommandCount] = {
        &TParser::CmdPunkt,   &TParser::CmdStrecke,     &TParser::CmdKreis,     &TParser::CmdPolygon,
        &TParser::CmdLoesche, &TParser::CmdMittelpunkt, &TParser::CmdWinkel,    &TParser::CmdParallele,
        &TParser::CmdGerade,  &TParser::CmdSenkrechte,  &TParser::CmdBezeichne, &TParser::CmdDrehe,
        &TParser::CmdStrahl,  &TParser::CmdWert,        &TParser::CmdFarbe,
    };

    NextChar();
    if (!Letters[static_cast<unsigned char>(Ch)]) {
        Command = nullptr;  // an empty line, or one without a command word, does nothing
        return;
    }
    BeginToken(LineToken::Kind::Command);
    const std::size_t begin = CharIndex();
    while (Ch != ' ' && Ch != kEndOfLine)
        NextChar();
    EndToken();
    const std::string_view typed = std::string_view(line_).substr(begin, CharIndex() - begin);
    if (const std::optional<CommandId> command = FindCommand(typed)) {
        Command = kHandlers[static_cast<int>(*command)];
        return;
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
    BeginToken(LineToken::Kind::Word);
    std::string name;
    while (Ch != ' ' && Ch != kEndOfLine) {
        if (name.size() < kMaxNameLength) name += Ch;  // the rest is read and dropped
        NextChar();
    }
    EndToken();
    return name;
}

std::string TParser::ReadNameCut10() {
    std::string name = ReadName();
    if (name.size() > kShortNameLength) name.resize(kShortNameLength);
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
    BeginToken(LineToken::Kind::Word);
    while (Ch != ' ' && Ch != kEndOfLine) {
        result += Ch;
        NextChar();
    }
    EndToken();
}

double TParser::ReadNumber() {
    SkipBlanks();
    if (!NumberChars[static_cast<unsigned char>(Ch)]) {
        ShowError(10);
        return 0;
    }
    std::string text;
    BeginToken(LineToken::Kind::Number);
    while (NumberChars[static_cast<unsigned char>(Ch)]) {
        text += Ch;
        NextChar();
    }
    EndToken();
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
