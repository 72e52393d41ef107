#include "external/data/XmlReader.h"

#include "external/data/XmlTree.h"

#include <wx/xml/xml.h>

#include <unordered_map>

namespace
{
// Makes the toolkit's nodes from the compact tree. wxXmlDocument::Load itself
// takes time quadratic in the size of a text (it copies the text gathered so
// far at every line end and character reference) and in the number of
// siblings and attributes (it walks each list to append to it), so a 1 MiB
// question text of short lines took minutes. Here each list is appended at
// its end, and each name converted once.
class CDocumentMaker
{
public:
    wxXmlNode* make(const CXmlTree::CNode& node)
    {
        if (node.isText())
            return new wxXmlNode(wxXML_TEXT_NODE, wxString(), CXmlTree::toText(node.text()),
                                 static_cast<int>(node.line()));
        const std::string_view name = node.name();
        auto* element = new wxXmlNode(wxXML_ELEMENT_NODE, converted(name), wxString(),
                                      static_cast<int>(node.line()));
        wxXmlAttribute* lastAttribute = nullptr;
        node.forEachAttribute(
            [&](std::string_view attributeName, std::string_view value)
            {
                auto* attribute = new wxXmlAttribute(converted(attributeName), CXmlTree::toText(value));
                if (lastAttribute == nullptr)
                    element->SetAttributes(attribute);
                else
                    lastAttribute->SetNext(attribute);
                lastAttribute = attribute;
            });
        wxXmlNode* lastChild = nullptr;
        for (CXmlTree::CNode part = node.firstChild(); part; part = part.next())
        {
            wxXmlNode* child = make(part);
            if (lastChild == nullptr)
                element->SetChildren(child);
            else
                lastChild->SetNext(child);
            child->SetParent(element);
            lastChild = child;
        }
        return element;
    }

private:
    // Names repeat throughout a document: each is converted once. The keys
    // view the tree's text, which outlives the maker.
    const wxString& converted(std::string_view name)
    {
        auto found = m_names.find(name);
        if (found == m_names.end())
            found = m_names.emplace(name, CXmlTree::toText(name)).first;
        return found->second;
    }

    std::unordered_map<std::string_view, wxString> m_names;
};

} // namespace

std::unique_ptr<wxXmlDocument> CXmlReader::parse(const std::string& bytes, wxString* error)
{
    const std::unique_ptr<CXmlTree> tree = CXmlTree::parse(bytes, error);
    if (!tree)
        return nullptr;
    auto document = std::make_unique<wxXmlDocument>();
    document->SetRoot(CDocumentMaker().make(tree->root()));
    return document;
}
