#pragma once
// The report's rendering: the report document through the XSL style sheet into an HTML file, which the
// shell then opens.

#include "owner/com.h"
#include "report/msxml6.h"
#include "report/report_environment.h"
#include "strings/texts.h"

#include <string>

enum class TransformOutcome {
    // The HTML file was written, and opened when asked.
    kWritten,
    // Nothing was written or opened.
    kFailed,
    // The HTML file was written, but the shell could not open it.
    kNotOpened,
};

struct TransformResult {
    TransformOutcome outcome = TransformOutcome::kWritten;
    // kFailed: why, in the analyst's words. kNotOpened: the whole message for the analyst, with the saved
    // file's path. Empty when written.
    std::wstring message;

    // The HTML file exists, opened or not.
    explicit operator bool() const noexcept { return outcome != TransformOutcome::kFailed; }
};

// Loads the style sheet, refusing one with a DTD, a script, xsl:import or xsl:include or a document() call
// (MSXML is told to forbid them too, but not every MSXML honours that), transforms report with it into a
// new DOM document and saves that to outputPath; when open is set, asks the shell to open outputPath with
// "open", maximised. A transform that answers S_FALSE or leaves no document element is a failure: nothing
// is saved or opened then. The report reference is released before the call returns. The messages come
// from texts. Throws nothing but std::bad_alloc from the callbacks.
TransformResult TransformAndOpen(TextSource texts, ComPtr<IXMLDOMDocument3> report, const std::wstring& styleSheetPath,
                                 const std::wstring& outputPath, bool open, const ShellExecuteFunction& shellExecute);
