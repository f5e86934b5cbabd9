// The tools' JSON spelling: strings with only the required escapes, numbers as the text library writes them.

#include <gtest/gtest.h>

#include <cmath>

#include "tools/json/json_writer.h"

namespace {

struct StringCase {
    std::wstring text;
    std::string json;
};

class StringText : public ::testing::TestWithParam<StringCase> {};

TEST_P(StringText, EscapesOnlyWhatJsonRequires) {
    EXPECT_EQ(JsonString(GetParam().text), GetParam().json);
}

INSTANTIATE_TEST_SUITE_P(
    Values, StringText,
    ::testing::Values(StringCase{L"", "\"\""}, StringCase{L"plain / text", "\"plain / text\""},
                      StringCase{L"a\"b\\c", "\"a\\\"b\\\\c\""}, StringCase{L"\b\f\n\r\t", "\"\\b\\f\\n\\r\\t\""},
                      StringCase{std::wstring(L"\x01\x1F\x7F", 3), "\"\\u0001\\u001f\x7F\""},
                      StringCase{std::wstring(1, L'\0'), "\"\\u0000\""},
                      StringCase{L"вода", "\"\xD0\xB2\xD0\xBE\xD0\xB4\xD0\xB0\""},
                      StringCase{L"\U0001D11E", "\"\xF0\x9D\x84\x9E\""},
                      // A pair spelled as two units is one character on either target.
                      StringCase{std::wstring{wchar_t(0xD834), wchar_t(0xDD1E)}, "\"\xF0\x9D\x84\x9E\""},
                      StringCase{std::wstring{wchar_t(0xD800)}, "\"\\ud800\""},
                      StringCase{std::wstring{wchar_t(0xDC00), L'x'}, "\"\\udc00x\""},
                      StringCase{std::wstring{wchar_t(0xDBFF), wchar_t(0xDBFF)}, "\"\\udbff\\udbff\""}));

TEST(JsonWriter, SeparatesMembersAndElements) {
    JsonWriter json;
    json.BeginObject();
    json.Key("a"), json.Int(-1);
    json.Key("b"), json.BeginArray();
    json.UInt(18446744073709551615u), json.Utf8String("нет воды"), json.Null(), json.Bool(false);
    json.BeginObject(), json.EndObject(), json.BeginArray(), json.EndArray();
    json.EndArray();
    json.Key("c"), json.Double(std::nan("")), json.Key("d"), json.Double(-1e300);
    json.EndObject();
    EXPECT_EQ(json.Text(),
              "{\"a\": -1, \"b\": [18446744073709551615, \"\xD0\xBD\xD0\xB5\xD1\x82 "
              "\xD0\xB2\xD0\xBE\xD0\xB4\xD1\x8B\", null, false, {}, []], \"c\": \"nan\", "
              "\"d\": -1.0000000000000001e+300}");
}

}  // namespace
