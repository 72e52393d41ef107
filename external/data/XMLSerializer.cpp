#include "external/data/XMLSerializer.h"

#include "external/data/FileBytes.h"
#include "external/data/XmlReader.h"
#include "external/data/XmlWriter.h"

#include <wx/file.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/translation.h>
#include <wx/xml/xml.h>

#include <string>
#include <vector>

namespace
{
// Characters that XML 1.0 cannot hold in any form, not even as a character
// reference: the controls below U+0020 other than tab, line feed and carriage
// return, the surrogates, U+FFFE and U+FFFF. A text pasted with them is
// written without them, so the file still loads.
bool isStorable(wxUint32 code)
{
    return (code >= 0x20 && code < 0xD800) || code == '\t' || code == '\n' || code == '\r' ||
           (code >= 0xE000 && code < 0xFFFE) || (code >= 0x10000 && code <= 0x10FFFF);
}

} // namespace

wxString CXMLSerializer::storableText(const wxString& text)
{
    wxString kept;
    for (wxString::const_iterator c = text.begin(); c != text.end(); ++c)
    {
        if (!isStorable((*c).GetValue()))
        {
            // Rare: copy what precedes, then filter the rest.
            kept.reserve(text.length());
            kept.append(text.begin(), c);
            for (; c != text.end(); ++c)
                if (isStorable((*c).GetValue()))
                    kept += *c;
            return kept;
        }
    }
    return text;
}

namespace
{

void makeStorable(wxXmlNode* node)
{
    for (; node != nullptr; node = node->GetNext())
    {
        node->SetContent(CXMLSerializer::storableText(node->GetContent()));
        for (wxXmlAttribute* attribute = node->GetAttributes(); attribute; attribute = attribute->GetNext())
            attribute->SetValue(CXMLSerializer::storableText(attribute->GetValue()));
        makeStorable(node->GetChildren());
    }
}

std::string documentBytes(wxXmlDocument& document)
{
    makeStorable(document.GetRoot());
    return CXmlWriter::write(document, 2);
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
    wxString reason;
    return CFileBytes::replace(m_path, bytes, &reason) || fail(reason);
}

std::unique_ptr<wxXmlDocument> CXMLSerializer::readDocument(const wxString& rootName, long version)
{
    return readDocument(rootName, version, version);
}

std::unique_ptr<wxXmlDocument> CXMLSerializer::readDocument(const wxString& rootName, long oldestVersion,
                                                            long newestVersion, long* readVersion)
{
    m_lastError.clear();
    std::string bytes;
    wxString reason;
    if (!CFileBytes::read(m_path, &bytes, &reason))
    {
        fail(reason);
        return nullptr;
    }
    if (bytes.empty())
    {
        fail(_("the file is empty"));
        return nullptr;
    }

    wxString detail;
    std::unique_ptr<wxXmlDocument> document = CXmlReader::parse(bytes, &detail);
    if (!document)
    {
        fail(wxString::Format(_("not a well-formed XML file (truncated or damaged): XML parsing error: %s"),
                              detail));
        return nullptr;
    }

    const wxXmlNode* root = document->GetRoot();
    if (root == nullptr || root->GetName() != rootName)
    {
        fail(wxString::Format(_("the root element is <%s>, expected <%s>"),
                              root ? root->GetName() : wxString(), rootName));
        return nullptr;
    }
    wxString versionText;
    if (!root->GetAttribute("version", &versionText))
    {
        fail(wxString::Format(_("<%s> has no version attribute"), rootName));
        return nullptr;
    }
    long fileVersion = 0;
    if (!versionText.ToLong(&fileVersion) || fileVersion < oldestVersion || fileVersion > newestVersion)
    {
        const wxString expected =
            oldestVersion == newestVersion
                ? wxString::Format(_("version %ld"), newestVersion)
                : wxString::Format(_("version %ld to %ld"), oldestVersion, newestVersion);
        fail(wxString::Format(_("version \"%s\" is not supported (%s expected)"), versionText, expected));
        return nullptr;
    }
    if (readVersion)
        *readVersion = fileVersion;
    return document;
}

bool CXMLSerializer::readAttribute(const wxXmlNode* node, const wxString& name, wxString* value)
{
    if (!node->GetAttribute(name, value))
    {
        return fail(wxString::Format(_("<%s> has no %s attribute"), node->GetName(), name));
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
        return fail(wxString::Format(_("<%s> %s \"%s\" is not a number"), node->GetName(), name, text));
    }
    if (*value < min || *value > max)
    {
        return fail(wxString::Format(_("<%s> %s %ld is outside %ld to %ld"), node->GetName(), name, *value,
                                     min, max));
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
