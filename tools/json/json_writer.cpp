#include "tools/json/json_writer.h"

#include "text/number_text.h"
#include "text/utf8_text.h"

namespace {

void AppendEscape(std::string& out, uint32_t unit) {
    static const char kHex[] = "0123456789abcdef";
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(unit >> shift) & 0xF];
}

// One character of a string literal: the short escapes where JSON has them, \uXXXX for the other control
// characters and for a lone surrogate (which UTF-8 cannot carry), the UTF-8 bytes for everything else.
void AppendCharacter(std::string& out, uint32_t codePoint) {
    switch (codePoint) {
    case '"':
        out += "\\\"";
        return;
    case '\\':
        out += "\\\\";
        return;
    case '\b':
        out += "\\b";
        return;
    case '\f':
        out += "\\f";
        return;
    case '\n':
        out += "\\n";
        return;
    case '\r':
        out += "\\r";
        return;
    case '\t':
        out += "\\t";
        return;
    default:
        break;
    }
    if (codePoint < 0x20 || IsSurrogate(codePoint))
        AppendEscape(out, codePoint);
    else
        AppendUtf8(out, codePoint);
}

}  // namespace

std::string JsonString(std::wstring_view text) {
    std::string out = "\"";
    ForEachCodePoint(text, [&out](uint32_t codePoint) { AppendCharacter(out, codePoint); });
    return out + "\"";
}

void JsonWriter::Separate() {
    if (afterValue_) text_ += ", ";
}

void JsonWriter::BeginObject() {
    Separate();
    text_ += '{';
    afterValue_ = false;
}

void JsonWriter::EndObject() {
    text_ += '}';
    afterValue_ = true;
}

void JsonWriter::BeginArray() {
    Separate();
    text_ += '[';
    afterValue_ = false;
}

void JsonWriter::EndArray() {
    text_ += ']';
    afterValue_ = true;
}

void JsonWriter::Key(std::string_view name) {
    Utf8String(name);
    text_ += ": ";
    afterValue_ = false;
}

void JsonWriter::Scalar(std::string_view text) {
    Separate();
    text_ += text;
    afterValue_ = true;
}

void JsonWriter::Null() {
    Scalar("null");
}

void JsonWriter::Bool(bool value) {
    Scalar(value ? "true" : "false");
}

void JsonWriter::Int(int64_t value) {
    Scalar(std::to_string(value));
}

void JsonWriter::UInt(uint64_t value) {
    Scalar(std::to_string(value));
}

void JsonWriter::Double(double value) {
    const std::string number = FormatDouble17g(value);
    // NaN and the infinities have no JSON number: they travel as strings.
    const bool special = number == "nan" || number == "inf" || number == "-inf";
    Scalar(special ? "\"" + number + "\"" : number);
}

void JsonWriter::String(std::wstring_view text) {
    Scalar(JsonString(text));
}
void JsonWriter::Utf8String(std::string_view text) {
    String(WideFromUtf8(text));
}
