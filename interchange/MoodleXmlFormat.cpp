#include "interchange/MoodleXmlFormat.h"

#include "interchange/HtmlText.h"
#include "interchange/ImportReport.h"
#include "interchange/ItemMapper.h"
#include "interchange/XmlInput.h"

#include <wx/intl.h>
#include <wx/xml/xml.h>

namespace
{

const wxString kPlainText = "plain_text";

using CNode = CXmlTree::CNode;

// Reads the texts of one question according to their format attribute.
class CMoodleTexts
{
public:
    explicit CMoodleTexts(CBankItem* item) : m_item(item) {}
    ~CMoodleTexts() { m_html.addChangesTo(m_item); }
    CMoodleTexts(const CMoodleTexts&) = delete;
    CMoodleTexts& operator=(const CMoodleTexts&) = delete;

    // The <text> of `node` (questiontext, answer, generalfeedback...).
    wxString text(const CNode& node)
    {
        if (!node)
        {
            return wxString();
        }
        for (CNode file = node.firstChild(); file; file = file.next())
        {
            if (file.isElement() && file.localName() == "file")
            {
                m_html.addDroppedMedia(file.hasAttribute("name") ? CXmlTree::toText(file.attribute("name"))
                                                                 : wxString("<file>"));
            }
        }
        const std::string content = node.child("text").content();
        const std::string_view format =
            node.hasAttribute("format") ? node.attribute("format") : std::string_view("moodle_auto_format");
        if (format == "plain_text" || format == "markdown")
        {
            return CXmlTree::toText(content);
        }
        const wxString text = CXmlTree::toText(content);
        if (format == "html" || CHtmlText::looksLikeHtml(text))
        {
            return m_html.reduce(text);
        }
        return CXmlTree::toText(CXmlInput::trimmed(content));
    }

private:
    CBankItem* m_item;
    CHtmlText m_html;
};

bool isEmptyText(const CNode& node)
{
    return CXmlInput::trimmed(node.child("text").content()).empty();
}

void readAnswers(const CNode& question, CMoodleTexts& texts, CBankItem* item)
{
    for (CNode node = question.firstChild(); node; node = node.next())
    {
        if (!node.isElement() || node.localName() != "answer")
        {
            continue;
        }
        double weight = 0;
        const wxString fraction =
            node.hasAttribute("fraction") ? CXmlTree::toText(node.attribute("fraction")) : wxString("0");
        if (!CItemMapper::parseWeight(fraction, &weight))
        {
            item->m_refusal = wxString::Format(_("answer %s: fraction \"%s\" is not a number"),
                                               CItemMapper::letter(item->m_answers.size()), fraction);
            return;
        }
        item->addAnswer(texts.text(node), weight);
        if (!isEmptyText(node.child("feedback")))
        {
            item->addChange(_("answer feedback dropped"));
        }
    }
}

// Feedback and hints our questions have no place for.
void noteDroppedFeedback(const CNode& question, CBankItem* item)
{
    for (const char* name : {"correctfeedback", "partiallycorrectfeedback", "incorrectfeedback"})
    {
        if (!isEmptyText(question.child(name)))
        {
            item->addChange(_("feedback for right, partly right and wrong responses dropped"));
        }
    }
    for (CNode node = question.firstChild(); node; node = node.next())
    {
        if (node.isElement() && node.localName() == "hint" && !isEmptyText(node))
        {
            item->addChange(_("hints dropped"));
        }
    }
}

void readQuestion(const CNode& question, const wxString& type, CBankItem* item)
{
    CMoodleTexts texts(item);
    item->m_text = texts.text(question.child("questiontext"));
    if (item->m_source.m_title.empty())
    {
        item->m_source.m_title = CItemSource::titleFromText(item->m_text);
    }
    if (type != "multichoice" && type != "truefalse")
    {
        item->m_refusal = type.empty()
                              ? _("the question has no type")
                              : wxString::Format(_("a question of type \"%s\", not multiple choice"), type);
        return;
    }
    item->m_feedback = texts.text(question.child("generalfeedback"));
    const wxString single = CXmlInput::trimmedContent(question.child("single")).Lower();
    item->m_cardinality = type == "multichoice" && (single == "false" || single == "0") ? CBankItem::eMultiple
                                                                                        : CBankItem::eSingle;
    readAnswers(question, texts, item);
    noteDroppedFeedback(question, item);
}

wxXmlNode* addText(wxXmlNode* parent, const wxString& element, const wxString& text)
{
    wxXmlNode* node = CXmlInput::addElement(parent, element);
    node->AddAttribute("format", kPlainText);
    CXmlInput::addElement(node, "text", text);
    return node;
}

// Appends the question after `last` and returns its node.
wxXmlNode* writeQuestion(wxXmlNode* quiz, wxXmlNode* last, const CExportItem& item)
{
    const CQuestionData& question = *item.m_question;
    const bool trueFalse = CItemMapper::isTrueFalse(question);
    wxXmlNode* node = CXmlInput::addElementAfter(quiz, last, "question");
    node->AddAttribute("type", trueFalse ? "truefalse" : "multichoice");
    CXmlInput::addElement(CXmlInput::addElement(node, "name"), "text", item.m_title);
    addText(node, "questiontext", question.getQuestion());
    addText(node, "generalfeedback", question.getReferenceText());
    CXmlInput::addElement(node, "defaultgrade", "1");
    CXmlInput::addElement(node, "hidden", "0");
    if (!trueFalse)
    {
        const bool single = question.getCategoryType() != CQuestionData::eMultipleAnswers;
        CXmlInput::addElement(node, "single", single ? "true" : "false");
        CXmlInput::addElement(node, "shuffleanswers", "false");
        CXmlInput::addElement(node, "answernumbering", "ABCD");
    }
    for (unsigned index = 0; index < question.getNumAnswers(); ++index)
    {
        wxXmlNode* answer = addText(
            node, "answer", trueFalse ? question.getAnswer(index).Lower() : question.getAnswer(index));
        answer->AddAttribute("fraction", CItemMapper::weightText(CItemMapper::exportWeight(question, index)));
    }
    return node;
}

} // namespace

void CMoodleXmlFormat::read(const std::string& bytes, const wxString& file, std::vector<CBankItem>* items,
                            CImportReport* report)
{
    std::unique_ptr<CXmlTree> document = CXmlInput::parseBank(bytes, file, report);
    if (!document)
    {
        return;
    }
    const CNode quiz = document->root();
    if (quiz.localName() != "quiz")
    {
        report->add(CImportReport::eRefused, CItemSource(file, quiz.line()),
                    wxString::Format(_("not a Moodle XML file: the root element is <%s>, expected <quiz>"),
                                     CXmlTree::toText(quiz.name())));
        return;
    }
    for (CNode node = quiz.firstChild(); node; node = node.next())
    {
        if (!node.isElement() || node.localName() != "question")
        {
            continue;
        }
        const wxString type = CXmlTree::toText(node.attribute("type"));
        const unsigned line = node.line();
        if (type == "category")
        {
            const wxString path = CXmlTree::toText(node.child("category").child("text").content());
            report->add(CImportReport::eNotice, CItemSource(file, line),
                        wxString::Format(_("bank category not kept: %s"), path));
            continue;
        }
        items->emplace_back();
        CBankItem* item = &items->back();
        item->m_source =
            CItemSource(file, line, wxString(), CXmlInput::trimmedContent(node.child("name").child("text")));
        readQuestion(node, type, item);
    }
}

std::string CMoodleXmlFormat::write(const std::vector<CExportItem>& items)
{
    wxXmlDocument document;
    document.SetFileEncoding("UTF-8");
    auto* quiz = new wxXmlNode(wxXML_ELEMENT_NODE, "quiz");
    document.SetRoot(quiz);
    wxXmlNode* last = nullptr;
    for (const CExportItem& item : items)
    {
        last = writeQuestion(quiz, last, item);
    }
    return CXmlInput::serialize(document);
}
