#pragma once

#include "interchange/EvalonInterchangeExport.h"

#include "external/data/XmlTree.h"

#include <wx/string.h>

#include <memory>
#include <string>
#include <string_view>

class CImportReport;
class wxXmlDocument;
class wxXmlNode;

/// Reading and writing the XML bank formats: parsing into our compact tree
/// (expat's, through CXmlTree) that gives the parser's complaint as a reason
/// for the report; writing with wx's XML classes.
class EVALON_INTERCHANGE_EXPORT CXmlInput
{
public:
    /// Parses `bytes` (UTF-8 unless the XML declaration names UTF-16,
    /// ISO-8859-1 or US-ASCII), keeping white space. Null, with `error` naming the line and
    /// the parser's complaint, when the text is not well-formed XML.
    static std::unique_ptr<CXmlTree> parse(const std::string& bytes, wxString* error);
    /// parse() for a bank file named `file`: null, with the file refused in
    /// `report` for the parser's reason, when it is not well-formed XML.
    static std::unique_ptr<CXmlTree> parseBank(const std::string& bytes, const wxString& file,
                                               CImportReport* report);
    /// `text` without the white space wxString::Trim removes at either end.
    static std::string_view trimmed(std::string_view text);
    /// The content of `node` (see CXmlTree::CNode::content), trimmed, as a wxString.
    static wxString trimmedContent(const CXmlTree::CNode& node);
    /// The document as UTF-8 bytes, indented; carriage returns in texts as
    /// character references, so that they survive the parser's line-end
    /// normalisation.
    static std::string serialize(wxXmlDocument& document);
    /// `text` without the characters XML cannot hold (control characters
    /// other than tab, line feed and carriage return; unpaired surrogates).
    static wxString xmlText(const wxString& text);

    /// Appends an element, with `text` (made XML-safe) as its content when not empty.
    static wxXmlNode* addElement(wxXmlNode* parent, const wxString& name, const wxString& text = wxString());
    /// Appends an element right after `last`, the parent's last child (null
    /// for the first), without walking the children as addElement does: for
    /// lists of thousands.
    static wxXmlNode* addElementAfter(wxXmlNode* parent, wxXmlNode* last, const wxString& name);
};
