// TParser: construction, reset, dispatch of one command line, and how new objects join the construction.
#include "parser/tparser.h"

#include <cfenv>
#include <cmath>

#include "parser/errortexts.h"

TParser::TParser(MessageSink& messages) : messages_(messages) {}

TParser::~TParser() = default;

void TParser::Reset() {
    CurrentColor = kInitialColor;
    Letters.reset();
    for (int c = 'A'; c <= 'Z'; ++c)
        Letters.set(c);
    for (int c = 'a'; c <= 'z'; ++c)
        Letters.set(c);
    // Ä Ö Ü à á ä ç ë î ö ü
    for (int c : {0xC4, 0xD6, 0xDC, 0xE0, 0xE1, 0xE4, 0xE7, 0xEB, 0xEE, 0xF6, 0xFC})
        Letters.set(c);
    NumberChars.reset();
    for (char c : std::string_view("+,-.0123456789"))
        NumberChars.set(static_cast<unsigned char>(c));
}

bool TParser::Execute(std::string_view line) {
    // Nothing past the 255th character is ever read, as with the 8-bit reading position.
    line_.assign(line.substr(0, kMaxLineLength));
    Failed = false;
    Position = 1;
    Ch = '@';
    charIndex_ = 0;
    Command = nullptr;
    tokens_.clear();
    ClearFloatFaults();

    ReadCommand();
    if (Failed) {
        ShowError(6);
    } else {
        if (Command != nullptr) (this->*Command)();
        if (!Failed) ExtendToFit();
    }
    line_.clear();
    return !Failed;
}

void TParser::ClearFloatFaults() {
    // Testing the flags is cheap, clearing them is not (it rewrites the whole floating-point
    // environment), and most computations raise none of them.
    if (std::fetestexcept(kFloatFaults) != 0) std::feclearexcept(kFloatFaults);
}

void TParser::ReportFloatFault(bool sawInfinity) {
    if (std::fetestexcept(FE_DIVBYZERO))
        ShowErrorText(kDivisionByZeroText);
    else if (sawInfinity || std::fetestexcept(FE_OVERFLOW))
        ShowErrorText(kOverflowText);
    else
        ShowErrorText(kInvalidOperationText);
}

bool TParser::CheckFinite(std::initializer_list<double> values) {
    bool sawInfinity = false;
    bool allFinite = true;
    for (double v : values) {
        if (!std::isfinite(v)) {
            allFinite = false;
            if (std::isinf(v)) sawInfinity = true;
        }
    }
    if (!allFinite) ReportFloatFault(sawInfinity);
    return allFinite;
}

bool TParser::AddObject(std::unique_ptr<TPunkt> object) {
    if (!object->IsFinite()) {
        ReportFloatFault(false);
        return false;
    }
    object->SetColor(CurrentColor);
    object->Draw();
    Objects.Add(std::move(object));
    return true;
}

TPunkt* TParser::AddAuxiliaryPoint(double x, double y) {
    if (!CheckFinite({x, y})) return nullptr;
    auto point = std::make_unique<TPunkt>("", x, y);
    // Erased before it joins, so that the list takes it in with the extent it keeps.
    point->Erase();
    TPunkt* raw = point.get();
    Objects.Add(std::move(point));
    return raw;
}
