// Tests of the Windows-1252 conversion: every byte survives, foreign and broken characters become "?".
#include "text/cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string AllBytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    return bytes;
}

TEST(Cp1252, EveryByteRoundTripsThroughUtf8) {
    const std::string bytes = AllBytes();
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(bytes)), bytes);
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(UnicodeToCp1252(Cp1252ToUnicode(static_cast<unsigned char>(b))), static_cast<char>(b));
}

TEST(Cp1252, HighBytesAreThePlatformCodePage) {
    EXPECT_EQ(Cp1252ToUnicode(0x80), U'\u20AC');  // euro sign
    EXPECT_EQ(Cp1252ToUnicode(0x9F), U'\u0178');  // Y with diaeresis
    EXPECT_EQ(Cp1252ToUtf8("\xDF"), "\xC3\x9F");  // sharp s
    EXPECT_EQ(Cp1252ToUtf8("\xFC"), "\xC3\xBC");  // u umlaut
    EXPECT_EQ(Cp1252ToUtf8("\x81"), "\xC2\x81");  // undefined: the C1 control
}

TEST(Cp1252, ForeignAndBrokenCharactersBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1252("\xCE\xB1"), "?");  // greek alpha
    EXPECT_EQ(Utf8ToCp1252("a\xF0\x9F\x98\x80"
                           "b"),
              "a?b");                                 // one emoji, one "?"
    EXPECT_EQ(Utf8ToCp1252("\xE2\x82\xAC"), "\x80");  // euro is in the page
    EXPECT_EQ(Utf8ToCp1252("x\xC3"), "x?");           // cut-off sequence
    EXPECT_EQ(Utf8ToCp1252("\xC0\xAF"), "??");        // overlong: neither byte is a character
    EXPECT_EQ(Utf8ToCp1252("\xED\xA0\x80"), "?");     // an encoded surrogate is no character
    EXPECT_EQ(Utf8ToCp1252("\x80z"), "?z");           // stray continuation byte
}

TEST(Cp1252, GermanMessageArrivesByteExact) {
    EXPECT_EQ(Utf8ToCp1252("Name muß bereits vorhanden sein!"), "Name mu\xDF bereits vorhanden sein!");
    EXPECT_EQ(Cp1252ToUtf8("Welches Objekt soll gel\xF6scht werden?"),
              "Welches Objekt soll gelöscht werden?");
}

}  // namespace
