// Number texts as each caller writes them (the report's "%.3f" and "%.6g", the dialog's refill "%.6f" and
// fields "%.15g", the tools' "%.17g"), and the fields' reading, which takes back what they show.

#include "text/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <utility>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Written {
    double value;
    // Null where the text is too long to list.
    const wchar_t* fixed3;
    const wchar_t* fixed6;
    const wchar_t* general6;
    const wchar_t* general15;
    const char* general17;
};

TEST(NumberText, WritesAsPrintfWouldAndSpecialValuesOurWay) {
    const Written table[] = {
        {0.0, L"0.000", L"0.000000", L"0", L"0", "0"},
        {-0.0, L"-0.000", L"-0.000000", L"-0", L"-0", "-0"},
        {0.1, L"0.100", L"0.100000", L"0.1", L"0.1", "0.10000000000000001"},
        {0.3, L"0.300", L"0.300000", L"0.3", L"0.3", "0.29999999999999999"},
        {4, L"4.000", L"4.000000", L"4", L"4", "4"},
        {12, L"12.000", L"12.000000", L"12", L"12", "12"},
        {0.5, L"0.500", L"0.500000", L"0.5", L"0.5", "0.5"},
        {1.5, L"1.500", L"1.500000", L"1.5", L"1.5", "1.5"},
        {2.5, L"2.500", L"2.500000", L"2.5", L"2.5", "2.5"},
        {-2.5, L"-2.500", L"-2.500000", L"-2.5", L"-2.5", "-2.5"},
        {-100, L"-100.000", L"-100.000000", L"-100", L"-100", "-100"},
        {1.0 / 3, L"0.333", L"0.333333", L"0.333333", L"0.333333333333333", "0.33333333333333331"},
        {2.0 / 3, L"0.667", L"0.666667", L"0.666667", L"0.666666666666667", "0.66666666666666663"},
        {-123.456, L"-123.456", L"-123.456000", L"-123.456", L"-123.456", "-123.456"},
        {0.0001234, L"0.000", L"0.000123", L"0.0001234", L"0.0001234", "0.00012339999999999999"},
        {-0.0001234, L"-0.000", L"-0.000123", L"-0.0001234", L"-0.0001234", "-0.00012339999999999999"},
        {-0.0125, L"-0.013", L"-0.012500", L"-0.0125", L"-0.0125", "-0.012500000000000001"},
        {0.0998, L"0.100", L"0.099800", L"0.0998", L"0.0998", "0.0998"},
        // Rounded from the exact binary value: 0.0005 is slightly above, 1.0005 slightly below the tie.
        {0.0005, L"0.001", L"0.000500", L"0.0005", L"0.0005", "0.00050000000000000001"},
        {1.0005, L"1.000", L"1.000500", L"1.0005", L"1.0005", "1.0004999999999999"},
        {0.9995, L"1.000", L"0.999500", L"0.9995", L"0.9995", "0.99950000000000006"},
        {2.0375, L"2.038", L"2.037500", L"2.0375", L"2.0375", "2.0375000000000001"},
        {2.0625, L"2.062", L"2.062500", L"2.0625", L"2.0625", "2.0625"},
        {9.9996, L"10.000", L"9.999600", L"9.9996", L"9.9996", "9.9995999999999992"},
        {0.9999999999999999, L"1.000", L"1.000000", L"1", L"1", "0.99999999999999989"},
        {1e-4, L"0.000", L"0.000100", L"0.0001", L"0.0001", "0.0001"},
        {1e-5, L"0.000", L"0.000010", L"1e-05", L"1e-05", "1.0000000000000001e-05"},
        {2.5e-5, L"0.000", L"0.000025", L"2.5e-05", L"2.5e-05", "2.5000000000000001e-05"},
        {9.9999999999999995e-5, L"0.000", L"0.000100", L"0.0001", L"0.0001", "9.9999999999999991e-05"},
        {123456.7, L"123456.700", L"123456.700000", L"123457", L"123456.7", "123456.7"},
        {1234567.0, L"1234567.000", L"1234567.000000", L"1.23457e+06", L"1234567", "1234567"},
        {1e16, L"10000000000000000.000", L"10000000000000000.000000", L"1e+16", L"1e+16", "10000000000000000"},
        {99999999999999999.0, L"100000000000000000.000", L"100000000000000000.000000", L"1e+17", L"1e+17", "1e+17"},
        {123456789012345678.0, L"123456789012345680.000", L"123456789012345680.000000", L"1.23457e+17",
         L"1.23456789012346e+17", "1.2345678901234568e+17"},
        {1e20, L"100000000000000000000.000", L"100000000000000000000.000000", L"1e+20", L"1e+20", "1e+20"},
        {1e21, L"1000000000000000000000.000", L"1000000000000000000000.000000", L"1e+21", L"1e+21", "1e+21"},
        {1e100, nullptr, nullptr, L"1e+100", L"1e+100", "1e+100"},
        {static_cast<double>(3.4028235e38f), nullptr, nullptr, L"3.40282e+38", L"3.40282346638529e+38",
         "3.4028234663852886e+38"},
        {DBL_MAX, nullptr, nullptr, L"1.79769e+308", L"1.79769313486232e+308", "1.7976931348623157e+308"},
        {1e300, nullptr, nullptr, L"1e+300", L"1e+300", "1.0000000000000001e+300"},
        {-DBL_MAX, nullptr, nullptr, L"-1.79769e+308", L"-1.79769313486232e+308", "-1.7976931348623157e+308"},
        {1e-300, L"0.000", L"0.000000", L"1e-300", L"1e-300", "1e-300"},
        {DBL_MIN, L"0.000", L"0.000000", L"2.22507e-308", L"2.2250738585072e-308", "2.2250738585072014e-308"},
        {5e-324, L"0.000", L"0.000000", L"4.94066e-324", L"4.94065645841247e-324", "4.9406564584124654e-324"},
        {-5e-324, L"-0.000", L"-0.000000", L"-4.94066e-324", L"-4.94065645841247e-324", "-4.9406564584124654e-324"},
        {kNaN, L"nan", L"nan", L"nan", L"nan", "nan"},
        {-kNaN, L"nan", L"nan", L"nan", L"nan", "nan"},
        {kInf, L"inf", L"inf", L"inf", L"inf", "inf"},
        {-kInf, L"-inf", L"-inf", L"-inf", L"-inf", "-inf"},
    };
    for (const Written& row : table) {
        SCOPED_TRACE(row.general17);
        if (row.fixed3) {
            EXPECT_EQ(FormatFixed(row.value, 3), row.fixed3);
            EXPECT_EQ(FormatFixed(row.value, 6), row.fixed6);
        }
        EXPECT_EQ(FormatGeneral(row.value, 6), row.general6);
        EXPECT_EQ(FormatGeneral(row.value, 15), row.general15);
        EXPECT_EQ(FormatDouble17g(row.value), row.general17);
    }

    // The widest value there is, and the most decimals given.
    const std::wstring widest = FormatFixed(-DBL_MAX, 3);
    EXPECT_EQ(widest.size(), 1u + 309u + 4u);
    EXPECT_EQ(widest.substr(0, 6), L"-17976");
    EXPECT_EQ(widest.substr(widest.size() - 4), L".000");
    EXPECT_EQ(FormatFixed(1e300, 6).size(), 301u + 7u);
    EXPECT_EQ(FormatFixed(-DBL_MAX, 1000).size(), 1u + 309u + 41u);
}

#ifndef _WIN32
// glibc's printf is correctly rounded and C99 in its spelling: it must agree on any finite value.
TEST(NumberText, AgreesWithGlibcOnRandomBits) {
    std::mt19937_64 random(12345);
    for (int i = 0; i < 200000; ++i) {
        const uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value)) continue;
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.17g", value);
        ASSERT_EQ(FormatDouble17g(value), expected) << "bits " << bits;
        std::snprintf(expected, sizeof expected, "%.15g", value);
        const std::wstring shown(expected, expected + std::strlen(expected));
        ASSERT_EQ(FormatGeneral(value, 15), shown) << "bits " << bits;
    }
}
#endif

TEST(NumberText, PlainNotationHasTheSignificantDigitsOfGeneralWithoutExponent) {
    const std::pair<double, const wchar_t*> table[] = {
        {9.44959e-05, L"0.0000944959"},
        {1.04e6, L"1040000"},
        {-0.0125, L"-0.0125"},
        {123456.7, L"123457"},
        {9.999996e-5, L"0.0001"},
        {999999.5, L"1000000"},
        {-0.0, L"-0"},
        {1e21, L"1000000000000000000000"},
        {kNaN, L"nan"},
        {kInf, L"inf"},
        {-kInf, L"-inf"},
    };
    for (const auto& [value, text] : table) EXPECT_EQ(FormatPlain(value, 6), text) << value;
    EXPECT_EQ(FormatPlain(5e-324, 6), L"0." + std::wstring(323, L'0') + L"494066");
    EXPECT_EQ(FormatPlain(DBL_MAX, 6), L"179769" + std::wstring(303, L'0'));
    EXPECT_EQ(FormatPlain(1e-5, 17), L"0.000010000000000000001");

    // Any double: six digits read back as the value "%.6g" gives, seventeen as the very same double (the
    // report's exact values), and no text holds an exponent.
    std::mt19937_64 random(462);
    for (int i = 0; i < 100000; ++i) {
        const uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value)) continue;
        const std::wstring plain = FormatPlain(value, 6);
        ASSERT_EQ(plain.find(L'e'), std::wstring::npos) << value;
        ASSERT_EQ(*ParseNumber(plain), *ParseNumber(FormatGeneral(value, 6))) << value;
        const double exact = *ParseNumber(FormatPlain(value, 17));
        ASSERT_EQ(std::memcmp(&exact, &value, sizeof value), 0) << FormatDouble17g(value);
    }
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
        if (std::isnan(row.value))
            EXPECT_TRUE(std::isnan(*read));
        else
            EXPECT_EQ(*read, row.value) << testing::PrintToString(std::wstring(row.text));
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
    const wchar_t* const refused[] = {L"",    L"   ", L"abc", L".",  L"-",    L"+",  L"+-1",
                                      L"--1", L"e5",  L"x1",  L"١٢", L"１２", L"in", L"na"};
    for (const wchar_t* text : refused)
        EXPECT_FALSE(ParseNumber(text).has_value()) << testing::PrintToString(std::wstring(text));
}

TEST(NumberText, ShownNumbersReadBackToTheSameText) {
    const double values[] = {0.1, 1.0 / 3, 2.0 / 3, 1e-300, 123456.789, -9.87654321e12, 5e-324, kInf, -kInf};
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

TEST(NumberText, TypedNumbersAreReadWholeWithADecimalComma) {
    const std::pair<const wchar_t*, double> read[] = {{L"10,0157", 10.0157}, {L" \t10.0157 \r\n", 10.0157},
                                                      {L",5", 0.5},          {L"5.", 5.0},
                                                      {L"-0,25e1", -2.5},    {L"1e-400", 0.0}};
    for (const auto& [text, value] : read) EXPECT_EQ(ParseWholeNumber(text), value) << testing::PrintToString(text);
    const wchar_t* const refused[] = {L"10,01,57", L"10,5.3", L"1.2.3", L"10 g", L"1 000", L"1e",     L",",
                                      L"0x10",     L"１２",   L"inf",   L"nan",  L"1e999", L"-1e400", L"  "};
    for (const wchar_t* text : refused) EXPECT_FALSE(ParseWholeNumber(text)) << testing::PrintToString(text);
}

}  // namespace
