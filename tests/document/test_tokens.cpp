// Where the interpreter read each word and number of a line, for every command form, and which line
// made which object.
#include <algorithm>
#include <string>
#include <vector>

#include "tests/document/documentfixture.h"

namespace {

// The tokens of line i as "C:word W:word N:number", read back through their spans.
std::string Tokens(const ConstructionDocument& document, int i) {
    std::string out;
    for (const LineToken& token : document.State(i).tokens) {
        if (!out.empty()) out += ' ';
        out += token.kind == LineToken::Kind::Command ? "C:"
               : token.kind == LineToken::Kind::Word  ? "W:"
                                                      : "N:";
        out += document.Line(i).substr(token.begin, token.end - token.begin);
    }
    return out;
}

struct TokenCase {
    const char* line;
    const char* tokens;
};

TEST_F(DocumentTest, EveryCommandFormRecordsItsWordsAndNumbers) {
    // Each line builds on the ones before it; blanks of any number stand between the tokens.
    const TokenCase cases[] = {
        {"PUNKT A", "C:PUNKT W:A"},
        {"punkt  B   1,5 -2", "C:punkt W:B N:1,5 N:-2"},
        {"PUNKT C 0 3", "C:PUNKT W:C N:0 N:3"},
        {"STRECKE s A B", "C:STRECKE W:s W:A W:B"},
        {"STRECKE t D E 2.5", "C:STRECKE W:t W:D W:E N:2.5"},
        {"STRAHL r A C", "C:STRAHL W:r W:A W:C"},
        {"STRECKE u r F 1", "C:STRECKE W:u W:r W:F N:1"},
        {"GERADE g A B", "C:GERADE W:g W:A W:B"},
        {"MITTELPUNKT M s", "C:MITTELPUNKT W:M W:s"},
        {"MP N A C", "C:MP W:N W:A W:C"},
        {"SENKRECHTE h s C", "C:SENKRECHTE W:h W:s W:C"},
        {"PARALLELE p s C", "C:PARALLELE W:p W:s W:C"},
        {"PARALLELE q s 2", "C:PARALLELE W:q W:s N:2"},
        {"KREIS k A 2", "C:KREIS W:k W:A N:2"},
        {"KREIS l A B", "C:KREIS W:l W:A W:B"},
        {"KREIS m A s", "C:KREIS W:m W:A W:s"},
        {"WINKEL alpha s A w 60", "C:WINKEL W:alpha W:s W:A W:w N:60"},
        {"WINKEL HALB v alpha", "C:WINKEL W:HALB W:v W:alpha"},
        {"BEZ SP g k S T", "C:BEZ W:SP W:g W:k W:S W:T"},
        {"BEZEICHNE WINKEL s A r beta", "C:BEZEICHNE W:WINKEL W:s W:A W:r W:beta"},
        {"POLYGON A B C", "C:POLYGON W:A W:B W:C"},
        {"FARBE rot", "C:FARBE W:rot"},
        {"WERT s", "C:WERT W:s"},
        {"LOESCHE BEZ S", "C:LOESCHE W:BEZ W:S"},
        {"L\xD6SCHE T l", "C:L\xD6SCHE W:T W:l"},
        {"DREHE 90", "C:DREHE N:90"},
        {"", ""},
    };
    for (const TokenCase& c : cases) {
        SCOPED_TRACE(c.line);
        ASSERT_TRUE(document.AppendTyped(c.line)) << (messages.errors.empty() ? "" : messages.errors.back());
        EXPECT_EQ(Tokens(document, document.LineCount() - 1), c.tokens);
    }
}

TEST_F(DocumentTest, RejectedLinesKeepTheTokensReadUpToTheirError) {
    document.Load(Text({"PUNKT A 0 0", "KREIS k X 1", "PUNKT B 1,2,3"}), RebuildMode::KeepGoing);
    EXPECT_EQ(Tokens(document, 1), "C:KREIS W:k W:X");
    EXPECT_EQ(Tokens(document, 2), "C:PUNKT W:B N:1,2,3");
    EXPECT_FALSE(document.State(2).accepted);
    // A long name is one word however much of it the interpreter keeps.
    document.ReplaceAll({"PUNKT abcdefghijklmnopqrstuvwxyz 1 2"});
    EXPECT_EQ(Tokens(document, 0), "C:PUNKT W:abcdefghijklmnopqrstuvwxyz N:1 N:2");
}

TEST_F(DocumentTest, TheLineThatMadeAnObject) {
    Type({"PUNKT A 0 0", "PUNKT B 4 0", "STRECKE s A B", "FARBE rot", "PARALLELE p s 2", "STRECKE t C D"});
    EXPECT_EQ(document.LineOfObject(Obj("A")), 0);
    EXPECT_EQ(document.LineOfObject(Obj("s")), 2);
    // The parallel's hidden construction point belongs to its line, as do the points STRECKE made.
    const TObjList& objects = document.Parser().Objects;
    ASSERT_EQ(document.State(4).objectCount, 2);
    EXPECT_EQ(document.LineOfObject(objects.Item(document.State(4).firstObject)), 4);
    EXPECT_EQ(document.LineOfObject(Obj("p")), 4);
    EXPECT_EQ(document.LineOfObject(Obj("C")), 5);
    EXPECT_EQ(document.LineOfObject(Obj("D")), 5);
    EXPECT_EQ(document.State(3).objectCount, 0);
    EXPECT_EQ(document.LineOfObject(nullptr), -1);
    document.Undo();
    EXPECT_EQ(document.LineOfObject(Obj("p")), 4);
}

// Lines of up to five tokens keep them in the state itself, longer ones on the heap: both survive
// copies, moves and the undo that puts an earlier state back.
TEST_F(DocumentTest, TokensOfShortAndLongLinesSurviveCopiesAndMoves) {
    Type({"PUNKT A 0 0", "PUNKT B 4 0", "PUNKT C 4 3", "PUNKT D 0 3", "PUNKT E 2 5", "POLYGON A B C D E"});
    const std::string shortLine = Tokens(document, 0);
    const std::string longLine = Tokens(document, 5);
    EXPECT_EQ(longLine, "C:POLYGON W:A W:B W:C W:D W:E");
    const LineState copy = document.State(5);
    LineState moved = copy;
    const LineState movedTo = std::move(moved);
    ASSERT_EQ(copy.tokens.size(), 6u);
    EXPECT_TRUE(std::equal(copy.tokens.begin(), copy.tokens.end(), movedTo.tokens.begin()));
    EXPECT_TRUE(moved.tokens.empty());
    LineState assigned = document.State(0);
    assigned = copy;
    EXPECT_EQ(assigned.tokens.size(), 6u);
    assigned = document.State(0);
    EXPECT_EQ(assigned.tokens.size(), 4u);
    EXPECT_EQ(assigned.tokens[3], document.State(0).tokens[3]);
    document.Undo();
    document.Redo();
    EXPECT_EQ(Tokens(document, 0), shortLine);
    EXPECT_EQ(Tokens(document, 5), longLine);
}

}  // namespace
