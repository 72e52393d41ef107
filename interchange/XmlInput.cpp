#include "interchange/XmlInput.h"

#include "external/data/XMLSerializer.h"
#include "external/data/XmlReader.h"
#include "interchange/ImportReport.h"

#include <wx/mstream.h>
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
    wxMemoryOutputStream stream;
    document.Save(stream, 2);
    std::string bytes(stream.GetLength(), '\0');
    stream.CopyTo(bytes.data(), bytes.size());
    // The writer puts "\n" between elements, so a carriage return can only
    // be part of a text or attribute value.
    std::string escaped;
    escaped.reserve(bytes.size());
    for (char c : bytes)
    {
        if (c == '\r')
        {
            escaped += "&#13;";
        }
        else
        {
            escaped += c;
        }
    }
    return escaped;
}

wxString CXmlInput::xmlText(const wxString& text)
{
    return CXMLSerializer::storableText(text);
}

wxString CXmlInput::localName(const wxXmlNode* node)
{
    return node->GetName().AfterLast(':');
}

const wxXmlNode* CXmlInput::child(const wxXmlNode* parent, const wxString& name)
{
    for (const wxXmlNode* node = parent ? parent->GetChildren() : nullptr; node != nullptr;
         node = node->GetNext())
    {
        if (node->GetType() == wxXML_ELEMENT_NODE && localName(node) == name)
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
