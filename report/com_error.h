#pragma once
// The error a failed DOM call raises while the report is built or rendered.

#include <windows.h>

#include <exception>
#include <string>

// A failing HRESULT and the interface whose call failed (IXMLDOMDocument for calls on a document,
// IXMLDOMNode for calls on a node).
class ComError : public std::exception {
public:
    ComError(HRESULT hr, const IID& iid) : hr_(hr), iid_(iid) {}

    HRESULT hr() const noexcept { return hr_; }
    const IID& iid() const noexcept { return iid_; }
    const char* what() const noexcept override { return "COM call failed"; }

private:
    HRESULT hr_;
    IID iid_;
};

// Raises ComError when hr is a failure code; success codes (S_FALSE included) pass.
void CheckHr(HRESULT hr, const IID& iid);

// "0x" and eight upper-case hexadecimal digits, as the analyst's message quotes a code.
std::wstring HresultText(HRESULT hr);
