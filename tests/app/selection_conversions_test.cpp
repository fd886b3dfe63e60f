#include "app/selection_conversions.h"

#include <gtest/gtest.h>

namespace {

using quillo::Conversion;
using Kind = quillo::ConversionResult::Kind;

std::string convert(Conversion c, std::string_view selection) {
    const quillo::ConversionResult r = quillo::convertSelection(c, selection);
    return r.kind == Kind::Replace ? r.text : "<" + std::to_string(static_cast<int>(r.kind)) + ">";
}

TEST(SelectionConversions, NumbersChangeNotation) {
    EXPECT_EQ(convert(Conversion::Decimal, "$1F"), "31");
    EXPECT_EQ(convert(Conversion::Hexadecimal, "31"), "$1F");
    EXPECT_EQ(convert(Conversion::Binary, "0FFh"), "%11111111");
    EXPECT_EQ(convert(Conversion::Decimal, "%1010"), "10");
    EXPECT_EQ(convert(Conversion::Decimal, "1010b"), "10");
    EXPECT_EQ(convert(Conversion::Hexadecimal, "abc"), "$0");
    EXPECT_EQ(convert(Conversion::Decimal, " 255\r\n"), "255");
}

TEST(SelectionConversions, TheSuffixRulesReadHexadecimalOnlyWithALowerCaseH) {
    EXPECT_EQ(quillo::selectionNumber("1Fh"), 31);
    EXPECT_EQ(quillo::selectionNumber("FFh"), 255);
    EXPECT_EQ(quillo::selectionNumber("FFH"), 0);
    EXPECT_EQ(quillo::selectionNumber("-5"), 0);
    EXPECT_EQ(quillo::selectionNumber("$1G"), 16);  // a non-digit counts as digit 0
}

TEST(SelectionConversions, EightBitNegativeTakesAnyValue) {
    EXPECT_EQ(convert(Conversion::Negative8, "300"), "-45");
    EXPECT_EQ(convert(Conversion::Negative8, "$0F"), "240");
}

TEST(SelectionConversions, AnEmptySelectionInsertsZeroForNumbersAndNothingForText) {
    EXPECT_EQ(convert(Conversion::Decimal, ""), "0");
    EXPECT_EQ(convert(Conversion::Hexadecimal, ""), "$0");
    EXPECT_EQ(convert(Conversion::Binary, ""), "%0");
    EXPECT_EQ(convert(Conversion::Negative8, ""), "255");
    EXPECT_EQ(convert(Conversion::UpperCase, ""), "<1>");
    EXPECT_EQ(convert(Conversion::LowerCase, ""), "<1>");
    EXPECT_EQ(convert(Conversion::TextToBytes, ""), "<1>");
    EXPECT_EQ(convert(Conversion::DefbNegative, ""), "<1>");
}

TEST(SelectionConversions, ValuesPast32BitsWrapToTheSigned32BitResult) {
    EXPECT_EQ(quillo::selectionNumber("4294967297"), 1);           // 2^32 + 1
    EXPECT_EQ(quillo::selectionNumber("2147483648"), -2147483647 - 1);
    EXPECT_EQ(quillo::selectionNumber("$123456789"), 0x23456789);
    EXPECT_EQ(quillo::selectionNumber("%1" + std::string(40, '0') + "1"), 1);
    EXPECT_EQ(convert(Conversion::Hexadecimal, "4294967295"), "$FFFFFFFF");
    EXPECT_EQ(convert(Conversion::Decimal, "$FFFFFFFF"), "-1");
    EXPECT_EQ(convert(Conversion::Negative8, "-2147483648"), "255");  // not a number: 0
    EXPECT_EQ(convert(Conversion::Negative8, "$80000000"), "-2147483393");
}

TEST(SelectionConversions, CaseChangesLettersOnly) {
    EXPECT_EQ(convert(Conversion::UpperCase, "print \"a1\""), "PRINT \"A1\"");
    EXPECT_EQ(convert(Conversion::LowerCase, "PRINT X$"), "print x$");
}

TEST(SelectionConversions, TextToBytesWritesTheCodesWithoutQuotes) {
    EXPECT_EQ(convert(Conversion::TextToBytes, "A,B"), "65,44,66");
    EXPECT_EQ(convert(Conversion::TextToBytes, "\"Hi\""), "72,105");
    EXPECT_EQ(convert(Conversion::TextToBytes, "Hi"), "72,105");
    EXPECT_EQ(convert(Conversion::TextToBytes, "\xC2\xA3\xE2\x82\xAC"), "163,63");  // pound, euro
    EXPECT_EQ(convert(Conversion::TextToBytes, "\"\""), "<1>");
    EXPECT_EQ(convert(Conversion::TextToBytes, "a ; b"), "<2>");
}

TEST(SelectionConversions, DefbNegativeComplementsEveryByte) {
    EXPECT_EQ(convert(Conversion::DefbNegative, "DEFB 0,255,15"), "\tDEFB\t255,000,240\n");
    EXPECT_EQ(convert(Conversion::DefbNegative, "\tdefb\t1,2\r\n\tDEFB\t3"), "\tDEFB\t254,253,252\n");
}

}  // namespace
