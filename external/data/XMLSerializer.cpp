#include "external/data/XMLSerializer.h"

#include <wx/file.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/mstream.h>
#include <wx/wfstream.h>
#include <wx/xml/xml.h>

namespace
{
// Collects what wx logs while it reads a file (the XML parser reports the line
// of a syntax error only there), so the reason can go into our own message
// instead of a log window.
class CLogCollector : public wxLog
{
public:
    CLogCollector() : m_previous(wxLog::SetActiveTarget(this)) {}
    ~CLogCollector() override { wxLog::SetActiveTarget(m_previous); }
    CLogCollector(const CLogCollector&) = delete;
    CLogCollector& operator=(const CLogCollector&) = delete;

    wxString getText() const { return m_text; }

protected:
    void DoLogTextAtLevel(wxLogLevel level, const wxString& msg) override
    {
        if (level <= wxLOG_Warning)
        {
            m_text += (m_text.empty() ? "" : "; ") + msg;
        }
    }

private:
    wxLog* m_previous;
    wxString m_text;
};

std::string documentBytes(wxXmlDocument& document)
{
    wxMemoryOutputStream stream;
    document.Save(stream, 2);
    std::string bytes(stream.GetLength(), '\0');
    stream.CopyTo(bytes.data(), bytes.size());
    return bytes;
}
} // namespace

CXMLSerializer::CXMLSerializer(const wxString& path) : m_path(path)
{
}

CXMLSerializer::~CXMLSerializer() = default;

bool CXMLSerializer::fail(const wxString& reason)
{
    m_lastError = m_path + ": " + reason;
    return false;
}

std::unique_ptr<wxXmlDocument> CXMLSerializer::newDocument(const wxString& rootName, long version)
{
    auto document = std::make_unique<wxXmlDocument>();
    document->SetFileEncoding("UTF-8");
    auto* root = new wxXmlNode(wxXML_ELEMENT_NODE, rootName);
    root->AddAttribute("version", wxString::Format("%ld", version));
    document->SetRoot(root);
    return document;
}

wxXmlNode* CXMLSerializer::addElement(wxXmlNode* parent, const wxString& name, const wxString& text)
{
    auto* element = new wxXmlNode(wxXML_ELEMENT_NODE, name);
    if (!text.empty())
    {
        element->AddChild(new wxXmlNode(wxXML_TEXT_NODE, wxString(), text));
    }
    parent->AddChild(element);
    return element;
}

wxString CXMLSerializer::documentText(wxXmlDocument& document)
{
    return wxString::FromUTF8(documentBytes(document));
}

bool CXMLSerializer::writeDocument(wxXmlDocument& document)
{
    m_lastError.clear();
    const std::string bytes = documentBytes(document);
    // wx reports file errors to the log as well; our caller gets the reason
    // from getLastError() instead.
    wxLogNull quiet;
    wxTempFile file;
    if (!file.Open(m_path))
    {
        return fail("cannot create a temporary file beside it: " + wxSysErrorMsgStr());
    }
    if (!file.Write(bytes.data(), bytes.size()))
    {
        return fail("cannot write: " + wxSysErrorMsgStr());
    }
    if (!file.Commit())
    {
        return fail("cannot replace the file: " + wxSysErrorMsgStr());
    }
    return true;
}

std::unique_ptr<wxXmlDocument> CXMLSerializer::readDocument(const wxString& rootName, long version)
{
    m_lastError.clear();
    if (wxDirExists(m_path))
    {
        fail("is a folder, not a file");
        return nullptr;
    }
    if (!wxFileExists(m_path))
    {
        fail("file not found");
        return nullptr;
    }
    wxFileInputStream stream(m_path);
    if (!stream.IsOk())
    {
        fail("cannot open the file: " + wxSysErrorMsgStr());
        return nullptr;
    }
    if (stream.GetLength() == 0)
    {
        fail("the file is empty");
        return nullptr;
    }

    auto document = std::make_unique<wxXmlDocument>();
    {
        CLogCollector log;
        // Whitespace-only texts (an answer of one blank) must read back as
        // they were written.
        if (!document->Load(stream, "UTF-8", wxXMLDOC_KEEP_WHITESPACE_NODES) || !document->IsOk())
        {
            const wxString detail = log.getText();
            fail("not a well-formed XML file (truncated or damaged)" + (detail.empty() ? "" : ": " + detail));
            return nullptr;
        }
    }

    const wxXmlNode* root = document->GetRoot();
    if (root == nullptr || root->GetName() != rootName)
    {
        fail(wxString::Format("the root element is <%s>, expected <%s>", root ? root->GetName() : wxString(),
                              rootName));
        return nullptr;
    }
    wxString versionText;
    if (!root->GetAttribute("version", &versionText))
    {
        fail(wxString::Format("<%s> has no version attribute", rootName));
        return nullptr;
    }
    long fileVersion = 0;
    if (!versionText.ToLong(&fileVersion) || fileVersion != version)
    {
        fail(
            wxString::Format("version \"%s\" is not supported (version %ld expected)", versionText, version));
        return nullptr;
    }
    return document;
}

bool CXMLSerializer::readAttribute(const wxXmlNode* node, const wxString& name, wxString* value)
{
    if (!node->GetAttribute(name, value))
    {
        return fail(wxString::Format("<%s> has no %s attribute", node->GetName(), name));
    }
    return true;
}

bool CXMLSerializer::readLong(const wxXmlNode* node, const wxString& name, long min, long max, long* value)
{
    wxString text;
    if (!readAttribute(node, name, &text))
    {
        return false;
    }
    if (!text.ToLong(value))
    {
        return fail(wxString::Format("<%s> %s \"%s\" is not a number", node->GetName(), name, text));
    }
    if (*value < min || *value > max)
    {
        return fail(
            wxString::Format("<%s> %s %ld is outside %ld to %ld", node->GetName(), name, *value, min, max));
    }
    return true;
}

wxString CXMLSerializer::folderOf(const wxString& path)
{
    wxFileName file(path);
    file.MakeAbsolute();
    return file.GetPath();
}

wxString CXMLSerializer::storedPath(const wxString& file, const wxString& folder)
{
    wxFileName name(file);
    name.MakeAbsolute();
    wxFileName relative(name);
    if (relative.MakeRelativeTo(folder) && !relative.GetFullPath().StartsWith(".."))
    {
        return relative.GetFullPath(wxPATH_UNIX);
    }
    return name.GetFullPath();
}

wxString CXMLSerializer::resolvedPath(const wxString& stored, const wxString& folder)
{
    wxFileName name(stored, wxPATH_UNIX);
    name.MakeAbsolute(folder);
    return name.GetFullPath();
}
