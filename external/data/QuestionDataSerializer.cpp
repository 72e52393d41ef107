#include "external/data/QuestionDataSerializer.h"

#include <wx/translation.h>
#include <wx/xml/xml.h>

#include <string>

namespace
{
// Category names in files, in eCategoryType order. Names rather than numbers
// keep a file readable and make a wrong value obvious.
const char* const kCategoryKeys[CQuestionData::kNumCategoryTypes] = {"trueFalse", "singleAnswer",
                                                                     "multipleAnswers"};

int categoryForKey(const wxString& key)
{
    for (unsigned category = 0; category < CQuestionData::kNumCategoryTypes; ++category)
    {
        if (key == kCategoryKeys[category])
        {
            return static_cast<int>(category);
        }
    }
    return -1;
}

// Written for every question of an import of thousands: each name is
// converted to a wxString once, and numbers without the printf machinery.
const wxString kQuestionRoot = "question";
const wxString kCategory = "category";
const wxString kNumAnswers = "numAnswers";
const wxString kText = "text";
const wxString kAnswer = "answer";
const wxString kCorrectAnswer = "correctAnswer";
const wxString kPinnedAnswer = "pinnedAnswer";
const wxString kIndex = "index";
const wxString kReference = "reference";

wxString number(long value)
{
    return wxString::FromAscii(std::to_string(value).c_str());
}

} // namespace

const long CQuestionDataSerializer::kFormatVersion;

CQuestionDataSerializer::CQuestionDataSerializer(CQuestionData* question, const wxString& path)
    : CXMLSerializer(path), m_question(question)
{
}

bool CQuestionDataSerializer::store()
{
    if (m_question == nullptr)
    {
        return fail(_("no question to write"));
    }
    std::unique_ptr<wxXmlDocument> document = newDocument(kQuestionRoot, kFormatVersion);
    wxXmlNode* root = document->GetRoot();
    root->AddAttribute(kCategory, wxString::FromAscii(kCategoryKeys[m_question->getCategoryType()]));
    root->AddAttribute(kNumAnswers, number(m_question->getNumAnswers()));

    addElement(root, kText, m_question->getQuestion());
    // Answers beyond the number in use are kept too: the author may raise the
    // number again and expects them back.
    for (unsigned index = 0; index < CQuestionData::kMaxAnswers; ++index)
    {
        const wxString answer = m_question->getAnswer(index);
        if (!answer.empty())
        {
            addElement(root, kAnswer, answer)->AddAttribute(kIndex, number(index));
        }
    }
    wxArrayInt correct;
    m_question->getCorrectAnswerIndexes(&correct);
    for (int index : correct)
    {
        addElement(root, kCorrectAnswer)->AddAttribute(kIndex, number(index));
    }
    for (unsigned index = 0; index < CQuestionData::kMaxAnswers; ++index)
    {
        if (m_question->isAnswerPinned(index))
            addElement(root, kPinnedAnswer)->AddAttribute(kIndex, number(static_cast<int>(index)));
    }
    addElement(root, kReference, m_question->getReferenceText());
    return writeDocument(*document);
}

bool CQuestionDataSerializer::load()
{
    if (m_question == nullptr)
    {
        return fail(_("no question to read into"));
    }
    std::unique_ptr<wxXmlDocument> document = readDocument("question", kFormatVersion);
    if (!document)
    {
        return false;
    }
    const wxXmlNode* root = document->GetRoot();
    CQuestionData question;

    wxString category;
    if (!readAttribute(root, "category", &category))
    {
        return false;
    }
    if (!question.setCategoryType(categoryForKey(category)))
    {
        return fail(wxString::Format(_("unknown category \"%s\""), category));
    }
    long numAnswers = 0;
    if (!readLong(root, "numAnswers", 0, CQuestionData::kMaxAnswers, &numAnswers))
    {
        return false;
    }
    question.setNumAnswers(static_cast<int>(numAnswers));

    const long lastIndex = CQuestionData::kMaxAnswers - 1;
    bool answerSeen[CQuestionData::kMaxAnswers] = {};
    wxArrayInt correct;
    for (const wxXmlNode* child = root->GetChildren(); child != nullptr; child = child->GetNext())
    {
        if (child->GetType() != wxXML_ELEMENT_NODE)
        {
            continue;
        }
        const wxString name = child->GetName();
        long index = 0;
        if (name == "text")
        {
            question.setQuestion(child->GetNodeContent());
        }
        else if (name == "reference")
        {
            question.setReferenceText(child->GetNodeContent());
        }
        else if (name == "answer")
        {
            if (!readLong(child, "index", 0, lastIndex, &index))
            {
                return false;
            }
            if (answerSeen[index])
            {
                return fail(wxString::Format(_("answer %ld is given twice"), index));
            }
            answerSeen[index] = true;
            question.setAnswer(static_cast<unsigned>(index), child->GetNodeContent());
        }
        else if (name == "correctAnswer")
        {
            if (!readLong(child, "index", 0, lastIndex, &index))
            {
                return false;
            }
            correct.Add(static_cast<int>(index));
        }
        else if (name == kPinnedAnswer)
        {
            if (!readLong(child, "index", 0, lastIndex, &index))
            {
                return false;
            }
            question.setAnswerPinned(static_cast<unsigned>(index), true);
        }
    }
    question.setCorrectAnswerIndexes(&correct);
    // The file a question was read from is where it is stored.
    question.setFileNameReference(getPath());
    *m_question = question;
    return true;
}
