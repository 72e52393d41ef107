#include "interchange/HtmlText.h"

#include "interchange/BankItem.h"

#include <wx/intl.h>

#include <algorithm>
#include <map>

namespace
{

const std::set<wxString> kBlocks = {
    "address", "article", "blockquote", "dd",    "div",   "dl",    "dt",     "figcaption", "figure", "footer",
    "h1",      "h2",      "h3",         "h4",    "h5",    "h6",    "header", "hr",         "li",     "ol",
    "p",       "pre",     "section",    "table", "tbody", "thead", "tfoot",  "tr",         "ul"};
// Elements that only structure the text: reducing them loses nothing.
const std::set<wxString> kNeutral = {"p", "div", "span", "br", "html", "body"};
// Pictures and media; those with content have it skipped too.
const std::set<wxString> kEmptyMedia = {"img", "embed", "source", "track"};
const std::set<wxString> kMediaWithContent = {"video",   "audio",  "object", "iframe", "svg",
                                              "picture", "canvas", "applet", "math"};
// Elements whose content is not text to show.
const std::set<wxString> kHidden = {"script", "style", "head", "title", "noscript", "template"};
// Names compared at every element, converted once rather than at each comparison.
const wxString kBreak = "br";
const wxString kPreformatted = "pre";
const wxString kCell = "td";
const wxString kHeaderCell = "th";
const wxString kObject = "object";

bool isSpace(wxUniChar c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool isNameStart(wxUniChar c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isNameChar(wxUniChar c)
{
    return isNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == ':' || c == '_' || c == '.';
}

wxString withoutPrefix(const wxString& name)
{
    return name.AfterLast(':').Lower();
}

// The character a reference such as "amp", "#233" or "#xE9" stands for; 0 when unknown.
wxUniChar entityCharacter(const wxString& name)
{
    static const std::map<wxString, unsigned> kNamed = {
        {"amp", '&'},      {"lt", '<'},       {"gt", '>'},       {"quot", '"'},     {"apos", '\''},
        {"nbsp", 0xA0},    {"copy", 0xA9},    {"reg", 0xAE},     {"trade", 0x2122}, {"hellip", 0x2026},
        {"mdash", 0x2014}, {"ndash", 0x2013}, {"lsquo", 0x2018}, {"rsquo", 0x2019}, {"ldquo", 0x201C},
        {"rdquo", 0x201D}, {"laquo", 0xAB},   {"raquo", 0xBB},   {"middot", 0xB7},  {"bull", 0x2022},
        {"deg", 0xB0},     {"plusmn", 0xB1},  {"times", 0xD7},   {"divide", 0xF7},  {"euro", 0x20AC},
        {"pound", 0xA3},   {"cent", 0xA2},    {"yen", 0xA5},     {"sect", 0xA7},    {"para", 0xB6},
        {"frac12", 0xBD},  {"frac14", 0xBC},  {"frac34", 0xBE},  {"sup2", 0xB2},    {"sup3", 0xB3},
        {"micro", 0xB5},   {"le", 0x2264},    {"ge", 0x2265},    {"ne", 0x2260},    {"minus", 0x2212},
        {"rarr", 0x2192},  {"larr", 0x2190},  {"pi", 0x3C0},     {"alpha", 0x3B1},  {"beta", 0x3B2}};
    if (name.StartsWith("#"))
    {
        unsigned long code = 0;
        const bool hex = name.length() > 1 && (name[1] == 'x' || name[1] == 'X');
        const wxString digits = name.Mid(hex ? 2 : 1);
        if (digits.empty() || !digits.ToULong(&code, hex ? 16 : 10) || code == 0 || code > 0x10FFFF ||
            (code >= 0xD800 && code <= 0xDFFF))
        {
            return wxUniChar(0u);
        }
        return wxUniChar(static_cast<wxUint32>(code));
    }
    const auto found = kNamed.find(name);
    return found == kNamed.end() ? wxUniChar(0u) : wxUniChar(found->second);
}

// Reads a character reference starting at text[at] == '&'. On success sets
// `character` and returns the index after the ';'; otherwise returns `at`.
size_t readEntity(const wxString& text, size_t at, wxUniChar* character)
{
    const size_t limit = std::min(text.length(), at + 12);
    for (size_t end = at + 1; end < limit; ++end)
    {
        if (text[end] == ';')
        {
            const wxUniChar found = entityCharacter(text.Mid(at + 1, end - at - 1));
            if (found == wxUniChar(0u))
            {
                return at;
            }
            *character = found;
            return end + 1;
        }
        if (!isNameChar(text[end]) && text[end] != '#')
        {
            return at;
        }
    }
    return at;
}

struct STag
{
    wxString m_name; // lower case, no prefix
    bool m_closing = false;
    bool m_selfClosing = false;
    wxString m_attributes;
};

// Reads a tag starting at text[at] == '<'. Returns the index after its '>',
// or `at` when what follows is not a tag (a lone '<' is text).
size_t readTag(const wxString& text, size_t at, STag* tag)
{
    size_t i = at + 1;
    if (i < text.length() && text[i] == '/')
    {
        tag->m_closing = true;
        ++i;
    }
    if (i >= text.length() || !isNameStart(text[i]))
    {
        return at;
    }
    const size_t nameStart = i;
    while (i < text.length() && isNameChar(text[i]))
    {
        ++i;
    }
    tag->m_name = withoutPrefix(text.Mid(nameStart, i - nameStart));
    const size_t attributesStart = i;
    wxUniChar quote = 0u;
    for (; i < text.length(); ++i)
    {
        const wxUniChar c = text[i];
        if (quote != 0u)
        {
            if (c == quote)
            {
                quote = 0u;
            }
        }
        else if (c == '"' || c == '\'')
        {
            quote = c;
        }
        else if (c == '>')
        {
            tag->m_attributes = text.Mid(attributesStart, i - attributesStart);
            tag->m_selfClosing = tag->m_attributes.EndsWith("/");
            return i + 1;
        }
    }
    return at;
}

// The value of attribute `name` in the attribute text of a tag.
wxString attributeValue(const wxString& attributes, const wxString& name)
{
    size_t i = 0;
    const size_t length = attributes.length();
    while (i < length)
    {
        while (i < length && !isNameStart(attributes[i]))
        {
            ++i;
        }
        const size_t start = i;
        while (i < length && isNameChar(attributes[i]))
        {
            ++i;
        }
        const wxString attribute = attributes.Mid(start, i - start).Lower();
        while (i < length && isSpace(attributes[i]))
        {
            ++i;
        }
        if (i >= length || attributes[i] != '=')
        {
            continue;
        }
        ++i;
        while (i < length && isSpace(attributes[i]))
        {
            ++i;
        }
        wxString value;
        if (i < length && (attributes[i] == '"' || attributes[i] == '\''))
        {
            const wxUniChar quote = attributes[i];
            const size_t end = attributes.find(quote, i + 1);
            value = attributes.Mid(i + 1, end == wxString::npos ? wxString::npos : end - i - 1);
            i = end == wxString::npos ? length : end + 1;
        }
        else
        {
            const size_t valueStart = i;
            while (i < length && !isSpace(attributes[i]))
            {
                ++i;
            }
            value = attributes.Mid(valueStart, i - valueStart);
        }
        if (attribute == name)
        {
            return value;
        }
    }
    return wxString();
}

} // namespace

CHtmlText::CHtmlText(const std::set<wxString>& extraBlocks) : m_extraBlocks(extraBlocks)
{
}

bool CHtmlText::isBlock(const wxString& name) const
{
    return kBlocks.count(name) > 0 || m_extraBlocks.count(name) > 0;
}

void CHtmlText::beginText()
{
    m_text.clear();
    m_pendingSpace = false;
    m_pendingBlock = false;
    m_pendingBreaks = 0;
    m_preDepth = 0;
}

wxString CHtmlText::endText()
{
    // White space and breaks at the end are dropped, as at the start.
    return m_text;
}

void CHtmlText::flushPending()
{
    if (!m_text.empty())
    {
        const unsigned breaks = std::max(m_pendingBreaks, m_pendingBlock ? 1u : 0u);
        if (breaks > 0)
        {
            m_text.append(breaks, '\n');
        }
        else if (m_pendingSpace)
        {
            m_text += ' ';
        }
    }
    m_pendingSpace = false;
    m_pendingBlock = false;
    m_pendingBreaks = 0;
}

void CHtmlText::addCharacters(const wxString& text)
{
    for (wxUniChar c : text)
    {
        if (m_preDepth > 0 && (c == '\n' || c == '\r'))
        {
            m_pendingBreaks += c == '\n' ? 1 : 0;
            continue;
        }
        if (m_preDepth == 0 && isSpace(c))
        {
            m_pendingSpace = true;
            continue;
        }
        flushPending();
        m_text += c;
    }
}

bool CHtmlText::openElement(const wxString& name, const wxString& source)
{
    if (kEmptyMedia.count(name) > 0 || kMediaWithContent.count(name) > 0)
    {
        m_droppedMedia.Add(source.empty() ? "<" + name + ">" : source);
        m_pendingSpace = true;
        return true;
    }
    if (kHidden.count(name) > 0)
    {
        m_droppedTags.insert(name);
        return true;
    }
    if (name == kBreak)
    {
        ++m_pendingBreaks;
        return true;
    }
    if (name == kPreformatted)
    {
        ++m_preDepth;
    }
    if (isBlock(name))
    {
        m_pendingBlock = true;
    }
    else if (name == kCell || name == kHeaderCell)
    {
        m_pendingSpace = true;
    }
    if (kNeutral.count(name) == 0 && m_extraBlocks.count(name) == 0)
    {
        m_droppedTags.insert(name);
    }
    return false;
}

void CHtmlText::closeElement(const wxString& name)
{
    if (name == kPreformatted && m_preDepth > 0)
    {
        --m_preDepth;
    }
    if (isBlock(name))
    {
        m_pendingBlock = true;
    }
    else if (name == kCell || name == kHeaderCell)
    {
        m_pendingSpace = true;
    }
}

wxString CHtmlText::reduce(const wxString& html)
{
    beginText();
    wxString run;
    // While skipping the content of a media or script element: its name and depth.
    wxString skipping;
    unsigned skipDepth = 0;
    const size_t length = html.length();
    size_t i = 0;
    while (i < length)
    {
        const wxUniChar c = html[i];
        if (c == '<' && html.compare(i, 4, "<!--") == 0)
        {
            const size_t end = html.find("-->", i + 4);
            i = end == wxString::npos ? length : end + 3;
            continue;
        }
        if (c == '<' && i + 1 < length && (html[i + 1] == '!' || html[i + 1] == '?'))
        {
            const size_t end = html.find('>', i);
            i = end == wxString::npos ? length : end + 1;
            continue;
        }
        STag tag;
        const size_t afterTag = c == '<' ? readTag(html, i, &tag) : i;
        if (afterTag != i)
        {
            i = afterTag;
            if (skipDepth > 0)
            {
                if (tag.m_name == skipping && tag.m_closing)
                {
                    --skipDepth;
                }
                else if (tag.m_name == skipping && !tag.m_selfClosing)
                {
                    ++skipDepth;
                }
                continue;
            }
            addCharacters(run);
            run.clear();
            if (tag.m_closing)
            {
                closeElement(tag.m_name);
            }
            else
            {
                const wxString source =
                    attributeValue(tag.m_attributes, tag.m_name == "object" ? "data" : "src");
                const bool skipContent = openElement(tag.m_name, source);
                if (tag.m_selfClosing || tag.m_name == "br" || kEmptyMedia.count(tag.m_name) > 0)
                {
                    closeElement(tag.m_name);
                }
                else if (skipContent)
                {
                    skipping = tag.m_name;
                    skipDepth = 1;
                }
            }
            continue;
        }
        if (skipDepth > 0)
        {
            ++i;
            continue;
        }
        wxUniChar character = c;
        const size_t afterEntity = c == '&' ? readEntity(html, i, &character) : i;
        i = afterEntity != i ? afterEntity : i + 1;
        run += character;
    }
    addCharacters(run);
    return endText();
}

void CHtmlText::walk(const CXmlTree::CNode& parent, const std::function<bool(const CXmlTree::CNode&)>& skip)
{
    for (CXmlTree::CNode node = parent.firstChild(); node; node = node.next())
    {
        if (node.isText())
        {
            addCharacters(CXmlTree::toText(node.text()));
            continue;
        }
        if (skip && skip(node))
        {
            continue;
        }
        const wxString name = CXmlTree::toText(node.localName()).Lower();
        const wxString source = CXmlTree::toText(node.attribute(name == kObject ? "data" : "src"));
        if (!openElement(name, source))
        {
            walk(node, skip);
        }
        closeElement(name);
    }
}

wxString CHtmlText::reduceChildren(const CXmlTree::CNode& parent,
                                   const std::function<bool(const CXmlTree::CNode&)>& skip)
{
    beginText();
    walk(parent, skip);
    return endText();
}

void CHtmlText::addChangesTo(CBankItem* item) const
{
    if (!m_droppedTags.empty())
    {
        wxString tags;
        for (const wxString& tag : m_droppedTags)
        {
            tags += (tags.empty() ? "" : ", ") + tag;
        }
        item->addChange(wxString::Format(_("HTML reduced to text (%s dropped)"), tags));
    }
    if (!m_droppedMedia.empty())
    {
        // A file embedded in the bank ("mars.jpg") is named once, by the
        // reference to it in the text ("@@PLUGINFILE@@/mars.jpg").
        wxString media;
        for (const wxString& source : m_droppedMedia)
        {
            const bool referenced =
                std::any_of(m_droppedMedia.begin(), m_droppedMedia.end(),
                            [&](const wxString& other) { return other.EndsWith("/" + source); });
            if (!referenced && !(", " + media + ",").Contains(", " + source + ","))
            {
                media += (media.empty() ? "" : ", ") + source;
            }
        }
        item->addChange(wxString::Format(_("pictures and media dropped: %s"), media));
    }
}

bool CHtmlText::looksLikeHtml(const wxString& text)
{
    for (size_t i = text.find_first_of("<&"); i != wxString::npos; i = text.find_first_of("<&", i + 1))
    {
        STag tag;
        wxUniChar character;
        if ((text[i] == '<' && readTag(text, i, &tag) != i) ||
            (text[i] == '&' && readEntity(text, i, &character) != i))
        {
            return true;
        }
    }
    return false;
}
