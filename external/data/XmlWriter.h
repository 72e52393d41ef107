#pragma once

#include "external/data/EvalonDataExport.h"

#include <string>

class wxXmlDocument;

/// Writes the toolkit's document tree as UTF-8 text, byte for byte what
/// wxXmlDocument::Save(stream, indentStep) writes, without its per-string
/// trip through iconv (a question file spent four fifths of its writing
/// there). Elements, texts, CDATA sections, comments and processing
/// instructions are written; characters no Unicode text can hold (unpaired
/// surrogates, beyond U+10FFFF) are left out, where Save would stop
/// half-way through the document. Documents in another encoding than UTF-8,
/// or with a document type, are left to Save.
class EVALON_DATA_EXPORT CXmlWriter
{
public:
    /// The document's text; `indentStep` spaces per level, or -1 for none.
    static std::string write(const wxXmlDocument& document, int indentStep);
};
