// TParser: the command interpreter. Owns the construction and executes one command line at a time.
#pragma once

#include <bitset>
#include <cfenv>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "drawing/pens.h"
#include "geometry/tachsen.h"
#include "geometry/tobjlist.h"
#include "parser/messages.h"

class TStrecke;

// The floating-point faults that reject a line: division by zero, overflow, invalid operation.
inline constexpr int kFloatFaults = FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID;

// Lines are read up to this many characters; the rest of a longer line is never looked at.
inline constexpr std::size_t kMaxLineLength = 255;
inline constexpr std::uint16_t kInitialColor = kStyleBlack;
// Some commands read only this many characters of a name (the rest of the word is read and dropped).
inline constexpr std::size_t kShortNameLength = 10;

// Where in a line the interpreter read a word or a number: bytes [begin, end) of the line as given. Small,
// because the document keeps the tokens of every line: nothing past kMaxLineLength is read.
struct LineToken {
    enum class Kind : std::uint8_t {
        Command,  // the command word
        Word,     // a name, or a keyword read where a name may stand (SP, HALB, BEZ, colour words)
        Number,
    };
    Kind kind = Kind::Word;
    std::uint16_t begin = 0;
    std::uint16_t end = 0;
    friend bool operator==(const LineToken&, const LineToken&) = default;
};
static_assert(kMaxLineLength <= UINT16_MAX, "token positions must hold every position a line is read to");

class TParser {
public:
    explicit TParser(MessageSink& messages);  // messages must outlive the interpreter
    virtual ~TParser();
    TParser(const TParser&) = delete;
    TParser& operator=(const TParser&) = delete;

    // Current colour black, character sets loaded; objects, axes and window untouched.
    void Reset();

    // Virtual operations in slot order.
    virtual bool Execute(std::string_view line);  // true when the line was accepted
    virtual void ShowAxes();
    virtual void HideAxes();
    virtual void Redraw();
    virtual void FitAndRedraw();
    virtual void AutoScale();
    virtual void ExtendToFit();
    virtual void ResetColor();
    virtual void ClearAndShowAxes();

    std::uint16_t CurrentColor = kInitialColor;
    TAchsen Axes;
    TObjList Objects;
    bool AutoScaling = true;

    // The words and numbers the last Execute read, in reading order, also when it was rejected.
    const std::vector<LineToken>& Tokens() const { return tokens_; }

    // The character sets, exposed for tests and the editor's helpers.
    bool IsLetter(unsigned char c) const { return Letters[c]; }
    bool IsNumberChar(unsigned char c) const { return NumberChars[c]; }

private:
    // Reading routines over the per-line state.
    void NextChar();
    void SkipBlanks();
    // Index in the line of the current character; the line's length at its end.
    std::size_t CharIndex() const { return charIndex_; }
    void BeginToken(LineToken::Kind kind);
    void EndToken();
    bool AtEnd() const { return Ch == '@'; }
    void ReadCommand();
    std::string ReadName();
    std::string ReadNameCut10();  // ReadName cut to the 10 characters some commands use
    void ReadOptionalName(std::string& result);
    double ReadNumber();
    void ShowError(int number);
    void ShowErrorText(const std::string& text);

    // Arguments shared by the handlers. A complaint is a numbered error or a handler's own text.
    using Complaint = std::variant<int, const char*>;
    enum class NameLength { Full, Cut10 };
    void Complain(const Complaint& complaint);
    std::string ReadNameOf(NameLength length);
    // The name of the object a command creates; error 1 when an object already has it.
    std::string ReadNewName(NameLength length);
    // An existing object that fits; missing or unfitting fail the line with the given complaint.
    TPunkt* ReadObject(NameLength length, bool (*fits)(const TPunkt*), const Complaint& missing,
                       const Complaint& unfitting);
    TPunkt* ReadPoint(NameLength length, const Complaint& missing, const Complaint& notAPoint);

    // Rejects the line with the floating-point fault's message unless every value is finite.
    bool CheckFinite(std::initializer_list<double> values);
    // Shows the message of the floating-point fault behind a non-finite result and fails the line.
    void ReportFloatFault(bool sawInfinity);
    // Clears the fault flags that RejectFloatFault and ReportFloatFault look at.
    static void ClearFloatFaults();
    // After ClearFloatFaults: true, with the fault's message shown, when the computation since then
    // divided by zero, overflowed or was invalid.
    bool RejectFloatFault();
    // SetColor with CurrentColor, Draw, append; refuses an object with non-finite geometry.
    bool AddObject(std::unique_ptr<TPunkt> object);
    // An invisible, unnamed, erased point appended without AddObject (PARALLELE, WINKEL).
    TPunkt* AddAuxiliaryPoint(double x, double y);
    // Looks name up; nullptr when absent.
    TPunkt* Find(std::string_view name) const { return Objects.FindByName(name); }

    // Command handlers, one unit per family.
    void CmdPunkt();
    void CmdStrecke();
    void CmdGerade();
    void CmdStrahl();
    void CmdMittelpunkt();
    void CmdSenkrechte();
    void CmdParallele();
    void CmdKreis();
    void CmdWinkel();
    void CmdBezeichne();
    void CmdPolygon();
    void CmdLoesche();
    void CmdFarbe();
    void CmdWert();
    void CmdDrehe();

    MessageSink& messages_;
    std::bitset<256> Letters;
    std::bitset<256> NumberChars;

    // Per-line state, valid during one Execute.
    std::string line_;
    std::size_t Position = 1;  // 1-based index of the next character to read
    char Ch = '@';             // the current character; '@' stands for the end of the line
    std::size_t charIndex_ = 0;
    bool Failed = false;
    void (TParser::*Command)() = nullptr;  // the handler of the command word; nullptr for an empty line
    std::vector<LineToken> tokens_;
};
