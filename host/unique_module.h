#pragma once
// Owns a library handle from LoadLibrary; the library is freed when the owner goes.

#include <windows.h>

#include <memory>
#include <type_traits>

struct ModuleFreer {
    void operator()(HMODULE module) const noexcept { FreeLibrary(module); }
};

using UniqueModule = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleFreer>;
