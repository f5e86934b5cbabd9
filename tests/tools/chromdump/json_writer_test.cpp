// The tools' JSON spelling: "%.17g" numbers without the C runtime, and strings with only the required escapes.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>

#include "tools/json/json_writer.h"
#include "tools/json/number_text.h"

namespace {

struct NumberCase {
    double value;
    const char* text;
};

class NumberText : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberText, SpelledAsPercent17g)
{
    EXPECT_EQ(FormatDouble17g(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberText,
    ::testing::Values(NumberCase{4, "4"}, NumberCase{0.1, "0.10000000000000001"}, NumberCase{-0.0, "-0"},
                      NumberCase{0.0, "0"}, NumberCase{1.5, "1.5"}, NumberCase{-100, "-100"},
                      NumberCase{1e-4, "0.0001"}, NumberCase{1e-5, "1.0000000000000001e-05"},
                      NumberCase{1e16, "10000000000000000"}, NumberCase{1e17, "1e+17"},
                      NumberCase{123456789012345678.0, "1.2345678901234568e+17"}, NumberCase{1e21, "1e+21"},
                      NumberCase{0.3, "0.29999999999999999"}, NumberCase{2.0 / 3.0, "0.66666666666666663"},
                      NumberCase{9.9999999999999995e-5, "9.9999999999999991e-05"},
                      NumberCase{99999999999999999.0, "1e+17"}, NumberCase{1e100, "1e+100"},
                      NumberCase{5e-324, "4.9406564584124654e-324"},
                      NumberCase{DBL_MAX, "1.7976931348623157e+308"},
                      NumberCase{-DBL_MAX, "-1.7976931348623157e+308"},
                      NumberCase{static_cast<double>(3.4028235e38f), "3.4028234663852886e+38"},
                      NumberCase{std::numeric_limits<double>::quiet_NaN(), "nan"},
                      NumberCase{-std::numeric_limits<double>::quiet_NaN(), "nan"},
                      NumberCase{std::numeric_limits<double>::infinity(), "inf"},
                      NumberCase{-std::numeric_limits<double>::infinity(), "-inf"}));

#ifndef _WIN32
// glibc's printf is correctly rounded and C99 in its spelling: it must agree on any finite value.
TEST(NumberText, AgreesWithGlibcOnRandomBits)
{
    std::mt19937_64 random(12345);
    for (int i = 0; i < 200000; ++i) {
        const uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value))
            continue;
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.17g", value);
        ASSERT_EQ(FormatDouble17g(value), expected) << "bits " << bits;
    }
}
#endif

struct StringCase {
    std::wstring text;
    std::string json;
};

class StringText : public ::testing::TestWithParam<StringCase> {};

TEST_P(StringText, EscapesOnlyWhatJsonRequires)
{
    EXPECT_EQ(JsonString(GetParam().text), GetParam().json);
}

INSTANTIATE_TEST_SUITE_P(
    Values, StringText,
    ::testing::Values(StringCase{L"", "\"\""}, StringCase{L"plain / text", "\"plain / text\""},
                      StringCase{L"a\"b\\c", "\"a\\\"b\\\\c\""},
                      StringCase{L"\b\f\n\r\t", "\"\\b\\f\\n\\r\\t\""},
                      StringCase{std::wstring(L"\x01\x1F\x7F", 3), "\"\\u0001\\u001f\x7F\""},
                      StringCase{std::wstring(1, L'\0'), "\"\\u0000\""},
                      StringCase{L"вода", "\"\xD0\xB2\xD0\xBE\xD0\xB4\xD0\xB0\""},
                      StringCase{L"\U0001D11E", "\"\xF0\x9D\x84\x9E\""},
                      // A pair spelled as two units is one character on either target.
                      StringCase{std::wstring{wchar_t(0xD834), wchar_t(0xDD1E)}, "\"\xF0\x9D\x84\x9E\""},
                      StringCase{std::wstring{wchar_t(0xD800)}, "\"\\ud800\""},
                      StringCase{std::wstring{wchar_t(0xDC00), L'x'}, "\"\\udc00x\""},
                      StringCase{std::wstring{wchar_t(0xDBFF), wchar_t(0xDBFF)}, "\"\\udbff\\udbff\""}));

TEST(JsonWriter, SeparatesMembersAndElements)
{
    JsonWriter json;
    json.BeginObject();
    json.Key("a"), json.Int(-1);
    json.Key("b"), json.BeginArray();
    json.UInt(18446744073709551615u), json.Utf8String("нет воды"), json.Null(), json.Bool(false);
    json.BeginObject(), json.EndObject(), json.BeginArray(), json.EndArray();
    json.EndArray();
    json.Key("c"), json.Double(std::nan("")), json.Key("d"), json.Double(-1e300);
    json.EndObject();
    EXPECT_EQ(json.Text(), "{\"a\": -1, \"b\": [18446744073709551615, \"\xD0\xBD\xD0\xB5\xD1\x82 "
                           "\xD0\xB2\xD0\xBE\xD0\xB4\xD1\x8B\", null, false, {}, []], \"c\": \"nan\", "
                           "\"d\": -1.0000000000000001e+300}");
}

} // namespace
