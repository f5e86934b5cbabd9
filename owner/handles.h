#pragma once
// The owners of the kernel and window handles the module creates. Icons loaded with LR_SHARED belong to the
// system and are never put into an owner.

#include "owner/unique_handle.h"

#include <windows.h>

// A library from LoadLibrary.
using UniqueModule = UniqueHandle<HMODULE, &::FreeLibrary>;
// A file from CreateFile, whose failure answer INVALID_HANDLE_VALUE goes in as null.
using UniqueFile = UniqueHandle<HANDLE, &::CloseHandle>;
using UniqueIcon = UniqueHandle<HICON, &::DestroyIcon>;
using UniqueHook = UniqueHandle<HHOOK, &::UnhookWindowsHookEx>;
using UniqueWindow = UniqueHandle<HWND, &::DestroyWindow>;
