// Tests of lineato-batch's command line and of the JSON building blocks of its dump.
#include "batch/batchoptions.h"

#include <gtest/gtest.h>

#include <charconv>
#include <string>
#include <vector>

#include "batch/batchdump.h"

namespace {

std::optional<BatchOptions> Parse(const std::vector<std::string>& args) {
    std::string error;
    std::optional<BatchOptions> options = ParseBatchArguments(args, error);
    EXPECT_EQ(options.has_value(), error.empty()) << error;
    return options;
}

TEST(BatchArguments, FileAloneGivesTheStartDefaults) {
    const auto options = Parse({"a.con"});
    ASSERT_TRUE(options);
    EXPECT_EQ(options->file, "a.con");
    EXPECT_EQ(options->width, 640);
    EXPECT_EQ(options->height, 480);
    EXPECT_FALSE(options->dump || options->axes || options->mono || options->keepGoing);
    EXPECT_TRUE(options->png.empty() && options->svg.empty() && options->pdf.empty());
}

TEST(BatchArguments, EveryOptionIsRead) {
    const auto options = Parse({"--size", "800x600", "--dump", "--png", "a.png", "--svg", "a.svg", "--pdf",
                                "a.pdf", "--axes", "--mono", "--keep-going", "-"});
    ASSERT_TRUE(options);
    EXPECT_EQ(options->width, 800);
    EXPECT_EQ(options->height, 600);
    EXPECT_TRUE(options->dump && options->axes && options->mono && options->keepGoing);
    EXPECT_EQ(options->png, "a.png");
    EXPECT_EQ(options->svg, "a.svg");
    EXPECT_EQ(options->pdf, "a.pdf");
    EXPECT_EQ(options->file, "-");
}

TEST(BatchArguments, SizesFromOneToTenThousandAreAccepted) {
    EXPECT_TRUE(Parse({"--size", "1x1", "f"}));
    EXPECT_TRUE(Parse({"--size", "10000x10000", "f"}));
}

TEST(BatchArguments, MalformedOrOutOfRangeSizesAreUsageErrors) {
    for (const char* size : {"0x10", "10x0", "10001x5", "5x10001", "10x", "x10", "-5x5", "+5x5", "5x5x5",
                             "abc", "5X5", "", "99999999999x5"})
        EXPECT_FALSE(Parse({"--size", size, "f"})) << size;
}

TEST(BatchArguments, MissingOrExtraFilesAndUnknownOptionsAreUsageErrors) {
    EXPECT_FALSE(Parse({}));
    EXPECT_FALSE(Parse({"--dump"}));
    EXPECT_FALSE(Parse({"a.con", "b.con"}));
    EXPECT_FALSE(Parse({"--frobnicate", "a.con"}));
    EXPECT_FALSE(Parse({"a.con", "--png"}));
    EXPECT_FALSE(Parse({"--png", "", "a.con"}));
}

TEST(BatchArguments, ErrorsStayOneLineAndShowControlCharactersEscaped) {
    std::string error;
    EXPECT_FALSE(ParseBatchArguments({"--tikz\nx", "f"}, error));
    EXPECT_EQ(error, "unknown option --tikz\\x0Ax");
    EXPECT_FALSE(ParseBatchArguments({"a", "b\rc\\d"}, error));
    EXPECT_EQ(error, "more than one FILE given: b\\x0Dc\\x5Cd");
    EXPECT_FALSE(ParseBatchArguments({"--size", "5\tx5", "f"}, error));
    EXPECT_EQ(error, "invalid size '5\\x09x5': expected WxH with W and H in 1..10000");
    EXPECT_EQ(ShownArgument("umkreis \xE4.con"), "umkreis \xE4.con");  // other bytes stay as they are
}

TEST(BatchArguments, TikzVersionAndTheirValues) {
    auto options = Parse({"--tikz", "a.tex", "--tikz-width", "8,5", "f"});
    ASSERT_TRUE(options);
    EXPECT_EQ(options->tikz, "a.tex");
    EXPECT_EQ(options->tikzWidth, 8.5);
    options = Parse({"--tikz-width", "500", "--tikz", "b.tex", "f"});
    ASSERT_TRUE(options);
    EXPECT_EQ(options->tikzWidth, 500);
    EXPECT_EQ(Parse({"--tikz", "a.tex", "f"})->tikzWidth, 0);  // one centimetre per unit
    for (const char* width : {"0", "-3", "+3", "500.5", "abc", "8cm", "", "nan", "inf", "1e999"})
        EXPECT_FALSE(Parse({"--tikz-width", width, "f"})) << width;
    EXPECT_FALSE(Parse({"--tikz", "", "f"}));
    EXPECT_FALSE(Parse({"f", "--tikz-width"}));
    // --version needs no file, like --help.
    options = Parse({"--version"});
    ASSERT_TRUE(options);
    EXPECT_TRUE(options->version);
}

TEST(BatchArguments, DoubleDashLetsAFileNameStartWithDash) {
    const auto options = Parse({"--", "-odd.con"});
    ASSERT_TRUE(options);
    EXPECT_EQ(options->file, "-odd.con");
}

TEST(JsonNumber, RoundTripsWithSeventeenDigits) {
    for (double value : {0.1, 1.0 / 3.0, -6.6666666666666661, 1e-300, 123456789.125, 5e20}) {
        const std::string text = JsonNumber(value);
        double back = 0;
        std::from_chars(text.data(), text.data() + text.size(), back);
        EXPECT_EQ(back, value) << text;
    }
    EXPECT_EQ(JsonNumber(0.1), "0.10000000000000001");
    EXPECT_EQ(JsonNumber(2), "2");
    EXPECT_EQ(JsonNumber(-0.5), "-0.5");
}

TEST(JsonNumber, NonFiniteValuesBecomeNull) {
    EXPECT_EQ(JsonNumber(std::numeric_limits<double>::infinity()), "null");
    EXPECT_EQ(JsonNumber(std::numeric_limits<double>::quiet_NaN()), "null");
}

TEST(JsonString, EscapesQuotesBackslashesAndControls) {
    EXPECT_EQ(JsonString("Punkt A"), "\"Punkt A\"");
    EXPECT_EQ(JsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(JsonString("\t\x01\x1f"), "\"\\u0009\\u0001\\u001f\"");
    EXPECT_EQ(JsonString("gel\xC3\xB6scht"), "\"gel\xC3\xB6scht\"");  // UTF-8 passes unchanged
}

}  // namespace
