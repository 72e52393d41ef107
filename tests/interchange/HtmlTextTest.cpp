// HTML reduced to the text of a question: structure kept as new lines,
// formatting and media dropped and named.

#include "tests/support/WxTest.h"

#include "interchange/BankItem.h"
#include "interchange/HtmlText.h"

TEST(HtmlText, ParagraphsAndBreaksBecomeLinesAndWhiteSpaceCollapses)
{
    CHtmlText html;
    EXPECT_EQ(html.reduce("<p>One</p>\n  <P>Two<br/>Three <br>\n Four</P>"), "One\nTwo\nThree\nFour");
    EXPECT_EQ(html.reduce("  a \n\t b  <br/><br/>c  "), "a b\n\nc");
    EXPECT_FALSE(html.lostSomething());
    EXPECT_EQ(html.reduce("<pre>  x\n  y</pre>"), "  x\n  y");
}

TEST(HtmlText, ReferencesDecodeAndLoneBracketsStayText)
{
    CHtmlText html;
    EXPECT_EQ(html.reduce("&lt;b&gt; &amp; &#233;&#x20AC;&nbsp;x &bogus; &#0; 2 < 3, a <= b"),
              wxString::FromUTF8("<b> & é€\u00A0x &bogus; &#0; 2 < 3, a <= b"));
    EXPECT_EQ(html.reduce("<!-- hidden --><!DOCTYPE html>shown"), "shown");
    EXPECT_FALSE(html.lostSomething());
    EXPECT_FALSE(CHtmlText::looksLikeHtml("2 < 3 and 4 > 1, R&D"));
    EXPECT_TRUE(CHtmlText::looksLikeHtml("R&amp;D"));
    EXPECT_TRUE(CHtmlText::looksLikeHtml("a <em>b</em>"));
}

TEST(HtmlText, FormattingAndMediaAreDroppedAndNamedOnce)
{
    CHtmlText html;
    EXPECT_EQ(html.reduce("<b>bold</b> <script>alert('x')</script><img src='a.png'>"
                          "<video src=\"v.mp4\"><p>fallback</p></video><span>end</span>"),
              "bold end");
    EXPECT_EQ(html.reduce("<i>again</i><b>bold</b><object data=\"o.swf\"><object>inner</object></object>"),
              "againbold");
    CBankItem item;
    html.addChangesTo(&item);
    ASSERT_EQ(item.m_changes.size(), 2u);
    EXPECT_EQ(item.m_changes[0], "HTML reduced to text (b, i, script dropped)");
    EXPECT_EQ(item.m_changes[1], "pictures and media dropped: a.png, v.mp4, o.swf");
}
