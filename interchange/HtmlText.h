#pragma once

#include "interchange/EvalonInterchangeExport.h"

#include "external/data/XmlTree.h"

#include <wx/arrstr.h>
#include <wx/string.h>

#include <functional>
#include <set>

class CBankItem;

/// Reduces HTML to the plain text our questions hold: tags removed, character
/// references decoded, white space collapsed as a browser would, paragraphs,
/// list items and line breaks kept as new lines. Pictures and other media are
/// dropped. One object serves all texts of one question and remembers what
/// they lost, so the question's report names it once.
class EVALON_INTERCHANGE_EXPORT CHtmlText
{
public:
    /// `extraBlocks`: element names of the surrounding format that behave as
    /// paragraphs and carry no formatting (QTI's prompt, choices...).
    explicit CHtmlText(const std::set<wxString>& extraBlocks = std::set<wxString>());

    /// An HTML fragment given as text (Moodle XML, GIFT).
    wxString reduce(const wxString& html);
    /// The content of an element of an XML document that holds XHTML (QTI).
    /// Children for which `skip` returns true are left out with all they hold.
    wxString reduceChildren(const CXmlTree::CNode& parent,
                            const std::function<bool(const CXmlTree::CNode&)>& skip = nullptr);

    /// Notes a picture or media file the bank holds beside the text (Moodle
    /// XML's embedded files), dropped as well.
    void addDroppedMedia(const wxString& name) { m_droppedMedia.Add(name); }
    /// Whether any formatting, picture or media was dropped so far.
    bool lostSomething() const { return !m_droppedTags.empty() || !m_droppedMedia.empty(); }
    /// Adds to `item` one change per kind of loss: formatting, pictures and media.
    void addChangesTo(CBankItem* item) const;

    /// Whether a text of a format that allows HTML uses it (a tag or a
    /// character reference).
    static bool looksLikeHtml(const wxString& text);

private:
    void beginText();
    wxString endText();
    void addCharacters(const wxString& text);
    void flushPending();
    /// Returns whether the element's content is to be skipped (media, scripts).
    bool openElement(const wxString& name, const wxString& source);
    void closeElement(const wxString& name);
    void walk(const CXmlTree::CNode& parent, const std::function<bool(const CXmlTree::CNode&)>& skip);
    bool isBlock(const wxString& name) const;

    std::set<wxString> m_extraBlocks;
    wxString m_text;
    bool m_pendingSpace = false;
    bool m_pendingBlock = false;
    unsigned m_pendingBreaks = 0;
    unsigned m_preDepth = 0;

    std::set<wxString> m_droppedTags;
    wxArrayString m_droppedMedia;
};
