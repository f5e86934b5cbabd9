#include "host/language_module.h"

#include <shlwapi.h>

#include <vector>

namespace {

// The module's own resources are Russian.
constexpr LANGID kOwnLanguage = 0x0419;
// The longest path Windows hands out.
constexpr DWORD kLongestPath = 32768;

std::optional<std::wstring> LanguageAbbreviation(LANGID language) {
    const LCID locale = MAKELCID(language, SORT_DEFAULT);
    const int size = GetLocaleInfoW(locale, LOCALE_SABBREVLANGNAME, nullptr, 0);
    if (size <= 1) return std::nullopt;
    std::vector<wchar_t> text(static_cast<size_t>(size));
    if (GetLocaleInfoW(locale, LOCALE_SABBREVLANGNAME, text.data(), size) == 0) return std::nullopt;
    return std::wstring(text.data());
}

}  // namespace

std::optional<std::wstring> ModuleFileName(HMODULE module) {
    for (DWORD size = MAX_PATH;; size *= 2) {
        std::vector<wchar_t> path(size);
        const DWORD length = GetModuleFileNameW(module, path.data(), size);
        if (length == 0) return std::nullopt;
        // A result that fills the buffer was cut: try a larger one, up to the longest path there is.
        if (length < size) return std::wstring(path.data(), length);
        if (size >= kLongestPath) return std::nullopt;
    }
}

std::wstring LanguageModulePath(const std::wstring& modulePath, const std::wstring& abbreviation) {
    const wchar_t* extension = PathFindExtensionW(modulePath.c_str());
    const size_t stem = static_cast<size_t>(extension - modulePath.c_str());
    return modulePath.substr(0, stem) + abbreviation + L".dll";
}

UniqueModule LoadLanguageModule(HMODULE module, LANGID language) {
    if (language == kOwnLanguage) return {};
    const std::optional<std::wstring> modulePath = ModuleFileName(module);
    if (!modulePath || PathIsRelativeW(modulePath->c_str())) return {};
    const std::optional<std::wstring> abbreviation = LanguageAbbreviation(language);
    if (!abbreviation) return {};
    return UniqueModule(LoadLibraryW(LanguageModulePath(*modulePath, *abbreviation).c_str()));
}
