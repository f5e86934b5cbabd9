#include "report/number_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct NumberCase {
    double value;
    const wchar_t* text;
};

TEST(FormatFixed3, WritesThreeDecimalsAsPrintfWould)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const NumberCase cases[] = {
        {0.0, L"0.000"},
        {-0.0, L"-0.000"},
        {0.5, L"0.500"},
        {12.0, L"12.000"},
        {0.0001234, L"0.000"},
        {-0.0001234, L"-0.000"},
        {-2.5, L"-2.500"},
        {1234567.0, L"1234567.000"},
        // Rounded from the exact binary value: 0.0005 is slightly above, 1.0005 slightly below the tie.
        {0.0005, L"0.001"},
        {1.0005, L"1.000"},
        {2.0625, L"2.062"},
        {0.9995, L"1.000"},
        {2.0375, L"2.038"},
        {9.9996, L"10.000"},
        {1e20, L"100000000000000000000.000"},
        {std::numeric_limits<double>::denorm_min(), L"0.000"},
        {inf, L"inf"},
        {-inf, L"-inf"},
        {nan, L"nan"},
        {-nan, L"nan"},
    };
    for (const NumberCase& c : cases) {
        EXPECT_EQ(FormatFixed3(c.value), c.text) << c.value;
    }

    // The widest value there is.
    const std::wstring text = FormatFixed3(-std::numeric_limits<double>::max());
    EXPECT_EQ(text.size(), 1u + 309u + 4u);
    EXPECT_EQ(text.substr(0, 6), L"-17976");
    EXPECT_EQ(text.substr(text.size() - 4), L".000");
}

TEST(FormatGeneral6, WritesSixSignificantDigitsAsPrintfWould)
{
    const NumberCase cases[] = {
        {0.0, L"0"},          {0.0998, L"0.0998"},       {1.0 / 3.0, L"0.333333"},
        {2.5e-5, L"2.5e-05"}, {123456.7, L"123457"},     {1234567.0, L"1.23457e+06"},
        {-0.0125, L"-0.0125"}, {std::numeric_limits<double>::infinity(), L"inf"},
        {std::numeric_limits<double>::quiet_NaN(), L"nan"},
    };
    for (const NumberCase& c : cases) {
        EXPECT_EQ(FormatGeneral6(c.value), c.text) << c.value;
    }
}

} // namespace
