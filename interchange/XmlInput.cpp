#include "interchange/XmlInput.h"

#include "external/data/XMLSerializer.h"
#include "interchange/ImportReport.h"

#include <wx/log.h>
#include <wx/mstream.h>
#include <wx/xml/xml.h>

namespace
{
// Collects what the parser logs (it reports the line of a syntax error only
// there) so that the reason reaches the report instead of a log window.
class CParserLog : public wxLog
{
public:
    CParserLog() : m_previous(wxLog::SetActiveTarget(this)) {}
    ~CParserLog() override { wxLog::SetActiveTarget(m_previous); }
    CParserLog(const CParserLog&) = delete;
    CParserLog& operator=(const CParserLog&) = delete;

    wxString text() const { return m_text; }

protected:
    // The record's own text, without the time stamp and level a formatter adds.
    void DoLogRecord(wxLogLevel level, const wxString& message, const wxLogRecordInfo&) override
    {
        if (level <= wxLOG_Warning)
        {
            m_text += (m_text.empty() ? "" : "; ") + message;
        }
    }

private:
    wxLog* m_previous;
    wxString m_text;
};
} // namespace

std::unique_ptr<wxXmlDocument> CXmlInput::parse(const std::string& bytes, wxString* error)
{
    auto document = std::make_unique<wxXmlDocument>();
    CParserLog log;
    wxMemoryInputStream stream(bytes.data(), bytes.size());
    if (bytes.empty() || !document->Load(stream, "UTF-8", wxXMLDOC_KEEP_WHITESPACE_NODES) ||
        !document->IsOk() || document->GetRoot() == nullptr)
    {
        const wxString detail = log.text();
        *error = bytes.empty() ? wxString("the file is empty")
                               : "not well-formed XML" + (detail.empty() ? wxString() : ": " + detail);
        return nullptr;
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
