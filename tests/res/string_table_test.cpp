// The string tables of the built talvex7.dll and of its English language module, read from the files: each
// holds exactly the texts of its list, so that the module shows what the portable code and the tools print in
// Russian, and the English module leaves no text of the module untranslated.
#include "tests/res/built_module.h"
#include "tests/strings/text_lists.h"

#include <gtest/gtest.h>

#include <string>

namespace {

BOOL CALLBACK ReadStringBlock(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR table) {
    // Block n holds the strings 16 (n - 1) to 16 n - 1, each counted, an absent one with the count 0.
    const auto block = static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(name));
    const HRSRC found = FindResourceW(module, name, type);
    const auto* text = found ? static_cast<const WCHAR*>(LockResource(LoadResource(module, found))) : nullptr;
    for (unsigned i = 0; text != nullptr && i < 16; ++i) {
        const WORD length = *text++;
        if (length > 0) (*reinterpret_cast<TextList*>(table))[(block - 1) * 16 + i] = std::wstring(text, length);
        text += length;
    }
    return TRUE;
}

// Every string of a module's string table by id.
TextList ReadStringTable(HMODULE module) {
    TextList table;
    EnumResourceNamesW(module, RT_STRING, &ReadStringBlock, reinterpret_cast<LONG_PTR>(&table));
    return table;
}

TEST(StringTables, EachModuleHoldsExactlyItsList) {
    const struct {
        const wchar_t* file;
        const TextList& texts;
    } modules[] = {{L"talvex7.dll", RussianTexts()}, {L"talvex7ENU.dll", EnglishTexts()}};
    for (const auto& module : modules) {
        const BuiltModule loaded(module.file);
        ASSERT_TRUE(loaded.get()) << loaded.name();
        EXPECT_EQ(ReadStringTable(loaded.get()), module.texts) << loaded.name();
    }
}

}  // namespace
