#pragma once

#include "external/data/EvalonDataExport.h"

#include <wx/string.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

/// An XML document parsed with expat's events into a compact tree that is
/// only read: nodes and attributes in two flat arrays, their names and texts
/// in one string, as the UTF-8 expat gives, so that reading ten thousand
/// small documents allocates a handful of blocks each instead of a toolkit
/// object and a wide string per node and attribute. Texts and CDATA sections
/// become one text node per run, white space between elements is kept,
/// comments and processing instructions are left out, and every node knows
/// its line. The encoding is the one the XML declaration names (UTF-8,
/// UTF-16, ISO-8859-1 or US-ASCII), UTF-8 by default.
class EVALON_DATA_EXPORT CXmlTree
{
    static constexpr std::uint32_t kNone = UINT32_MAX;
    /// One node in the array; a text node has no name. Names and texts are
    /// offsets and lengths in the tree's text.
    struct SNode
    {
        std::uint32_t m_name = 0;
        std::uint32_t m_nameLength = 0; ///< 0 for a text: XML has no empty names
        std::uint32_t m_firstChild = kNone;
        std::uint32_t m_next = kNone;
        std::uint32_t m_begin = 0;  ///< a text's offset, an element's first attribute
        std::uint32_t m_length = 0; ///< a text's length, an element's number of attributes
        std::uint32_t m_line = 0;
    };
    /// One attribute: where its name and value stand in the tree's text.
    struct SAttribute
    {
        std::uint32_t m_name;
        std::uint32_t m_nameLength;
        std::uint32_t m_begin;
        std::uint32_t m_length;
    };

public:
    /// A node of the tree, or none (false); valid while its tree lives.
    class CNode
    {
    public:
        CNode() = default;
        explicit operator bool() const { return m_tree != nullptr; }

        bool isElement() const;
        bool isText() const { return m_tree != nullptr && !isElement(); }
        /// An element called `localName` whatever its namespace prefix.
        bool is(std::string_view localName) const;
        /// The element's name as written, prefix included; empty for a text.
        std::string_view name() const;
        /// The element's name without a namespace prefix.
        std::string_view localName() const;
        /// The line the node starts on.
        unsigned line() const;
        /// The text of a text node; empty for an element.
        std::string_view text() const;

        CNode firstChild() const;
        CNode next() const;
        /// The first child element called `localName` (prefix ignored); none when there is none.
        CNode child(std::string_view localName) const;
        /// The texts directly inside the element, joined.
        std::string content() const;
        /// The value of attribute `name` (as written, prefix included); empty when it has none.
        std::string_view attribute(std::string_view name) const;
        /// Whether the element has attribute `name`.
        bool hasAttribute(std::string_view name) const;
        /// Calls `visit(name, value)` for each attribute, in the document's order.
        template <typename Visit>
        void forEachAttribute(Visit visit) const
        {
            if (!isElement())
                return;
            for (std::uint32_t at = node().m_begin; at < node().m_begin + node().m_length; ++at)
            {
                const SAttribute& attribute = m_tree->m_attributes[at];
                visit(m_tree->view(attribute.m_name, attribute.m_nameLength),
                      m_tree->view(attribute.m_begin, attribute.m_length));
            }
        }

    private:
        friend class CXmlTree;
        CNode(const CXmlTree* tree, std::uint32_t index) : m_tree(tree), m_index(index) {}
        const SNode& node() const { return m_tree->m_nodes[m_index]; }

        const CXmlTree* m_tree = nullptr;
        std::uint32_t m_index = 0;
    };

    /// The tree, or null with `error` naming the parser's complaint and its
    /// line ("'mismatched tag' at line 3") when `bytes` are not well-formed
    /// XML or nest elements more than a hundred deep.
    static std::unique_ptr<CXmlTree> parse(const std::string& bytes, wxString* error);

    /// The root element.
    CNode root() const { return CNode(this, 0); }

    /// UTF-8 as a wxString; ASCII, the common case, widened directly, which
    /// is several times faster than the toolkit's general conversion.
    static wxString toText(std::string_view utf8);

    /// How deep elements may nest: far beyond any file of ours or a question
    /// bank's XHTML, and shallow enough for readers that recurse (and for
    /// the toolkit's node tree, which frees its children recursively).
    static constexpr unsigned kMaxDepth = 100;

private:
    class CBuilder;

    std::string_view view(std::uint32_t begin, std::uint32_t length) const
    {
        return std::string_view(m_texts.data() + begin, length);
    }

    std::vector<SNode> m_nodes;
    std::vector<SAttribute> m_attributes;
    std::string m_texts; ///< names, texts and attribute values, one after another
};

