#pragma once

#include "interchange/EvalonInterchangeExport.h"

#include <wx/string.h>

#include <memory>
#include <string>

class CImportReport;
class wxXmlDocument;
class wxXmlNode;

/// Reading and writing the XML bank formats with wx's XML classes: parsing
/// (expat's, through CXmlReader) that gives the parser's complaint as a reason
/// for the report, and small look-ups that ignore namespace prefixes.
class EVALON_INTERCHANGE_EXPORT CXmlInput
{
public:
    /// Parses `bytes` (UTF-8 unless the XML declaration names UTF-16,
    /// ISO-8859-1 or US-ASCII), keeping white space. Null, with `error` naming the line and
    /// the parser's complaint, when the text is not well-formed XML.
    static std::unique_ptr<wxXmlDocument> parse(const std::string& bytes, wxString* error);
    /// parse() for a bank file named `file`: null, with the file refused in
    /// `report` for the parser's reason, when it is not well-formed XML.
    static std::unique_ptr<wxXmlDocument> parseBank(const std::string& bytes, const wxString& file,
                                                    CImportReport* report);
    /// The document as UTF-8 bytes, indented; carriage returns in texts as
    /// character references, so that they survive the parser's line-end
    /// normalisation.
    static std::string serialize(wxXmlDocument& document);
    /// `text` without the characters XML cannot hold (control characters
    /// other than tab, line feed and carriage return; unpaired surrogates).
    static wxString xmlText(const wxString& text);

    /// The element name without a namespace prefix.
    static wxString localName(const wxXmlNode* node);
    /// Whether `node` is called `name` (a name without a prefix), its own
    /// prefix ignored; unlike comparing localName(), copies nothing.
    static bool hasLocalName(const wxXmlNode* node, const wxString& name);
    /// The first child element called `name` (prefix ignored); null when none.
    static const wxXmlNode* child(const wxXmlNode* parent, const wxString& name);
    /// The text and CDATA content directly inside `node`, joined.
    static wxString content(const wxXmlNode* node);
    /// Appends an element, with `text` (made XML-safe) as its content when not empty.
    static wxXmlNode* addElement(wxXmlNode* parent, const wxString& name, const wxString& text = wxString());
    /// Appends an element right after `last`, the parent's last child (null
    /// for the first), without walking the children as addElement does: for
    /// lists of thousands.
    static wxXmlNode* addElementAfter(wxXmlNode* parent, wxXmlNode* last, const wxString& name);
};
