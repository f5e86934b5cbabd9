#pragma once
// The Russian and English text lists as tables by id, for the tests that compare them with each other, with the
// built-in table and with the string tables of the built modules.

#include "strings/string_ids.h"

#include <initializer_list>
#include <map>
#include <string>
#include <utility>

using TextList = std::map<unsigned, std::wstring>;

// A list as the string tables are made from it; an id given twice is kept once (the lists' test counts them).
inline TextList MakeTextList(std::initializer_list<std::pair<unsigned, const wchar_t*>> entries) {
    TextList list;
    for (const auto& [id, text] : entries) list.emplace(id, text);
    return list;
}

// The number of entries of each list, counted before the table keeps one per id.
#define TALVEX_STRING(id, text) +1
inline constexpr std::size_t kRussianEntries = 0
#include "strings/strings_ru.inc"
    ;
inline constexpr std::size_t kEnglishEntries = 0
#include "strings/strings_en.inc"
    ;
#undef TALVEX_STRING

#define TALVEX_STRING(id, text) {id, L"" text},
inline const TextList& RussianTexts() {
    static const TextList list = MakeTextList({
#include "strings/strings_ru.inc"
    });
    return list;
}

inline const TextList& EnglishTexts() {
    static const TextList list = MakeTextList({
#include "strings/strings_en.inc"
    });
    return list;
}
#undef TALVEX_STRING
