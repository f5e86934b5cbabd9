#pragma once
// Owners of the COM resources the report holds: interface pointers, BSTRs and VARIANTs. Each releases
// what it holds exactly once; none of them throws.

#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

#include <utility>

// A counted reference to a COM interface.
template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr& other) : p_(other.p_) {
        if (p_) {
            p_->AddRef();
        }
    }
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(p_, other.p_);
        return *this;
    }
    ~ComPtr() { reset(); }

    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

    void reset() {
        if (T* p = std::exchange(p_, nullptr)) {
            p->Release();
        }
    }
    // Releases what is held and answers the slot for an out parameter.
    T** put() {
        reset();
        return &p_;
    }
    // Hands the reference over to a holder that releases it (a VARIANT).
    T* detach() { return std::exchange(p_, nullptr); }

    // Asks the object for another of its interfaces; the target is empty on failure.
    template <class U>
    HRESULT queryInterface(REFIID iid, ComPtr<U>& target) const {
        return p_->QueryInterface(iid, reinterpret_cast<void**>(target.put()));
    }

private:
    T* p_ = nullptr;
};

// An owned BSTR; empty (null) when allocation failed.
class Bstr {
public:
    Bstr(const wchar_t* text, UINT length) : s_(SysAllocStringLen(text, length)) {}
    Bstr(Bstr&& other) noexcept : s_(std::exchange(other.s_, nullptr)) {}
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    ~Bstr() { SysFreeString(s_); }

    BSTR get() const { return s_; }
    // Hands the string over to a holder that frees it (a VARIANT).
    BSTR detach() { return std::exchange(s_, nullptr); }

private:
    BSTR s_;
};

// COM on the calling thread for the owner's lifetime: CoInitialize, and CoUninitialize for every success
// (the "already initialised" answer included).
class ComInitialization {
public:
    ComInitialization() : result_(CoInitialize(nullptr)) {}
    ComInitialization(const ComInitialization&) = delete;
    ComInitialization& operator=(const ComInitialization&) = delete;
    ~ComInitialization() {
        if (SUCCEEDED(result_)) {
            CoUninitialize();
        }
    }

    HRESULT result() const { return result_; }

private:
    HRESULT result_;
};

// An owned VARIANT, cleared on destruction.
class Variant {
public:
    Variant() { VariantInit(&v_); }
    Variant(Variant&& other) noexcept : v_(other.v_) { VariantInit(&other.v_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    ~Variant() { VariantClear(&v_); }

    VARIANT& get() { return v_; }
    const VARIANT& get() const { return v_; }

private:
    VARIANT v_;
};
