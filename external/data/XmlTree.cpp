#include "external/data/XmlTree.h"

#include <expat.h>

#include <cstring>
#include <unordered_map>

// Builds the tree from expat's events: a node is appended when its start tag
// is read, linked after its elder sibling through the list of open elements;
// a text is gathered whole and stored when the next tag comes.
class CXmlTree::CBuilder
{
public:
    explicit CBuilder(CXmlTree* tree) : m_tree(tree), m_parser(XML_ParserCreate(nullptr))
    {
        XML_SetUserData(m_parser, this);
        XML_SetElementHandler(m_parser, onStart, onEnd);
        XML_SetCharacterDataHandler(m_parser, onText);
    }
    ~CBuilder() { XML_ParserFree(m_parser); }
    CBuilder(const CBuilder&) = delete;
    CBuilder& operator=(const CBuilder&) = delete;

    bool parse(const std::string& bytes, wxString* error)
    {
        if (bytes.size() > kMaxBytes ||
            XML_Parse(m_parser, bytes.data(), static_cast<int>(bytes.size()), XML_TRUE) != XML_STATUS_OK)
        {
            wxString reason = wxString::FromUTF8(XML_ErrorString(XML_GetErrorCode(m_parser)));
            if (m_tooDeep)
                reason = wxString::Format("elements nested more than %u deep", kMaxDepth);
            else if (bytes.size() > kMaxBytes || m_tooLarge)
                reason = "more than 1 GiB of text";
            *error = wxString::Format("'%s' at line %lu", reason,
                                      static_cast<unsigned long>(XML_GetCurrentLineNumber(m_parser)));
            return false;
        }
        return true;
    }

private:
    // Offsets are 32 bits; files are refused long before (256 MiB), and
    // entities that expand to more are stopped here.
    static const size_t kMaxBytes = size_t(1) << 30;

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
        auto* builder = static_cast<CBuilder*>(self);
        if (builder->m_text.empty())
            builder->m_textLine = builder->line();
        builder->m_text.append(text, static_cast<size_t>(length));
        if (builder->m_text.size() > kMaxBytes)
        {
            builder->m_tooLarge = true;
            XML_StopParser(builder->m_parser, XML_FALSE);
        }
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
        if (m_tree->m_texts.size() > kMaxBytes)
        {
            m_tooLarge = true;
            XML_StopParser(m_parser, XML_FALSE);
            return;
        }
        SNode element;
        element.m_name = internedName(name);
        element.m_line = line();
        element.m_begin = static_cast<std::uint32_t>(m_tree->m_attributes.size());
        for (const XML_Char** attribute = attributes; *attribute != nullptr; attribute += 2)
        {
            const size_t length = std::strlen(attribute[1]);
            m_tree->m_attributes.push_back(SAttribute{internedName(attribute[0]), textOffset(),
                                                      static_cast<std::uint32_t>(length)});
            m_tree->m_texts.append(attribute[1], length);
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

    // The text gathered since the last tag, as one node of the open element.
    void flushText()
    {
        if (m_text.empty())
            return;
        if (!m_open.empty())
        {
            SNode text;
            text.m_begin = textOffset();
            text.m_length = static_cast<std::uint32_t>(m_text.size());
            text.m_line = static_cast<std::uint32_t>(m_textLine);
            m_tree->m_texts += m_text;
            append(text);
        }
        m_text.clear();
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

    // Element and attribute names repeat throughout a document: each is kept once.
    std::uint32_t internedName(const XML_Char* name)
    {
        const std::string_view key(name);
        auto found = m_names.find(key);
        if (found == m_names.end())
        {
            // The map's keys view the tree's copy: expat's text lives only while it is parsed.
            const std::string& kept = m_tree->m_names.emplace_back(key);
            found = m_names.emplace(kept, static_cast<std::uint32_t>(m_tree->m_names.size() - 1)).first;
        }
        return found->second;
    }

    int line() const { return static_cast<int>(XML_GetCurrentLineNumber(m_parser)); }

    CXmlTree* m_tree;
    XML_Parser m_parser;
    int m_textLine = 0;
    std::unordered_map<std::string_view, std::uint32_t> m_names;
    std::vector<SOpen> m_open;
    std::string m_text;
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
    return m_tree != nullptr && node().m_name != kNone;
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
    return isElement() ? std::string_view(m_tree->m_names[node().m_name]) : std::string_view();
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
    return isText() ? std::string_view(m_tree->m_texts).substr(node().m_begin, node().m_length)
                    : std::string_view();
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
        if (m_tree->m_names[attribute.m_name] == name)
            return std::string_view(m_tree->m_texts).substr(attribute.m_begin, attribute.m_length);
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
        if (m_tree->m_names[m_tree->m_attributes[at].m_name] == name)
            return true;
    }
    return false;
}
