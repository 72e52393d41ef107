#include "external/data/XmlWriter.h"

#include <wx/mstream.h>
#include <wx/xml/xml.h>

namespace
{

// What the toolkit's writer turns into references: in texts markup and
// carriage returns; in attribute values also quotes, tabs and line feeds;
// nothing in CDATA sections, comments, processing instructions and names.
enum eEscaping
{
    eVerbatim,
    eText,
    eAttribute
};

class CUtf8Writer
{
public:
    explicit CUtf8Writer(std::string* bytes) : m_bytes(*bytes) {}

    void raw(const char* text) { m_bytes += text; }

    void text(const wxString& text, eEscaping escaping)
    {
        const wxChar* characters = text.wx_str();
        const size_t length = text.length();
        for (size_t at = 0; at < length; ++at)
        {
            wxUint32 code = static_cast<wxUint32>(characters[at]);
            if (code < 0x80)
            {
                ascii(static_cast<char>(code), escaping);
                continue;
            }
            // Where wchar_t is UTF-16, a pair of surrogates is one character.
            if (sizeof(wxChar) == 2 && code >= 0xD800 && code < 0xDC00 && at + 1 < length &&
                static_cast<wxUint32>(characters[at + 1]) >= 0xDC00 &&
                static_cast<wxUint32>(characters[at + 1]) < 0xE000)
            {
                code = 0x10000 + ((code - 0xD800) << 10) + (static_cast<wxUint32>(characters[++at]) - 0xDC00);
            }
            encode(code);
        }
    }

    void indentation(int indent)
    {
        m_bytes += '\n';
        m_bytes.append(static_cast<size_t>(indent), ' ');
    }

private:
    void ascii(char c, eEscaping escaping)
    {
        if (escaping == eVerbatim)
        {
            m_bytes += c;
            return;
        }
        switch (c)
        {
        case '<':
            m_bytes += "&lt;";
            return;
        case '>':
            m_bytes += "&gt;";
            return;
        case '&':
            m_bytes += "&amp;";
            return;
        case '\r':
            m_bytes += "&#xD;";
            return;
        default:
            break;
        }
        if (escaping == eAttribute && c == '"')
            m_bytes += "&quot;";
        else if (escaping == eAttribute && c == '\t')
            m_bytes += "&#x9;";
        else if (escaping == eAttribute && c == '\n')
            m_bytes += "&#xA;";
        else
            m_bytes += c;
    }

    void encode(wxUint32 code)
    {
        if ((code >= 0xD800 && code < 0xE000) || code > 0x10FFFF)
            return; // no UTF-8 for it
        if (code < 0x800)
        {
            m_bytes += static_cast<char>(0xC0 | (code >> 6));
        }
        else if (code < 0x10000)
        {
            m_bytes += static_cast<char>(0xE0 | (code >> 12));
            m_bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        }
        else
        {
            m_bytes += static_cast<char>(0xF0 | (code >> 18));
            m_bytes += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            m_bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        }
        m_bytes += static_cast<char>(0x80 | (code & 0x3F));
    }

    std::string& m_bytes;
};

void writeElement(CUtf8Writer& out, const wxXmlNode* node, int indent, int indentStep);

void writeNode(CUtf8Writer& out, const wxXmlNode* node, int indent, int indentStep)
{
    switch (node->GetType())
    {
    case wxXML_TEXT_NODE:
        out.text(node->GetContent(), eText);
        break;
    case wxXML_CDATA_SECTION_NODE:
        out.raw("<![CDATA[");
        out.text(node->GetContent(), eVerbatim);
        out.raw("]]>");
        break;
    case wxXML_COMMENT_NODE:
        out.raw("<!--");
        out.text(node->GetContent(), eVerbatim);
        out.raw("-->");
        break;
    case wxXML_PI_NODE:
        out.raw("<?");
        out.text(node->GetName(), eVerbatim);
        out.raw(" ");
        out.text(node->GetContent(), eVerbatim);
        out.raw("?>");
        break;
    case wxXML_ELEMENT_NODE:
        writeElement(out, node, indent, indentStep);
        break;
    default:
        break; // nothing else is held in a document's tree
    }
}

// As the toolkit writes it: a child that is not text starts on a new line,
// one step deeper; the closing tag gets a line of its own when the last child
// is not text; an element without children is closed in its tag.
void writeElement(CUtf8Writer& out, const wxXmlNode* node, int indent, int indentStep)
{
    out.raw("<");
    out.text(node->GetName(), eVerbatim);
    for (const wxXmlAttribute* attribute = node->GetAttributes(); attribute; attribute = attribute->GetNext())
    {
        out.raw(" ");
        out.text(attribute->GetName(), eVerbatim);
        out.raw("=\"");
        out.text(attribute->GetValue(), eAttribute);
        out.raw("\"");
    }
    const wxXmlNode* child = node->GetChildren();
    if (child == nullptr)
    {
        out.raw("/>");
        return;
    }
    out.raw(">");
    const wxXmlNode* last = nullptr;
    for (; child != nullptr; child = child->GetNext())
    {
        if (indentStep >= 0 && child->GetType() != wxXML_TEXT_NODE)
            out.indentation(indent + indentStep);
        writeNode(out, child, indent + indentStep, indentStep);
        last = child;
    }
    if (indentStep >= 0 && last->GetType() != wxXML_TEXT_NODE)
        out.indentation(indent);
    out.raw("</");
    out.text(node->GetName(), eVerbatim);
    out.raw(">");
}

std::string savedByToolkit(const wxXmlDocument& document, int indentStep)
{
    wxMemoryOutputStream stream;
    document.Save(stream, indentStep);
    std::string bytes(stream.GetLength(), '\0');
    stream.CopyTo(bytes.data(), bytes.size());
    return bytes;
}

} // namespace

std::string CXmlWriter::write(const wxXmlDocument& document, int indentStep)
{
    static const wxString kUtf8 = "UTF-8";
    if (!document.IsOk() || document.GetFileEncoding().CmpNoCase(kUtf8) != 0 ||
        !document.GetDoctype().GetRootName().empty())
    {
        return savedByToolkit(document, indentStep);
    }
    std::string bytes;
    CUtf8Writer out(&bytes);
    out.raw("<?xml version=\"");
    out.text(document.GetVersion(), eVerbatim);
    out.raw("\" encoding=\"");
    out.text(document.GetFileEncoding(), eVerbatim);
    out.raw("\"?>\n");
    for (const wxXmlNode* node = document.GetDocumentNode()->GetChildren(); node; node = node->GetNext())
    {
        writeNode(out, node, 0, indentStep);
        out.raw("\n");
    }
    return bytes;
}
