#include "interchange/XmlInput.h"

#include "external/data/XMLSerializer.h"
#include "external/data/XmlWriter.h"
#include "interchange/ImportReport.h"

#include <wx/intl.h>
#include <wx/xml/xml.h>

std::unique_ptr<CXmlTree> CXmlInput::parse(const std::string& bytes, wxString* error)
{
    if (bytes.empty())
    {
        *error = _("the file is empty");
        return nullptr;
    }
    wxString detail;
    std::unique_ptr<CXmlTree> document = CXmlTree::parse(bytes, &detail);
    if (!document)
    {
        *error = wxString::Format(_("not well-formed XML: %s"), detail);
    }
    return document;
}

std::unique_ptr<CXmlTree> CXmlInput::parseBank(const std::string& bytes, const wxString& file,
                                               CImportReport* report)
{
    wxString error;
    std::unique_ptr<CXmlTree> document = parse(bytes, &error);
    if (!document)
    {
        report->add(CImportReport::eRefused, CItemSource(file, 0), error);
    }
    return document;
}

std::string CXmlInput::serialize(wxXmlDocument& document)
{
    return CXmlWriter::write(document, 2);
}

wxString CXmlInput::xmlText(const wxString& text)
{
    return CXMLSerializer::storableText(text);
}

std::string_view CXmlInput::trimmed(std::string_view text)
{
    const char* const kSpace = " \t\n\v\f\r";
    const size_t first = text.find_first_not_of(kSpace);
    if (first == std::string_view::npos)
    {
        return std::string_view();
    }
    return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

wxString CXmlInput::trimmedContent(const CXmlTree::CNode& node)
{
    return CXmlTree::toText(trimmed(node.content()));
}

wxXmlNode* CXmlInput::addElement(wxXmlNode* parent, const wxString& name, const wxString& text)
{
    auto* element = new wxXmlNode(wxXML_ELEMENT_NODE, name);
    if (!text.empty())
    {
        element->AddChild(new wxXmlNode(wxXML_TEXT_NODE, wxString(), xmlText(text)));
    }
    parent->AddChild(element);
    return element;
}

wxXmlNode* CXmlInput::addElementAfter(wxXmlNode* parent, wxXmlNode* last, const wxString& name)
{
    auto* element = new wxXmlNode(wxXML_ELEMENT_NODE, name);
    parent->InsertChildAfter(element, last);
    return element;
}
