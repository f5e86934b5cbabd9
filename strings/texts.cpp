#include "strings/texts.h"

#include "strings/string_ids.h"

#include <algorithm>

namespace {

struct Text {
    unsigned id;
    std::wstring_view text;
};

// The list is UTF-8; the empty wide literal in front makes each of its texts a wide one.
constexpr Text kTexts[] = {
#define TALVEX_STRING(id, text) {id, L"" text},
#include "strings/strings_ru.inc"
#undef TALVEX_STRING
};

}  // namespace

std::wstring_view BuiltInText(unsigned id) {
    const auto found = std::find_if(std::begin(kTexts), std::end(kTexts), [id](const Text& t) { return t.id == id; });
    return found == std::end(kTexts) ? std::wstring_view() : found->text;
}
