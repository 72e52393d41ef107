#include "external/data/XMLSerializer.h"

#include <wx/file.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/mstream.h>
#include <wx/xml/xml.h>

#include <expat.h>
#include <sys/stat.h>

#include <string>
#include <vector>

namespace
{
// Elements nest at most three deep in our files; far deeper nesting is a
// damaged or hostile file, and would overflow the stack when the toolkit's
// node tree is freed (it frees children recursively).
const int kMaxDepth = 100;
// Far beyond any real file of ours (a question of a million characters takes
// a few MiB); larger files are refused rather than read into memory.
const wxFileOffset kMaxFileBytes = 256 * 1024 * 1024;

// Builds a wxXmlDocument from expat's events. wxXmlDocument::Load itself
// takes time quadratic in the size of a text (it copies the text gathered so
// far at every line end and character reference) and in the number of
// siblings and attributes (it walks each list to append to it), so a 1 MiB
// question text of short lines took minutes. Here texts are gathered whole
// and lists appended at their end. Texts, CDATA included, become one text
// node per run; blanks between elements are kept as text nodes; comments and
// processing instructions are left out, as the readers skip them anyway.
class CDocumentBuilder
{
public:
    CDocumentBuilder() : m_parser(XML_ParserCreate(nullptr))
    {
        XML_SetUserData(m_parser, this);
        XML_SetElementHandler(m_parser, onStart, onEnd);
        XML_SetCharacterDataHandler(m_parser, onText);
    }
    ~CDocumentBuilder()
    {
        XML_ParserFree(m_parser);
        delete m_root;
    }
    CDocumentBuilder(const CDocumentBuilder&) = delete;
    CDocumentBuilder& operator=(const CDocumentBuilder&) = delete;

    // The document, or null with the parser's reason in `error`.
    std::unique_ptr<wxXmlDocument> parse(const std::string& bytes, wxString* error)
    {
        if (XML_Parse(m_parser, bytes.data(), static_cast<int>(bytes.size()), XML_TRUE) != XML_STATUS_OK)
        {
            const wxString reason = m_tooDeep
                                        ? wxString::Format("elements nested more than %d deep", kMaxDepth)
                                        : wxString::FromUTF8(XML_ErrorString(XML_GetErrorCode(m_parser)));
            *error = wxString::Format("'%s' at line %lu", reason,
                                      static_cast<unsigned long>(XML_GetCurrentLineNumber(m_parser)));
            return nullptr;
        }
        auto document = std::make_unique<wxXmlDocument>();
        document->SetRoot(m_root);
        m_root = nullptr;
        return document;
    }

private:
    struct SOpen
    {
        wxXmlNode* node;
        wxXmlNode* lastChild;
    };

    static void XMLCALL onStart(void* self, const XML_Char* name, const XML_Char** attributes)
    {
        static_cast<CDocumentBuilder*>(self)->start(name, attributes);
    }
    static void XMLCALL onEnd(void* self, const XML_Char*) { static_cast<CDocumentBuilder*>(self)->end(); }
    static void XMLCALL onText(void* self, const XML_Char* text, int length)
    {
        static_cast<CDocumentBuilder*>(self)->m_text.append(text, static_cast<size_t>(length));
    }

    void start(const XML_Char* name, const XML_Char** attributes)
    {
        if (m_open.size() >= kMaxDepth)
        {
            m_tooDeep = true;
            XML_StopParser(m_parser, XML_FALSE);
            return;
        }
        flushText();
        auto* element = new wxXmlNode(wxXML_ELEMENT_NODE, wxString::FromUTF8(name));
        wxXmlAttribute* last = nullptr;
        for (const XML_Char** attribute = attributes; *attribute != nullptr; attribute += 2)
        {
            auto* next =
                new wxXmlAttribute(wxString::FromUTF8(attribute[0]), wxString::FromUTF8(attribute[1]));
            if (last == nullptr)
                element->SetAttributes(next);
            else
                last->SetNext(next);
            last = next;
        }
        if (m_open.empty())
            m_root = element; // expat allows one root element only
        else
            append(element);
        m_open.push_back({element, nullptr});
    }

    void end()
    {
        flushText();
        m_open.pop_back();
    }

    // The text gathered since the last tag, as one node of the open element.
    void flushText()
    {
        if (m_text.empty())
            return;
        if (!m_open.empty())
            append(new wxXmlNode(wxXML_TEXT_NODE, wxString(), wxString::FromUTF8(m_text)));
        m_text.clear();
    }

    void append(wxXmlNode* child)
    {
        SOpen& parent = m_open.back();
        if (parent.lastChild == nullptr)
            parent.node->SetChildren(child);
        else
            parent.lastChild->SetNext(child);
        child->SetParent(parent.node);
        parent.lastChild = child;
    }

    XML_Parser m_parser;
    wxXmlNode* m_root = nullptr;
    std::vector<SOpen> m_open;
    std::string m_text;
    bool m_tooDeep = false;
};

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

// The permissions a rewritten file keeps: the old file's, or for a new file
// what the process's umask leaves of read-write for all.
mode_t permissionsFor(const wxString& path)
{
    struct stat old;
    if (stat(path.fn_str(), &old) == 0)
    {
        return old.st_mode & 07777;
    }
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

std::string documentBytes(wxXmlDocument& document)
{
    makeStorable(document.GetRoot());
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
    // Not wxTempFile: its Commit() removes the old file before renaming the
    // new one into place, so a process killed between the two leaves no file
    // at all. rename() replaces the file in one step: a reader, and whatever
    // becomes of this process, finds the old file or the new one.
    wxFile file;
    const wxString temporary = wxFileName::CreateTempFileName(m_path, &file);
    if (temporary.empty())
    {
        return fail("cannot create a temporary file beside it: " + wxSysErrorMsgStr());
    }
    if (file.Write(bytes.data(), bytes.size()) != bytes.size() ||
        fchmod(file.fd(), permissionsFor(m_path)) != 0 || !file.Close())
    {
        const wxString reason = wxSysErrorMsgStr();
        wxRemoveFile(temporary);
        return fail("cannot write: " + reason);
    }
    if (wxRename(temporary, m_path) != 0)
    {
        const wxString reason = wxSysErrorMsgStr();
        wxRemoveFile(temporary);
        return fail("cannot replace the file: " + reason);
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
    std::string bytes;
    {
        wxLogNull quiet; // the reason goes into our own message
        wxFile file(m_path);
        const wxFileOffset length = file.IsOpened() ? file.Length() : -1;
        if (length < 0)
        {
            fail("cannot open the file: " + wxSysErrorMsgStr());
            return nullptr;
        }
        if (length == 0)
        {
            fail("the file is empty");
            return nullptr;
        }
        if (length > kMaxFileBytes)
        {
            fail(wxString::Format("the file is larger than %d MiB", int(kMaxFileBytes >> 20)));
            return nullptr;
        }
        bytes.resize(static_cast<size_t>(length));
        if (file.Read(&bytes[0], bytes.size()) != static_cast<ssize_t>(bytes.size()))
        {
            fail("cannot read the file: " + wxSysErrorMsgStr());
            return nullptr;
        }
    }

    wxString detail;
    std::unique_ptr<wxXmlDocument> document = CDocumentBuilder().parse(bytes, &detail);
    if (!document)
    {
        fail("not a well-formed XML file (truncated or damaged): XML parsing error: " + detail);
        return nullptr;
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
