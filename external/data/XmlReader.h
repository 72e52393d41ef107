#pragma once

#include "external/data/EvalonDataExport.h"

#include <wx/string.h>

#include <memory>
#include <string>

class wxXmlDocument;

/// Parses XML into the toolkit's document tree by way of CXmlTree, in time
/// proportional to the size of the text (wxXmlDocument::Load is quadratic in
/// the length of a text and in the number of siblings). Texts and CDATA
/// sections become one text node per run, white space between elements is
/// kept, comments and processing instructions are left out, and every node
/// knows its line. The encoding is the one the XML declaration names (UTF-8,
/// UTF-16, ISO-8859-1 or US-ASCII), UTF-8 by default.
class EVALON_DATA_EXPORT CXmlReader
{
public:
    /// The document, or null with `error` naming the parser's complaint and
    /// its line ("'mismatched tag' at line 3") when `bytes` are not
    /// well-formed XML or nest elements more than a hundred deep.
    static std::unique_ptr<wxXmlDocument> parse(const std::string& bytes, wxString* error);
};
