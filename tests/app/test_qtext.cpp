// Tests of the QString boundary: every byte survives, the table agrees with Qt's own codec.
#include "app/qtext.h"

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

TEST(QtText, EveryByteRoundTripsThroughQString) {
    const std::string bytes = AllBytes();
    const QString text = Cp1252ToQString(bytes);
    EXPECT_EQ(text.size(), 256);
    EXPECT_EQ(QStringToCp1252(text), bytes);
}

TEST(QtText, AgreesWithQtsDecoderWhereItExists) {
    QStringDecoder decoder("windows-1252");
    if (!decoder.isValid()) GTEST_SKIP() << "Qt has no windows-1252 codec here";
    const std::string bytes = AllBytes();
    EXPECT_EQ(Cp1252ToQString(bytes), decoder.decode(QByteArrayView(bytes.data(), 256)));
}

TEST(QtText, ForeignCharactersBecomeQuestionMarks) {
    EXPECT_EQ(QStringToCp1252(QString::fromUtf8("\xCE\xB1")), "?");
    EXPECT_EQ(QStringToCp1252(QString::fromUtf8("a\xF0\x9F\x98\x80"
                                                "b")),
              "a?b");
    EXPECT_EQ(QStringToCp1252(QString::fromUtf8("\xE2\x82\xAC")), "\x80");
}

}  // namespace
