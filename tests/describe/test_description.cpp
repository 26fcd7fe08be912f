// The construction description: the sentence of every command form, and what says nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "describe/description.h"
#include "tests/document/documentfixture.h"

namespace {

// A construction typed line by line, and the sentence its last line should get (UTF-8).
struct SentenceCase {
    std::vector<const char*> before;
    const char* line;  // Windows-1252
    const char* sentence;
};

// The points, figures and angles the cases build on.
const std::vector<const char*> kBase = {
    "PUNKT A 0 0",   "PUNKT B 4 0",  "PUNKT P 1 3",  "PUNKT M 2 2",
    "STRECKE c A B", "GERADE g A B", "STRAHL r A P", "KREIS k M 2",
};

const std::vector<const char*> kCorners = {"PUNKT A 0 0", "PUNKT A1 -1 0", "PUNKT B 4 0",
                                           "PUNKT C 4 3", "PUNKT D 0 3",   "PUNKT E -1 2"};

std::vector<const char*> Base(std::vector<const char*> more = {}) {
    std::vector<const char*> lines = kBase;
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}

class SentenceTest : public DocumentTest {
protected:
    std::vector<std::string> Sentences() const {
        std::vector<std::string> texts;
        for (const DescriptionSentence& s : DescribeConstruction(document))
            texts.push_back(SentenceUtf8(s));
        return texts;
    }
    void TypeAll(const std::vector<const char*>& lines) {
        for (const char* line : lines)
            ASSERT_TRUE(document.AppendTyped(line)) << line;
    }
};

TEST_F(SentenceTest, EveryCommandFormHasItsSentence) {
    const SentenceCase cases[] = {
        {{}, "PUNKT A 1,5 2", "Zeichne den Punkt A(1,5|2)."},
        {{}, "Punkt Pkt1 -0,50 +4", "Zeichne den Punkt Pkt1(-0,5|4)."},
        {{}, "punkt A", "Zeichne den Punkt A(0|0)."},
        {{}, "PUNKT Q .5 007.", "Zeichne den Punkt Q(0,5|7)."},
        {{}, "PUNKT Q -0 -.0", "Zeichne den Punkt Q(0|0)."},
        {Base(), "STRECKE s A P", "Zeichne die Strecke s von A nach P."},
        {{}, "STRECKE s A B 3", "Zeichne die Strecke s von A nach B mit der Länge 3."},
        {{}, "STRECKE s A B", "Zeichne die Strecke s von A nach B mit der Länge 5."},
        {{}, "STRECKE s A B xyz", "Zeichne die Strecke s von A nach B mit der Länge 5."},
        {{"PUNKT B 3 3"}, "STRECKE s A B 7", "Zeichne den Punkt A(0|0) und die Strecke s von A nach B."},
        {Base(), "STRECKE s r Q 2,5",
         "Trage auf dem Strahl r vom Anfangspunkt aus die Strecke s der Länge 2,5 ab; ihr Endpunkt ist Q."},
        {Base(), "GERADE h A P", "Zeichne die Gerade h durch A und P."},
        {Base(), "GERADE abcdefghijkl A P", "Zeichne die Gerade abcdefghij durch A und P."},
        {Base(), "STRAHL t P B", "Zeichne den Strahl t von P durch B."},
        {Base(), "MITTELPUNKT Mc c", "Konstruiere den Mittelpunkt Mc der Strecke c."},
        {Base(), "MP N A P", "Konstruiere den Mittelpunkt N zwischen A und P."},
        {Base(), "SENKRECHTE h g P", "Zeichne die Senkrechte h zu g durch P."},
        {Base(), "PARALLELE p g P", "Zeichne die Parallele p zu g durch P."},
        {Base(), "PARALLELE p g 2", "Zeichne die Parallele p zu g im Abstand 2."},
        {Base(), "KREIS k2 M 3", "Zeichne den Kreis k2 um M mit dem Radius 3."},
        {Base(), "KREIS k2 M P", "Zeichne den Kreis k2 um M durch P."},
        {Base(), "KREIS k2 M c", "Zeichne den Kreis k2 um M mit der Länge der Strecke c als Radius."},
        {Base(), "WINKEL alpha c A t 60",
         "Trage in A an c den Winkel α = 60° an; der freie Schenkel ist der Strahl t."},
        {Base(), "WINKEL Beta2 r A t -30,0",
         "Trage in A an r den Winkel β2 = -30° an; der freie Schenkel ist der Strahl t."},
        {Base({"WINKEL alpha c A t 60"}), "WINKEL HALB w alpha",
         "Halbiere den Winkel α; die Winkelhalbierende ist der Strahl w."},
        {Base({"WINKEL alpha c A t 60"}), "WINKEL halbierende w alpha",
         "Halbiere den Winkel α; die Winkelhalbierende ist der Strahl w."},
        {Base({"GERADE h P M"}), "BEZEICHNE SCHNITTPUNKT g h S",
         "Bezeichne den Schnittpunkt von g und h mit S."},
        {Base({"GERADE h P M"}), "BEZ SP g h S T", "Bezeichne den Schnittpunkt von g und h mit S."},
        {Base({"PUNKT N 2 0", "GERADE h M N"}), "BEZ sp h k S T",
         "Bezeichne die Schnittpunkte von h und k mit S und T."},
        {Base({"STRECKE s A M"}), "BEZ WINKEL c A s gamma", "Bezeichne den Winkel zwischen c und s mit γ."},
        {Base(), "BEZ WINKEL B A P alpha", "Bezeichne den Winkel BAP mit α."},
        {Base(), "BEZ Winkel c A P delta", "Bezeichne den Winkel zwischen c und [AP] mit δ."},
        {kCorners, "POLYGON A B C", "Zeichne das Dreieck ABC."},
        {kCorners, "POLY A B C D", "Zeichne das Viereck ABCD."},
        {kCorners, "POLY A1 B C D E", "Zeichne das Fünfeck A1BCDE."},
        {{"PUNKT P1 0 0", "PUNKT P2 1 0", "PUNKT P3 2 1", "PUNKT P4 2 2", "PUNKT P5 1 3", "PUNKT P6 0 3",
          "PUNKT P7 -1 2", "PUNKT P8 -1 1", "PUNKT P9 -1 0", "PUNKT PA -2 0"},
         "POLY P1 P2 P3 P4 P5 P6 P7 P8 P9 PA",
         "Zeichne das Zehneck P1P2P3P4P5P6P7P8P9PA."},
        {Base(), "LOESCHE k", "Lösche k."},
        {Base(), "L\xD6SCHE k c P", "Lösche k, c und P."},
        {Base(), "LOESCHE k X c", "Lösche k."},
        {Base(), "LOESCHE k k", "Lösche k."},
        {Base({"WINKEL alpha c A t 60"}), "LOESCHE alpha t", "Lösche α und t."},
        {Base(), "LOESCHE BEZ A", "Entferne die Bezeichnung von A."},
        {Base(), "l\xF6sche Bezeichnung A B", "Entferne die Bezeichnungen von A und B."},
        {Base(), "LOESCHE BEZEICHNER A X B", "Entferne die Bezeichnung von A."},
        {Base(), "DREHE 90", "Drehe die Konstruktion um 90° um den Ursprung."},
        {Base(), "drehe -22,50", "Drehe die Konstruktion um -22,5° um den Ursprung."},
        {{}, "PUNKT \xC4pfel 1 1", "Zeichne den Punkt Äpfel(1|1)."},
    };
    for (const SentenceCase& c : cases) {
        SCOPED_TRACE(c.line);
        document.StartAfresh();
        TypeAll(c.before);
        ASSERT_TRUE(document.AppendTyped(c.line));
        const std::vector<std::string> sentences = Sentences();
        ASSERT_FALSE(sentences.empty());
        EXPECT_EQ(sentences.back(), c.sentence);
    }
}

TEST_F(SentenceTest, LinesThatMakeNothingSayNothing) {
    Type({"PUNKT A 1 2", "FARBE rot", "WERT A", "", "   PUNKT B 1 1", "PUNKT B 2 2"});
    EXPECT_EQ(Sentences(),
              (std::vector<std::string>{"Zeichne den Punkt A(1|2).", "Zeichne den Punkt B(2|2)."}));
    // A rejected typed line is not part of the construction.
    EXPECT_FALSE(document.AppendTyped("PUNKT C 1"));
    EXPECT_EQ(Sentences().size(), 2u);
}

TEST_F(SentenceTest, RejectedAndUnexecutedLinesOfAFileSayNothing) {
    // Line 2 is rejected; opening stops there, so line 3 is not executed.
    document.Load(Text({"PUNKT A 1 2", "PUNKT A 3 4", "PUNKT B 0 0"}));
    const std::vector<DescriptionSentence> stopped = DescribeConstruction(document);
    ASSERT_EQ(stopped.size(), 1u);
    EXPECT_EQ(stopped[0].line, 0);
    // Going on after it, the third line runs and is the second step.
    document.Load(Text({"PUNKT A 1 2", "PUNKT A 3 4", "PUNKT B 0 0"}), RebuildMode::KeepGoing);
    const std::vector<DescriptionSentence> all = DescribeConstruction(document);
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[1].line, 2);
    EXPECT_EQ(DescriptionUtf8(all), "1. Zeichne den Punkt A(1|2).\n2. Zeichne den Punkt B(0|0).\n");
}

TEST_F(SentenceTest, NamesAreFollowedThroughDeletionsAndPartialLines) {
    // After a deletion the name is free: a new A is a point again, and k names the new circle's point.
    Type({"PUNKT M 0 0", "STRECKE k M X", "LOESCHE k", "PUNKT k 1 1", "KREIS c M k"});
    EXPECT_EQ(Sentences().back(), "Zeichne den Kreis c um M durch k.");
    // A rejected BEZ SP keeps its first point: S is then a point that a segment can start at.
    document.StartAfresh();
    Type({"PUNKT A 0 0", "PUNKT B 2 0", "GERADE g A B", "PUNKT M 1 0", "KREIS k M 1"});
    EXPECT_FALSE(document.AppendTyped("BEZ SP g k S S"));
    document.AppendTyped("STRECKE s S B");
    EXPECT_EQ(Sentences().back(), "Zeichne die Strecke s von S nach B.");
    // Removing only a label frees the name too.
    Type({"LOESCHE BEZ s", "STRECKE s A B"});
    EXPECT_EQ(Sentences().back(), "Zeichne die Strecke s von A nach B.");
}

TEST_F(SentenceTest, AnglesAreGreekWhereverTheyAreNamed) {
    Type({"PUNKT A 0 0", "PUNKT B 4 0", "STRECKE c A B", "WINKEL alphaEins c A t 45",
          "WINKEL HALB w alphaEins", "LOESCHE BEZ alphaEins"});
    const std::vector<DescriptionSentence> sentences = DescribeConstruction(document);
    ASSERT_EQ(sentences.size(), 6u);
    // The Symbol font's letters: every Latin letter of an angle's name is Greek.
    EXPECT_EQ(SentenceUtf8(sentences[5]), "Entferne die Bezeichnung von αΕινσ.");
    const std::vector<DescriptionRun> expected = {{"Halbiere den Winkel ", false},
                                                  {"aEins", true},
                                                  {"; die Winkelhalbierende ist der Strahl w.", false}};
    EXPECT_EQ(sentences[4].runs, expected);
}

TEST(NumberWording, SchoolForm) {
    EXPECT_EQ(NumberWording("1.5"), "1,5");
    EXPECT_EQ(NumberWording("+007,250"), "7,25");
    EXPECT_EQ(NumberWording("-.0"), "0");
    EXPECT_EQ(NumberWording("."), "0");
    EXPECT_EQ(NumberWording("-12"), "-12");
    EXPECT_EQ(NumberWording("5."), "5");
}

}  // namespace
