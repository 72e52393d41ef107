#include "interchange/XmlInput.h"

#include "external/data/XMLSerializer.h"
#include "external/data/XmlReader.h"
#include "external/data/XmlWriter.h"
#include "interchange/ImportReport.h"

#include <wx/xml/xml.h>

std::unique_ptr<wxXmlDocument> CXmlInput::parse(const std::string& bytes, wxString* error)
{
    if (bytes.empty())
    {
        *error = "the file is empty";
        return nullptr;
    }
    wxString detail;
    std::unique_ptr<wxXmlDocument> document = CXmlReader::parse(bytes, &detail);
    if (!document)
    {
        *error = "not well-formed XML: " + detail;
    }
    return document;
}

std::unique_ptr<wxXmlDocument> CXmlInput::parseBank(const std::string& bytes, const wxString& file,
                                                    CImportReport* report)
{
    wxString error;
    std::unique_ptr<wxXmlDocument> document = parse(bytes, &error);
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

wxString CXmlInput::localName(const wxXmlNode* node)
{
    return node->GetName().AfterLast(':');
}

bool CXmlInput::hasLocalName(const wxXmlNode* node, const wxString& name)
{
    const wxString& full = node->GetName();
    if (full.length() < name.length())
    {
        return false;
    }
    const size_t prefixLength = full.length() - name.length();
    return full.compare(prefixLength, name.length(), name) == 0 &&
           (prefixLength == 0 || full[prefixLength - 1] == ':');
}

const wxXmlNode* CXmlInput::child(const wxXmlNode* parent, const wxString& name)
{
    for (const wxXmlNode* node = parent ? parent->GetChildren() : nullptr; node != nullptr;
         node = node->GetNext())
    {
        if (node->GetType() == wxXML_ELEMENT_NODE && hasLocalName(node, name))
        {
            return node;
        }
    }
    return nullptr;
}

wxString CXmlInput::content(const wxXmlNode* node)
{
    wxString text;
    for (const wxXmlNode* part = node ? node->GetChildren() : nullptr; part != nullptr;
         part = part->GetNext())
    {
        if (part->GetType() == wxXML_TEXT_NODE || part->GetType() == wxXML_CDATA_SECTION_NODE)
        {
            text += part->GetContent();
        }
    }
    return text;
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
