#include "dialogkit/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using dialogkit::FormatFixed;
using dialogkit::FormatGeneral;
using dialogkit::ParseNumber;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Shown {
    double value;
    const wchar_t* general15;
    const wchar_t* fixed6;
};

TEST(NumberText, FormatsAsPrintfWouldAndSpecialValuesOurWay) {
    const Shown table[] = {
        {0.0, L"0", L"0.000000"},
        {-0.0, L"-0", L"-0.000000"},
        {0.1, L"0.1", L"0.100000"},
        {2.5, L"2.5", L"2.500000"},
        {1.0 / 3, L"0.333333333333333", L"0.333333"},
        {-123.456, L"-123.456", L"-123.456000"},
        {1e20, L"1e+20", L"100000000000000000000.000000"},
        {123456789012345678.0, L"1.23456789012346e+17", L"123456789012345680.000000"},
        {1e-5, L"1e-05", L"0.000010"},
        {0.0001, L"0.0001", L"0.000100"},
        {5e-324, L"4.94065645841247e-324", L"0.000000"},
        {1e300, L"1e+300", nullptr},
        {0.9999999999999999, L"1", L"1.000000"},
        {kNaN, L"nan", L"nan"},
        {-kNaN, L"nan", L"nan"},
        {kInf, L"inf", L"inf"},
        {-kInf, L"-inf", L"-inf"},
    };
    for (const Shown& row : table) {
        EXPECT_EQ(FormatGeneral(row.value, 15), row.general15) << row.value;
        if (row.fixed6) {
            EXPECT_EQ(FormatFixed(row.value, 6), row.fixed6) << row.value;
        }
    }
    EXPECT_EQ(FormatFixed(1e300, 6).size(), 301u + 7u);
    EXPECT_EQ(FormatFixed(2.0 / 3, 3), L"0.667");
}

struct Read {
    const wchar_t* text;
    double value;  // NaN: a NaN is expected
};

TEST(NumberText, ReadsTheLongestNumberAtTheStartAsScanfDoes) {
    const Read table[] = {
        {L"12.5", 12.5},
        {L"  \t\r\n12.5", 12.5},
        {L"12abc", 12},
        {L"12 34", 12},
        {L"12кг", 12},
        {L"+7", 7},
        {L"-7", -7},
        {L".5", 0.5},
        {L"5.", 5},
        {L"1e3", 1000},
        {L"1E-3", 0.001},
        {L"1e+3", 1000},
        {L"1e", 1},
        {L"1e+", 1},
        {L"0x10", 0},
        {L"0.1", 0.1},
        {L"0.333333333333333", 0.333333333333333},
        {L"nan", kNaN},
        {L"NaN", kNaN},
        {L"-nan", kNaN},
        {L"nan(123)", kNaN},
        {L"inf", kInf},
        {L"INF", kInf},
        {L"infinity", kInf},
        {L"-inf", -kInf},
        {L"+inf", kInf},
        {L"1e400", kInf},
        {L"-1e400", -kInf},
        {L"1000000e303", kInf},
        {L"100000e303", 1e308},
        {L"0.00001e310", 1e305},
        {L"1e99999999999999999999", kInf},
        {L"4.94065645841247e-324", 5e-324},
        // The largest double shown with 15 digits lies beyond the range: "%lf" reads an infinity too.
        {L"1.79769313486232e+308", kInf},
    };
    for (const Read& row : table) {
        std::optional<double> read = ParseNumber(row.text);
        ASSERT_TRUE(read.has_value()) << testing::PrintToString(std::wstring(row.text));
        if (std::isnan(row.value)) EXPECT_TRUE(std::isnan(*read));
        else EXPECT_EQ(*read, row.value) << testing::PrintToString(std::wstring(row.text));
    }
}

TEST(NumberText, UnderflowGivesZeroOfTheNumbersSign) {
    const wchar_t* const tiny[] = {L"1e-400", L"1234e-330", L"0.0001e-320", L"1e-99999999999999999999"};
    for (const wchar_t* text : tiny) {
        std::optional<double> read = ParseNumber(text);
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(*read, 0.0);
        EXPECT_FALSE(std::signbit(*read));
    }
    std::optional<double> negative = ParseNumber(L"-1e-400");
    ASSERT_TRUE(negative.has_value());
    EXPECT_TRUE(std::signbit(*negative));
}

TEST(NumberText, RefusesTextWithoutANumberAtTheStart) {
    const wchar_t* const refused[] = {L"", L"   ", L"abc", L".", L"-", L"+", L"+-1", L"--1", L"e5", L"x1",
                                      L"١٢", L"１２", L"in", L"na"};
    for (const wchar_t* text : refused)
        EXPECT_FALSE(ParseNumber(text).has_value()) << testing::PrintToString(std::wstring(text));
}

TEST(NumberText, ShownNumbersReadBackToTheSameText) {
    const double values[] = {0.1, 1.0 / 3, 2.0 / 3, 1e-300, 123456.789, -9.87654321e12, 5e-324,
                             kInf, -kInf};
    for (double value : values) {
        std::wstring shown = FormatGeneral(value, 15);
        std::optional<double> read = ParseNumber(shown);
        ASSERT_TRUE(read.has_value()) << value;
        EXPECT_EQ(FormatGeneral(*read, 15), shown);
        // Seventeen digits identify every double exactly.
        EXPECT_EQ(*ParseNumber(FormatGeneral(value, 17)), value);
    }
    EXPECT_TRUE(std::isnan(*ParseNumber(FormatGeneral(kNaN, 15))));
}

}  // namespace
