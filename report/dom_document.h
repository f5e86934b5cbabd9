#pragma once
// Creation of the MSXML 6.0 DOM documents the report works with.

#include "report/com_ptr.h"
#include "report/msxml6.h"

// Releases what target holds, then creates an MSXML 6.0 DOM document (any server context), runs it and
// takes its IXMLDOMDocument3 into target. Answers the first failing HRESULT, with target left empty, or S_OK.
// COM must be initialised on the calling thread.
HRESULT CreateDomDocument(ComPtr<IXMLDOMDocument3>& target);
