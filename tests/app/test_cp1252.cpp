// Tests of the Windows-1252 boundary: every byte survives, foreign characters become "?".
#include "app/cp1252.h"

#include <gtest/gtest.h>

#include <QStringDecoder>
#include <string>

namespace {

std::string AllBytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    return bytes;
}

TEST(Cp1252, EveryByteRoundTripsThroughQString) {
    const std::string bytes = AllBytes();
    const QString text = Cp1252ToQString(bytes);
    EXPECT_EQ(text.size(), 256);
    EXPECT_EQ(QStringToCp1252(text), bytes);
}

TEST(Cp1252, EveryByteRoundTripsThroughUtf8) {
    const std::string bytes = AllBytes();
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(bytes)), bytes);
}

TEST(Cp1252, HighBytesAreThePlatformCodePage) {
    EXPECT_EQ(Cp1252ToQString("\x80"), QString(QChar(0x20AC)));  // euro sign
    EXPECT_EQ(Cp1252ToQString("\x9F"), QString(QChar(0x0178)));  // Y with diaeresis
    EXPECT_EQ(Cp1252ToUtf8("\xDF"), "\xC3\x9F");                 // sharp s
    EXPECT_EQ(Cp1252ToUtf8("\xFC"), "\xC3\xBC");                 // u umlaut
    EXPECT_EQ(Cp1252ToUtf8("\x81"), "\xC2\x81");                 // undefined: the C1 control
}

TEST(Cp1252, AgreesWithQtsDecoderWhereItExists) {
    QStringDecoder decoder("windows-1252");
    if (!decoder.isValid()) GTEST_SKIP() << "Qt has no windows-1252 codec here";
    const std::string bytes = AllBytes();
    EXPECT_EQ(Cp1252ToQString(bytes), decoder.decode(QByteArrayView(bytes.data(), 256)));
}

TEST(Cp1252, ForeignCharactersBecomeQuestionMarks) {
    EXPECT_EQ(QStringToCp1252(QString::fromUtf8("\xCE\xB1")), "?");  // greek alpha
    EXPECT_EQ(QStringToCp1252(QString::fromUtf8("a\xF0\x9F\x98\x80"
                                                "b")),
              "a?b");                                                       // one emoji, one "?"
    EXPECT_EQ(QStringToCp1252(QString::fromUtf8("\xE2\x82\xAC")), "\x80");  // euro is in the page
    EXPECT_EQ(Utf8ToCp1252("x\xC3"), "x?");                                 // cut-off sequence
}

TEST(Cp1252, GermanMessageArrivesByteExact) {
    EXPECT_EQ(Utf8ToCp1252("Name muß bereits vorhanden sein!"), "Name mu\xDF bereits vorhanden sein!");
    EXPECT_EQ(Cp1252ToUtf8("Welches Objekt soll gel\xF6scht werden?"),
              "Welches Objekt soll gelöscht werden?");
}

}  // namespace
