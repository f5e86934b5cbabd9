#pragma once
// The report's rendering: the report document through the XSL style sheet into an HTML file, which the
// shell then opens.

#include "owner/com.h"
#include "report/msxml6.h"
#include "report/report_environment.h"
#include "strings/texts.h"

#include <string>

struct TransformResult {
    // 0 when the HTML file was written (and opened when asked), 1 on any failure, 2 when it was written but
    // the shell could not open it.
    int code = 0;
    // Code 1: why it failed, in the analyst's words. Code 2: the whole message for the analyst, with the
    // saved file's path. Empty on success.
    std::wstring failure;
};

// Loads the style sheet, refusing one with a DTD, a script, xsl:import or xsl:include or a document() call
// (MSXML is told to forbid them too, but not every MSXML honours that), transforms report with it into a
// new DOM document and saves that to outputPath; when open is set, asks the shell to open outputPath with
// "open", maximised. A transform that answers S_FALSE or leaves no document element is a failure: nothing
// is saved or opened then. The report reference is released before the call returns. The messages come
// from texts. Throws nothing but std::bad_alloc from the callbacks.
TransformResult TransformAndOpen(TextSource texts, ComPtr<IXMLDOMDocument3> report, const std::wstring& styleSheetPath,
                                 const std::wstring& outputPath, bool open, const ShellExecuteFunction& shellExecute);
