// What the analyst reads after a load: the files that could not be read, cut to a box that fits the screen,
// then what ended the load.

#include "ui/assay_loading.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::wstring> FileTexts(int count) {
    std::vector<std::wstring> texts;
    for (int i = 1; i <= count; ++i) texts.push_back(L"Ошибка загрузки файла: 'f" + std::to_wstring(i) + L"'");
    return texts;
}

std::wstring Lines(int first, int last) {
    std::wstring text;
    for (int i = first; i <= last; ++i)
        text += (i == first ? L"" : L"\n") + FileTexts(last)[static_cast<size_t>(i - 1)];
    return text;
}

TEST(AssayLoadMessage, FilesThenTheFailureOneALine) {
    const std::wstring memory = L"Недостаточно памяти, хроматограмма не добавлена: 'f9'";
    const struct {
        int files;
        std::wstring failure;
        std::wstring expected;
    } cases[] = {
        {0, L"", L""},
        {0, memory, memory},
        {1, L"", Lines(1, 1)},
        {2, memory, Lines(1, 2) + L"\n" + memory},
        {20, L"", Lines(1, 20)},
        {21, L"", Lines(1, 20) + L"\n… и ещё файлов: 1"},
        {256, memory, Lines(1, 20) + L"\n… и ещё файлов: 236\n" + memory},
    };
    for (const auto& c : cases) {
        AssayLoad load;
        load.fileErrors = FileTexts(c.files);
        load.failure = c.failure;
        EXPECT_EQ(AssayLoadMessage(load), c.expected) << c.files << " files";
    }
}

}  // namespace
