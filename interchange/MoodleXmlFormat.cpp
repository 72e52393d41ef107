#include "interchange/MoodleXmlFormat.h"

#include "interchange/HtmlText.h"
#include "interchange/ImportReport.h"
#include "interchange/ItemMapper.h"
#include "interchange/XmlInput.h"

#include <wx/xml/xml.h>

namespace
{

const wxString kPlainText = "plain_text";

// Reads the texts of one question according to their format attribute.
class CMoodleTexts
{
public:
    explicit CMoodleTexts(CBankItem* item) : m_item(item) {}
    ~CMoodleTexts() { m_html.addChangesTo(m_item); }
    CMoodleTexts(const CMoodleTexts&) = delete;
    CMoodleTexts& operator=(const CMoodleTexts&) = delete;

    // The <text> of `node` (questiontext, answer, generalfeedback...).
    wxString text(const wxXmlNode* node)
    {
        if (node == nullptr)
        {
            return wxString();
        }
        for (const wxXmlNode* file = node->GetChildren(); file != nullptr; file = file->GetNext())
        {
            if (file->GetType() == wxXML_ELEMENT_NODE && CXmlInput::localName(file) == "file")
            {
                m_html.addDroppedMedia(file->GetAttribute("name", "<file>"));
            }
        }
        const wxString text = CXmlInput::content(CXmlInput::child(node, "text"));
        const wxString format = node->GetAttribute("format", "moodle_auto_format");
        if (format == kPlainText || format == "markdown")
        {
            return text;
        }
        if (format == "html" || CHtmlText::looksLikeHtml(text))
        {
            return m_html.reduce(text);
        }
        return wxString(text).Trim(true).Trim(false);
    }

private:
    CBankItem* m_item;
    CHtmlText m_html;
};

bool isEmptyText(const wxXmlNode* node)
{
    return wxString(CXmlInput::content(CXmlInput::child(node, "text"))).Trim(true).Trim(false).empty();
}

void readAnswers(const wxXmlNode* question, CMoodleTexts& texts, CBankItem* item)
{
    for (const wxXmlNode* node = question->GetChildren(); node != nullptr; node = node->GetNext())
    {
        if (node->GetType() != wxXML_ELEMENT_NODE || CXmlInput::localName(node) != "answer")
        {
            continue;
        }
        double weight = 0;
        const wxString fraction = node->GetAttribute("fraction", "0");
        if (!CItemMapper::parseWeight(fraction, &weight))
        {
            item->m_refusal = wxString::Format("answer %s: fraction \"%s\" is not a number",
                                               CItemMapper::letter(item->m_answers.size()), fraction);
            return;
        }
        item->addAnswer(texts.text(node), weight);
        if (!isEmptyText(CXmlInput::child(node, "feedback")))
        {
            item->addChange("answer feedback dropped");
        }
    }
}

// Feedback and hints our questions have no place for.
void noteDroppedFeedback(const wxXmlNode* question, CBankItem* item)
{
    for (const char* name : {"correctfeedback", "partiallycorrectfeedback", "incorrectfeedback"})
    {
        if (!isEmptyText(CXmlInput::child(question, name)))
        {
            item->addChange("feedback for right, partly right and wrong responses dropped");
        }
    }
    for (const wxXmlNode* node = question->GetChildren(); node != nullptr; node = node->GetNext())
    {
        if (node->GetType() == wxXML_ELEMENT_NODE && CXmlInput::localName(node) == "hint" &&
            !isEmptyText(node))
        {
            item->addChange("hints dropped");
        }
    }
}

void readQuestion(const wxXmlNode* question, const wxString& type, CBankItem* item)
{
    CMoodleTexts texts(item);
    item->m_text = texts.text(CXmlInput::child(question, "questiontext"));
    if (item->m_source.m_title.empty())
    {
        item->m_source.m_title = CItemSource::titleFromText(item->m_text);
    }
    if (type != "multichoice" && type != "truefalse")
    {
        item->m_refusal = type.empty() ? wxString("the question has no type")
                                       : "a question of type \"" + type + "\", not multiple choice";
        return;
    }
    item->m_feedback = texts.text(CXmlInput::child(question, "generalfeedback"));
    const wxString single =
        CXmlInput::content(CXmlInput::child(question, "single")).Trim(true).Trim(false).Lower();
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
    std::unique_ptr<wxXmlDocument> document = CXmlInput::parseBank(bytes, file, report);
    if (!document)
    {
        return;
    }
    const wxXmlNode* quiz = document->GetRoot();
    if (CXmlInput::localName(quiz) != "quiz")
    {
        report->add(CImportReport::eRefused, CItemSource(file, static_cast<unsigned>(quiz->GetLineNumber())),
                    "not a Moodle XML file: the root element is <" + quiz->GetName() + ">, expected <quiz>");
        return;
    }
    for (const wxXmlNode* node = quiz->GetChildren(); node != nullptr; node = node->GetNext())
    {
        if (node->GetType() != wxXML_ELEMENT_NODE || CXmlInput::localName(node) != "question")
        {
            continue;
        }
        const wxString type = node->GetAttribute("type");
        const unsigned line = static_cast<unsigned>(node->GetLineNumber());
        if (type == "category")
        {
            const wxString path =
                CXmlInput::content(CXmlInput::child(CXmlInput::child(node, "category"), "text"));
            report->add(CImportReport::eNotice, CItemSource(file, line), "bank category not kept: " + path);
            continue;
        }
        items->emplace_back();
        CBankItem* item = &items->back();
        const wxString name = CXmlInput::content(CXmlInput::child(CXmlInput::child(node, "name"), "text"));
        item->m_source = CItemSource(file, line, wxString(), wxString(name).Trim(true).Trim(false));
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
