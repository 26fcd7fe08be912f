// The INI reader/writer: name matching, and writes that leave every other byte of the file alone.
#include "text/inifile.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

TEST(IniFile, ReadsNamesWithoutCaseIgnoringBlanksCommentsAndLaterDuplicates) {
    const IniFile file(
        "Farbe=9\r\n"  // before any section: belongs to none
        "[ optionen ]\r\n"
        ";Farbe=7\r\n"
        "  FARBE =  0 \t\r\n"
        "farbe=5\r\n"
        "DoppelteStrichst\xE4rke=3\n"
        "Leer=\r\n"
        "[Optionen]\r\n"
        "Achsen=1\r\n"
        "[Drucker]\r\n"
        "Farbe=1");
    EXPECT_EQ(file.Read("Optionen", "Farbe", "d"), "0");
    EXPECT_EQ(file.Read("OPTIONEN", "farbe", "d"), "0");
    EXPECT_EQ(file.Read("Drucker", "Farbe", "d"), "1");
    // Only ASCII letters fold: the Windows-1252 byte must match exactly.
    EXPECT_EQ(file.Read("Optionen", "doppeltestrichst\xE4rke", "d"), "3");
    EXPECT_EQ(file.Read("Optionen", "DoppelteStrichst\xC4rke", "d"), "d");
    EXPECT_EQ(file.Read("Optionen", "Leer", "d"), "");
    // The first matching section wins; a later one with the same name is not searched.
    EXPECT_EQ(file.Read("Optionen", "Achsen", "d"), "d");
    EXPECT_EQ(file.Read("Fehlt", "Farbe", "d"), "d");

    const IniFile longValue("[S]\nk=" + std::string(5000, 'x') + "\n");
    EXPECT_EQ(longValue.Read("S", "k", ""), std::string(kMaxIniValueLength, 'x'));
}

TEST(IniFile, WritesChangeOnlyTheLineConcerned) {
    const std::string original =
        "; Kopf\n"
        "[Fremd]\n"
        "Farbe=  alt  \n"
        "\n"
        "[optionen]\n"
        "farbe = 0\n"
        "Achsen=1\n"
        "\n"
        "[Ende]\n"
        "x=\xFF\x01";  // no line end after the last line
    IniFile file(original);
    EXPECT_EQ(file.Text(), original);

    file.Write("Optionen", "Farbe", "1");
    file.Write("OPTIONEN", "Werkzeugleiste", "0");
    file.Write("Drucker", "Rahmen", "1");
    EXPECT_EQ(file.Text(),
              "; Kopf\n"
              "[Fremd]\n"
              "Farbe=  alt  \n"
              "\n"
              "[optionen]\n"
              "Farbe=1\n"
              "Achsen=1\n"
              "Werkzeugleiste=0\n"
              "\n"
              "[Ende]\n"
              "x=\xFF\x01\n"
              "[Drucker]\n"
              "Rahmen=1\n");

    // A new file gets Windows line ends; a line break in a value cannot split the line.
    IniFile empty;
    empty.Write("S", "k", "a\r\nb=c");
    EXPECT_EQ(empty.Text(), "[S]\r\nk=a\r\n");
}

TEST(IniFile, ALastLineEndedByCarriageReturnReadsAsOnceALineFollows) {
    // Appending turns the lone CR into CR LF; the section and key must be the same ones before and after.
    IniFile file("[Optionen]\nFarbe=1\n[drucker\r");
    EXPECT_EQ(file.Read("Drucker", "Rahmen", "d"), "d");
    file.Write("Drucker", "Rahmen", "1");
    EXPECT_EQ(file.Text(), "[Optionen]\nFarbe=1\n[drucker\r\nRahmen=1\n");
    file.Write("Drucker", "Rahmen", "1");
    EXPECT_EQ(file.Text(), "[Optionen]\nFarbe=1\n[drucker\r\nRahmen=1\n");

    IniFile key("[Optionen]\nFarbe=1\r");
    EXPECT_EQ(key.Read("Optionen", "Farbe", "d"), "1");
    key.Write("Optionen", "Farbe", "0");
    EXPECT_EQ(key.Text(), "[Optionen]\nFarbe=0\r");
    key.Write("Optionen", "Achsen", "1");
    EXPECT_EQ(key.Read("Optionen", "Farbe", "d"), "0");
    EXPECT_EQ(key.Text(), "[Optionen]\nFarbe=0\r\nAchsen=1\n");

    // In a file of CR LF lines the lone CR gets only its LF: no second CR creeps into the value.
    IniFile crlf("[Optionen]\r\nFarbe=0Fa\r");
    crlf.Write("Optionen", "Farbe", "1");
    crlf.Write("Optionen", "Achsen", "0");
    EXPECT_EQ(crlf.Text(), "[Optionen]\r\nFarbe=1\r\nAchsen=0\r\n");
    EXPECT_EQ(crlf.Read("Optionen", "Farbe", "d"), "1");
}

TEST(IniFile, AnyBytesSurviveParsingAndWriting) {
    std::mt19937 random(7);
    for (int round = 0; round < 50; ++round) {
        std::string bytes(1 + random() % 2000, '\0');
        for (char& c : bytes)
            c = static_cast<char>("[]=;\r\n \tAb\0\xE4"[random() % 12]);
        IniFile file(bytes);
        ASSERT_EQ(file.Text(), bytes);
        file.Write("Drucker", "Rahmen", "0");
        EXPECT_EQ(file.Read("drucker", "RAHMEN", "d"), "0");
    }
    // Long lines full of the characters the searches look for must stay linear, not quadratic.
    for (const std::string& bytes :
         {std::string(4 << 20, '['), "[Drucker]\n" + std::string(4 << 20, '='), std::string(4 << 20, '\n')}) {
        IniFile file(bytes);
        file.Write("Drucker", "Rahmen", "0");
        EXPECT_EQ(file.Read("Drucker", "Rahmen", "d"), "0");
        EXPECT_EQ(file.Text().compare(0, bytes.size(), bytes), 0);
    }
}
