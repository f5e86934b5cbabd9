#pragma once
// The owners of COM resources: interface pointers (the toolchain's own ComPtr), BSTRs, strings the COM
// allocator made, VARIANTs, and COM itself on the calling thread. None of them throws.

#include "owner/unique_handle.h"

#include <windows.h>
#include <ole2.h>
#include <oleauto.h>
#include <wrl/client.h>

template <class T>
using ComPtr = Microsoft::WRL::ComPtr<T>;

using UniqueBstr = UniqueHandle<BSTR, &::SysFreeString>;
// A string from CoTaskMemAlloc (what SHGetKnownFolderPath answers).
using UniqueCoTaskString = UniqueHandle<PWSTR, &::CoTaskMemFree>;

// An owned VARIANT, cleared on destruction.
class Variant {
public:
    Variant() noexcept { VariantInit(&v_); }
    Variant(Variant&& other) noexcept : v_(other.v_) { VariantInit(&other.v_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    ~Variant() { VariantClear(&v_); }

    VARIANT& get() noexcept { return v_; }
    const VARIANT& get() const noexcept { return v_; }

private:
    VARIANT v_;
};

// OLE on the calling thread for as long as the object lives (COM for MSXML, OLE Automation for dates). The
// thread may have it already; each successful OleInitialize is balanced by one OleUninitialize, and a thread
// its owner made multithreaded still has COM, only not OLE's extras.
class OleInitialization {
public:
    OleInitialization() noexcept : result_(OleInitialize(nullptr)) {}
    ~OleInitialization() {
        if (SUCCEEDED(result_)) OleUninitialize();
    }
    OleInitialization(const OleInitialization&) = delete;
    OleInitialization& operator=(const OleInitialization&) = delete;

    // COM can be used on this thread.
    bool IsReady() const noexcept { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }
    HRESULT Result() const noexcept { return result_; }

private:
    HRESULT result_;
};
