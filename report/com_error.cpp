#include "report/com_error.h"

void CheckHr(HRESULT hr, const IID& iid) {
    if (FAILED(hr)) {
        throw ComError(hr, iid);
    }
}

std::wstring HresultText(HRESULT hr) {
    constexpr wchar_t digits[] = L"0123456789ABCDEF";
    const auto value = static_cast<unsigned long>(hr);
    std::wstring text = L"0x";
    for (int shift = 28; shift >= 0; shift -= 4) {
        text.push_back(digits[(value >> shift) & 0xF]);
    }
    return text;
}
