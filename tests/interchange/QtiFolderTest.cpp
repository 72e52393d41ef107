// Which files of a folder are a QTI bank's items, and in what order.

#include "tests/support/WxTest.h"

#include "interchange/QtiFormat.h"

#include <unistd.h>

#include <algorithm>

namespace
{
class QtiFolderTest : public evtest::CTempDirTest
{
protected:
    // The item files found, relative to the bank's folder.
    std::vector<wxString> found(const wxString& folder) const
    {
        std::vector<wxString> names;
        for (const wxString& file : CQtiFormat::itemFiles(path(folder)))
            names.push_back(file.Mid(path(folder).length() + 1));
        return names;
    }
};

TEST_F(QtiFolderTest, FindsTheXmlFilesBelowTheFolderHiddenAndLinkedOnesIncluded)
{
    for (const char* name :
         {"bank/item10.xml", "bank/item9.xml", "bank/.hidden.xml", "bank/notes.txt", "bank/UPPER.XML",
          "bank/part/item2.xml", "bank/part/deeper/item1.xml", "elsewhere/linked.xml"})
        writeFile(name, "<x/>");
    ASSERT_EQ(symlink(path("elsewhere").fn_str(), path("bank/shortcut").fn_str()), 0);
    ASSERT_EQ(symlink(path("bank").fn_str(), path("bank/part/loop").fn_str()), 0); // never ends
    ASSERT_EQ(symlink(path("missing").fn_str(), path("bank/dangling.xml").fn_str()), 0);

    const std::vector<wxString> names = found("bank");
    // Natural order; the loop's files are found again below it, to a depth
    // no real bank has, and the dangling link is listed (its read is refused).
    ASSERT_GE(names.size(), 7u);
    EXPECT_EQ(std::vector<wxString>(names.begin(), names.begin() + 4),
              (std::vector<wxString>{".hidden.xml", "dangling.xml", "item9.xml", "item10.xml"}));
    EXPECT_NE(std::find(names.begin(), names.end(), "part/deeper/item1.xml"), names.end());
    EXPECT_NE(std::find(names.begin(), names.end(), "shortcut/linked.xml"), names.end());
    EXPECT_EQ(std::find(names.begin(), names.end(), "notes.txt"), names.end());
    EXPECT_EQ(std::find(names.begin(), names.end(), "UPPER.XML"), names.end());
}

TEST_F(QtiFolderTest, TakesTheManifestsOrderFirst)
{
    for (const char* name : {"bank/a.xml", "bank/b.xml", "bank/c/d.xml"})
        writeFile(name, "<x/>");
    writeFile("bank/imsmanifest.xml", "<manifest><resources>"
                                      "<resource type=\"imsqti_item_xmlv2p1\" href=\"./c/d.xml\"/>"
                                      "<resource type=\"imsqti_item_xmlv2p1\" href=\"b.xml\"/>"
                                      "<resource type=\"webcontent\" href=\"a.xml\"/>"
                                      "</resources></manifest>");
    EXPECT_EQ(found("bank"), (std::vector<wxString>{"c/d.xml", "b.xml"}));
}
} // namespace
