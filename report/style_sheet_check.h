#pragma once
// What a report style sheet may not hold. The style sheet lives in a folder every user of the machine can
// write, and MSXML's own switches against scripts, document() and DTDs are not honoured everywhere (Wine
// ignores them, and its XSLT processor runs instructions that write files), so the module looks at the style
// sheet itself before it transforms anything: plain XSLT 1.0 without extensions is what it lets through.

#include <cstddef>
#include <string_view>

enum class StyleSheetRefusal {
    // Nothing found that reaches outside the report's data.
    kNone,
    // The text is no XML document this check can read; MSXML is not asked to read it either.
    kNotReadable,
    // A document type declaration (entities can read files and addresses).
    kDoctype,
    // An msxsl:script element (code run by the transform).
    kScript,
    // An xsl:import or xsl:include element (a second style sheet, from anywhere).
    kImportOrInclude,
    // A document() call in an expression or an attribute value template (reads any file or address).
    kDocumentFunction,
    // An element of the XSLT namespace that XSLT 1.0 does not define: an instruction of a later version or of
    // one processor (XSLT 1.1's xsl:document writes files).
    kUnknownXsltElement,
    // Extension elements declared (extension-element-prefixes): a processor's own instructions, some of which
    // write files.
    kExtensionElements,
};

// The style sheet's file as it is stored; its encoding is told from its byte-order mark or declaration.
StyleSheetRefusal CheckStyleSheetBytes(const void* bytes, size_t size);
// The style sheet as the XML component parsed it and wrote it back (its "xml" text).
StyleSheetRefusal CheckStyleSheetText(std::wstring_view text);
