#pragma once
// The MSXML 6.0 document class and the IXMLDOMDocument3 interface, which MinGW's msxml2.h lacks.

#include <windows.h>
#include <msxml2.h>

// {88D96A05-F192-11D4-A65F-0040963251E5}
inline constexpr CLSID kClsidDomDocument60 = {
    0x88d96a05, 0xf192, 0x11d4, {0xa6, 0x5f, 0x00, 0x40, 0x96, 0x32, 0x51, 0xe5}};

// {2933BF96-7B36-11D2-B20E-00C04F983E60}
inline constexpr IID kIidXmlDomDocument3 = {
    0x2933bf96, 0x7b36, 0x11d2, {0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60}};

#ifndef __IXMLDOMDocument3_INTERFACE_DEFINED__
#define __IXMLDOMDocument3_INTERFACE_DEFINED__
// IXMLDOMDocument2 with the two methods MSXML 6.0 added; the report uses only what it inherits.
struct IXMLDOMDocument3 : public IXMLDOMDocument2 {
    virtual HRESULT STDMETHODCALLTYPE validateNode(IXMLDOMNode* node, IXMLDOMParseError** errorObj) = 0;
    virtual HRESULT STDMETHODCALLTYPE importNode(IXMLDOMNode* node, VARIANT_BOOL deep, IXMLDOMNode** clone) = 0;
};
#endif
