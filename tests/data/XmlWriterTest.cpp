// The fast XML writer against the toolkit's own: the same bytes for every
// kind of node, escape and indentation our files and exports use (elements,
// attributes and text; none of them writes CDATA, comments or instructions).

#include "tests/support/WxTest.h"

#include "external/data/XmlReader.h"
#include "external/data/XmlWriter.h"

#include <wx/mstream.h>
#include <wx/xml/xml.h>

#include <functional>
#include <memory>

namespace
{
std::string savedByToolkit(const wxXmlDocument& document, int indentStep)
{
    wxMemoryOutputStream stream;
    document.Save(stream, indentStep);
    std::string bytes(stream.GetLength(), '\0');
    stream.CopyTo(bytes.data(), bytes.size());
    return bytes;
}

wxXmlNode* add(wxXmlNode* parent, wxXmlNodeType type, const wxString& name, const wxString& content = "")
{
    auto* node = new wxXmlNode(type, name, content);
    parent->AddChild(node);
    return node;
}

wxXmlNode* element(wxXmlNode* parent, const wxString& name)
{
    return add(parent, wxXML_ELEMENT_NODE, name);
}
void text(wxXmlNode* parent, const wxString& content)
{
    add(parent, wxXML_TEXT_NODE, wxString(), content);
}

const wxString kAwkward = wxString::FromUTF8("a<b>&c \"q\" 'a'\ttab\nline\r\nend é – 日本 😀");

struct SDocumentCase
{
    const char* m_name;
    std::function<void(wxXmlNode* root)> m_fill;
};

const SDocumentCase kDocuments[] = {
    {"AttributesWithEveryEscape", [](wxXmlNode* root) { root->AddAttribute("value", kAwkward); }},
    {"TextWithEveryEscape", [](wxXmlNode* root) { text(element(root, "text"), kAwkward); }},
    {"NestedAndEmptyElements",
     [](wxXmlNode* root)
     {
         wxXmlNode* outer = element(root, "outer");
         element(element(outer, "inner"), "innermost")->AddAttribute("index", "3");
         element(outer, "empty");
     }},
    {"MixedContent",
     [](wxXmlNode* root)
     {
         wxXmlNode* paragraph = element(root, "p");
         text(paragraph, "one ");
         text(element(paragraph, "b"), "two");
         text(paragraph, " three");
         element(paragraph, "br");
         text(root, "\n  between  \n");
         element(root, "after");
     }},
};

using XmlWriterTest = ::testing::TestWithParam<SDocumentCase>;

TEST_P(XmlWriterTest, WritesWhatTheToolkitWrites)
{
    wxXmlDocument document;
    document.SetFileEncoding("UTF-8");
    auto* root = new wxXmlNode(wxXML_ELEMENT_NODE, "root");
    root->AddAttribute("version", "1");
    document.SetRoot(root);
    GetParam().m_fill(root);
    for (int indentStep : {-1, 0, 2, 4})
        EXPECT_EQ(CXmlWriter::write(document, indentStep), savedByToolkit(document, indentStep))
            << indentStep;
}

INSTANTIATE_TEST_SUITE_P(Documents, XmlWriterTest, ::testing::ValuesIn(kDocuments),
                         [](const auto& info) { return std::string(info.param.m_name); });

// Where the toolkit stops writing at a character UTF-8 cannot hold, leaving
// half a document, the writer leaves the character out.
TEST(XmlWriter, LeavesOutWhatUtf8CannotHoldAndStaysWellFormed)
{
    if (sizeof(wchar_t) != 4)
        GTEST_SKIP() << "a lone surrogate cannot be told from half a pair here";
    wxXmlDocument document;
    document.SetFileEncoding("UTF-8");
    document.SetRoot(new wxXmlNode(wxXML_ELEMENT_NODE, "root"));
    wxString broken = "before";
    broken += wxUniChar(0xD800u);
    broken += "after";
    text(document.GetRoot(), broken);
    wxString error;
    std::unique_ptr<wxXmlDocument> read = CXmlReader::parse(CXmlWriter::write(document, 2), &error);
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(read->GetRoot()->GetNodeContent(), "beforeafter");
}
} // namespace
