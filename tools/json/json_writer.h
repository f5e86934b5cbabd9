#pragma once
// One-line JSON output of the command-line tools: ", " and ": " separators, keys in the order written,
// doubles as "%.17g" with NaN and infinities as the strings "nan", "inf" and "-inf", strings as UTF-8 with
// only the escapes JSON requires (a lone surrogate as \uXXXX). The same bytes on every target.

#include <cstdint>
#include <string>
#include <string_view>

class JsonWriter {
public:
    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // The key of the next value inside an object.
    void Key(std::string_view name);

    void Null();
    void Bool(bool value);
    void Int(int64_t value);
    void UInt(uint64_t value);
    void Double(double value);
    void String(std::wstring_view text);
    // An 8-bit text taken as UTF-8.
    void Utf8String(std::string_view text);

    // Everything written so far.
    const std::string& Text() const { return text_; }

private:
    void Separate();
    void Scalar(std::string_view text);

    std::string text_;
    bool afterValue_ = false;
};

// The JSON string literal of a wide text, quotes included.
std::string JsonString(std::wstring_view text);
