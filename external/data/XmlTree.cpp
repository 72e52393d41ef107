#include "external/data/XmlTree.h"

#include <wx/intl.h>

#include <expat.h>

#include <algorithm>
#include <cstring>

namespace
{
// One expat parser per thread, reset for each document rather than made
// anew: making one allocates its hash tables and buffers, which for ten
// thousand small documents cost as much as parsing them.
class CReusedParser
{
public:
    CReusedParser() : m_parser(XML_ParserCreate(nullptr)) {}
    ~CReusedParser() { XML_ParserFree(m_parser); }
    CReusedParser(const CReusedParser&) = delete;
    CReusedParser& operator=(const CReusedParser&) = delete;

    // The parser, ready for a new document; null when expat has no memory.
    XML_Parser fresh()
    {
        if (m_parser == nullptr || (m_used && XML_ParserReset(m_parser, nullptr) != XML_TRUE))
        {
            XML_ParserFree(m_parser);
            m_parser = XML_ParserCreate(nullptr);
        }
        m_used = true;
        return m_parser;
    }

private:
    XML_Parser m_parser;
    bool m_used = false;
};

} // namespace

// Builds the tree from expat's events: a node is appended when its start tag
// is read, linked after its elder sibling through the list of open elements.
// Names, texts and attribute values are copied one after another into the
// tree's text; a text run, reported by expat in pieces, is appended as it
// comes and becomes a node when the next tag begins.
class CXmlTree::CBuilder
{
public:
    explicit CBuilder(CXmlTree* tree) : m_tree(tree) {}
    CBuilder(const CBuilder&) = delete;
    CBuilder& operator=(const CBuilder&) = delete;

    bool parse(const std::string& bytes, wxString* error)
    {
        thread_local CReusedParser reused;
        m_parser = reused.fresh();
        if (m_parser == nullptr)
        {
            *error = _("out of memory");
            return false;
        }
        XML_SetUserData(m_parser, this);
        XML_SetElementHandler(m_parser, onStart, onEnd);
        XML_SetCharacterDataHandler(m_parser, onText);
        // Names and texts take about as many bytes as the document.
        m_tree->m_texts.reserve(std::min(bytes.size(), kMaxBytes));
        m_tree->m_nodes.reserve(bytes.size() / 32 + 1);
        if (bytes.size() > kMaxBytes ||
            XML_Parse(m_parser, bytes.data(), static_cast<int>(bytes.size()), XML_TRUE) != XML_STATUS_OK)
        {
            wxString reason = wxString::FromUTF8(XML_ErrorString(XML_GetErrorCode(m_parser)));
            if (m_tooDeep)
                reason = wxString::Format(_("elements nested more than %u deep"), kMaxDepth);
            else if (bytes.size() > kMaxBytes || m_tooLarge)
                reason = _("more than 1 GiB of text");
            *error = wxString::Format("'%s' at line %lu", reason,
                                      static_cast<unsigned long>(XML_GetCurrentLineNumber(m_parser)));
            return false;
        }
        return true;
    }

private:
    // Offsets are 32 bits; files are refused long before (256 MiB), and
    // entities that expand to more are stopped here.
    static constexpr size_t kMaxBytes = size_t(1) << 30;

    struct SOpen
    {
        std::uint32_t m_node;
        std::uint32_t m_lastChild;
    };

    static void XMLCALL onStart(void* self, const XML_Char* name, const XML_Char** attributes)
    {
        static_cast<CBuilder*>(self)->start(name, attributes);
    }
    static void XMLCALL onEnd(void* self, const XML_Char*) { static_cast<CBuilder*>(self)->end(); }
    static void XMLCALL onText(void* self, const XML_Char* text, int length)
    {
        static_cast<CBuilder*>(self)->addText(text, static_cast<size_t>(length));
    }

    void addText(const XML_Char* text, size_t length)
    {
        if (!m_inText)
        {
            m_inText = true;
            m_textBegin = textOffset();
            m_textLine = line();
        }
        if (!tooLarge(length))
            m_tree->m_texts.append(text, length);
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
        SNode element;
        element.m_line = line();
        element.m_name = textOffset();
        element.m_nameLength = static_cast<std::uint32_t>(keep(name));
        element.m_begin = static_cast<std::uint32_t>(m_tree->m_attributes.size());
        for (const XML_Char** attribute = attributes; *attribute != nullptr; attribute += 2)
        {
            SAttribute kept;
            kept.m_name = textOffset();
            kept.m_nameLength = static_cast<std::uint32_t>(keep(attribute[0]));
            kept.m_begin = textOffset();
            kept.m_length = static_cast<std::uint32_t>(keep(attribute[1]));
            m_tree->m_attributes.push_back(kept);
        }
        element.m_length = static_cast<std::uint32_t>(m_tree->m_attributes.size()) - element.m_begin;
        // expat allows one root element only, so the root is node 0.
        const std::uint32_t index = append(element);
        m_open.push_back({index, kNone});
    }

    void end()
    {
        flushText();
        m_open.pop_back();
    }

    // The text run since the last tag, as one node of the open element;
    // outside the root it is dropped.
    void flushText()
    {
        if (!m_inText)
            return;
        m_inText = false;
        if (m_open.empty() || m_tooLarge)
        {
            m_tree->m_texts.resize(m_textBegin);
            return;
        }
        SNode text;
        text.m_begin = m_textBegin;
        text.m_length = textOffset() - m_textBegin;
        text.m_line = static_cast<std::uint32_t>(m_textLine);
        append(text);
    }

    // Copies a name or value into the tree's text; its length.
    size_t keep(const XML_Char* text)
    {
        const size_t length = std::strlen(text);
        if (!tooLarge(length))
            m_tree->m_texts.append(text, length);
        return length;
    }

    bool tooLarge(size_t adding)
    {
        if (m_tooLarge || m_tree->m_texts.size() + adding <= kMaxBytes)
            return m_tooLarge;
        m_tooLarge = true;
        XML_StopParser(m_parser, XML_FALSE);
        return true;
    }

    std::uint32_t append(const SNode& node)
    {
        const auto index = static_cast<std::uint32_t>(m_tree->m_nodes.size());
        m_tree->m_nodes.push_back(node);
        if (!m_open.empty())
        {
            SOpen& parent = m_open.back();
            if (parent.m_lastChild == kNone)
                m_tree->m_nodes[parent.m_node].m_firstChild = index;
            else
                m_tree->m_nodes[parent.m_lastChild].m_next = index;
            parent.m_lastChild = index;
        }
        return index;
    }

    std::uint32_t textOffset() const { return static_cast<std::uint32_t>(m_tree->m_texts.size()); }
    int line() const { return static_cast<int>(XML_GetCurrentLineNumber(m_parser)); }

    CXmlTree* m_tree;
    XML_Parser m_parser = nullptr;
    bool m_inText = false;
    std::uint32_t m_textBegin = 0;
    int m_textLine = 0;
    std::vector<SOpen> m_open;
    bool m_tooDeep = false;
    bool m_tooLarge = false;
};

std::unique_ptr<CXmlTree> CXmlTree::parse(const std::string& bytes, wxString* error)
{
    auto tree = std::make_unique<CXmlTree>();
    if (!CBuilder(tree.get()).parse(bytes, error))
        return nullptr;
    return tree;
}

wxString CXmlTree::toText(std::string_view utf8)
{
    for (const char c : utf8)
    {
        if (static_cast<unsigned char>(c) >= 0x80)
            return wxString::FromUTF8(utf8.data(), utf8.size());
    }
    thread_local std::wstring wide;
    wide.assign(utf8.begin(), utf8.end());
    return wxString(wide.data(), wide.size());
}

bool CXmlTree::CNode::isElement() const
{
    return m_tree != nullptr && node().m_nameLength > 0;
}

bool CXmlTree::CNode::is(std::string_view localName) const
{
    if (!isElement())
        return false;
    const std::string_view full = name();
    if (full.size() < localName.size())
        return false;
    const size_t prefixLength = full.size() - localName.size();
    return full.compare(prefixLength, localName.size(), localName) == 0 &&
           (prefixLength == 0 || full[prefixLength - 1] == ':');
}

std::string_view CXmlTree::CNode::name() const
{
    return isElement() ? m_tree->view(node().m_name, node().m_nameLength) : std::string_view();
}

std::string_view CXmlTree::CNode::localName() const
{
    const std::string_view full = name();
    const size_t colon = full.rfind(':');
    return colon == std::string_view::npos ? full : full.substr(colon + 1);
}

unsigned CXmlTree::CNode::line() const
{
    return m_tree ? node().m_line : 0;
}

std::string_view CXmlTree::CNode::text() const
{
    return isText() ? m_tree->view(node().m_begin, node().m_length) : std::string_view();
}

CXmlTree::CNode CXmlTree::CNode::firstChild() const
{
    return m_tree && node().m_firstChild != kNone ? CNode(m_tree, node().m_firstChild) : CNode();
}

CXmlTree::CNode CXmlTree::CNode::next() const
{
    return m_tree && node().m_next != kNone ? CNode(m_tree, node().m_next) : CNode();
}

CXmlTree::CNode CXmlTree::CNode::child(std::string_view localName) const
{
    for (CNode node = firstChild(); node; node = node.next())
    {
        if (node.is(localName))
            return node;
    }
    return CNode();
}

std::string CXmlTree::CNode::content() const
{
    std::string text;
    for (CNode part = firstChild(); part; part = part.next())
        text += part.text();
    return text;
}

std::string_view CXmlTree::CNode::attribute(std::string_view name) const
{
    if (!isElement())
        return std::string_view();
    const SNode& element = node();
    for (std::uint32_t at = element.m_begin; at < element.m_begin + element.m_length; ++at)
    {
        const SAttribute& attribute = m_tree->m_attributes[at];
        if (m_tree->view(attribute.m_name, attribute.m_nameLength) == name)
            return m_tree->view(attribute.m_begin, attribute.m_length);
    }
    return std::string_view();
}

bool CXmlTree::CNode::hasAttribute(std::string_view name) const
{
    if (!isElement())
        return false;
    const SNode& element = node();
    for (std::uint32_t at = element.m_begin; at < element.m_begin + element.m_length; ++at)
    {
        const SAttribute& attribute = m_tree->m_attributes[at];
        if (m_tree->view(attribute.m_name, attribute.m_nameLength) == name)
            return true;
    }
    return false;
}
