#pragma once
// Creation of the MSXML 6.0 DOM documents the report works with.

#include "owner/com.h"
#include "report/msxml6.h"

// Releases what target holds, then creates an MSXML 6.0 DOM document (any server context), runs it, takes
// its IXMLDOMDocument3 and forbids it every read from outside (AllowXsltScript and AllowDocumentFunction
// false, ProhibitDTD true, ResolveExternals false) before it holds it in target. Answers the first failing
// HRESULT, with target left empty, or S_OK. COM must be initialised on the calling thread. Wine accepts
// these properties and ignores them: the style sheet is also checked by the module itself.
HRESULT CreateDomDocument(ComPtr<IXMLDOMDocument3>& target);
