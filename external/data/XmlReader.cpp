#include "external/data/XmlReader.h"

#include <wx/translation.h>
#include <wx/xml/xml.h>

#include <expat.h>

#include <cstring>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace
{
// UTF-8 to a wxString; pure ASCII, by far the most common in names and in
// many texts, widened directly, which is several times faster than the
// toolkit's general conversion. Widened in `scratch`, reused for a whole
// document, so that the string's own buffer is the only allocation.
wxString fromUtf8(const char* text, size_t length, std::wstring* scratch)
{
    for (size_t at = 0; at < length; ++at)
    {
        if (static_cast<unsigned char>(text[at]) >= 0x80)
            return wxString::FromUTF8(text, length);
    }
    scratch->assign(text, text + length);
    return wxString(scratch->data(), scratch->size());
}

// Elements nest at most three deep in our files and a dozen in a question
// bank's XHTML; far deeper nesting is a damaged or hostile file, and would overflow the stack when the
// toolkit's node tree is freed (it frees children recursively).
const int kMaxDepth = 100;
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

    std::unique_ptr<wxXmlDocument> parse(const std::string& bytes, wxString* error)
    {
        if (XML_Parse(m_parser, bytes.data(), static_cast<int>(bytes.size()), XML_TRUE) != XML_STATUS_OK)
        {
            const wxString reason = m_tooDeep
                                        ? wxString::Format(_("elements nested more than %d deep"), kMaxDepth)
                                        : wxString::FromUTF8(XML_ErrorString(XML_GetErrorCode(m_parser)));
            *error = wxString::Format(_("'%s' at line %lu"), reason,
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
        auto* builder = static_cast<CDocumentBuilder*>(self);
        if (builder->m_text.empty())
            builder->m_textLine = builder->line();
        builder->m_text.append(text, static_cast<size_t>(length));
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
        auto* element = new wxXmlNode(wxXML_ELEMENT_NODE, internedName(name), wxString(), line());
        wxXmlAttribute* last = nullptr;
        for (const XML_Char** attribute = attributes; *attribute != nullptr; attribute += 2)
        {
            auto* next = new wxXmlAttribute(internedName(attribute[0]),
                                            fromUtf8(attribute[1], std::strlen(attribute[1]), &m_wide));
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
            append(new wxXmlNode(wxXML_TEXT_NODE, wxString(), fromUtf8(m_text.data(), m_text.size(), &m_wide),
                                 m_textLine));
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

    // Element and attribute names repeat throughout a document: each is
    // converted once.
    const wxString& internedName(const XML_Char* name)
    {
        const std::string_view key(name);
        auto found = m_names.find(key);
        if (found == m_names.end())
        {
            // The map's keys view expat's text only while it is parsed: kept here.
            const std::string& kept = m_nameTexts.emplace_back(key);
            found = m_names.emplace(kept, fromUtf8(kept.data(), kept.size(), &m_wide)).first;
        }
        return found->second;
    }

    int line() const { return static_cast<int>(XML_GetCurrentLineNumber(m_parser)); }

    XML_Parser m_parser;
    wxXmlNode* m_root = nullptr;
    int m_textLine = 0;
    std::unordered_map<std::string_view, wxString> m_names;
    std::deque<std::string> m_nameTexts;
    std::wstring m_wide;
    std::vector<SOpen> m_open;
    std::string m_text;
    bool m_tooDeep = false;
};

} // namespace

std::unique_ptr<wxXmlDocument> CXmlReader::parse(const std::string& bytes, wxString* error)
{
    return CDocumentBuilder().parse(bytes, error);
}
