#include "external/data/AssessmentSerializer.h"

#include "external/data/AssessmentMgr.h"
#include "external/data/QuestionDataSerializer.h"

#include <wx/translation.h>
#include <wx/xml/xml.h>

#include <climits>
#include <map>
#include <set>
#include <vector>

namespace
{
wxString flagText(bool value)
{
    return value ? "true" : "false";
}

wxString colourText(const wxColour& colour)
{
    return colour.IsOk() ? colour.GetAsString(wxC2S_HTML_SYNTAX) : wxString();
}

void addFont(wxXmlNode* parent, const CEVFontInfo& font)
{
    wxXmlNode* node = new wxXmlNode(wxXML_ELEMENT_NODE, "font");
    node->AddAttribute("face", font.getFontFaceName());
    node->AddAttribute("size", wxString::Format("%u", unsigned(font.getFontSize())));
    node->AddAttribute("bold", flagText(font.isBold()));
    node->AddAttribute("italic", flagText(font.isItalic()));
    node->AddAttribute("underlined", flagText(font.isUnderlined()));
    node->AddAttribute("colour", colourText(font.getFontColour()));
    parent->AddChild(node);
}

void addDelivery(wxXmlNode* parent, const CDeliveryOptions& delivery)
{
    wxXmlNode* node = new wxXmlNode(wxXML_ELEMENT_NODE, "delivery");
    node->AddAttribute("shuffleQuestions", flagText(delivery.getShuffleQuestions()));
    node->AddAttribute("shuffleAnswers", flagText(delivery.getShuffleAnswers()));
    if (delivery.getTimeLimitMinutes() != 0)
        node->AddAttribute("timeLimitMinutes", wxString::Format("%u", delivery.getTimeLimitMinutes()));
    if (delivery.getAttemptsAllowed() != 0)
        node->AddAttribute("attemptsAllowed", wxString::Format("%u", delivery.getAttemptsAllowed()));
    if (delivery.hasPassMark())
        node->AddAttribute("passMark", wxString::Format("%u", delivery.getPassMark()));
    parent->AddChild(node);
}

struct SEntry
{
    int questionID;
    wxString file;  // absolute
    wxString named; // as the assessment file names it
};
} // namespace

const long CAssessmentSerializer::kFormatVersion;

CAssessmentSerializer::CAssessmentSerializer(CAssessmentMgr* assessment, const wxString& path)
    : CXMLSerializer(path), m_assessment(assessment)
{
}

std::unique_ptr<wxXmlDocument> CAssessmentSerializer::buildDocument(CAssessmentMgr& assessment,
                                                                    const wxString& path)
{
    const CDeliveryOptions& delivery = *assessment.getDeliveryOptions();
    std::unique_ptr<wxXmlDocument> document =
        newDocument("assessment", delivery.isDefault() ? kOldestFormatVersion : kFormatVersion);
    wxXmlNode* root = document->GetRoot();

    wxXmlNode* attributes = addElement(root, "attributes");
    addFont(attributes, *assessment.getAttributes()->getFontInfo());
    const CEVImageSelections* images = assessment.getAttributes()->getImageSelections();
    for (unsigned id = 0; id < CEVImageSelections::kNumImages; ++id)
    {
        const auto imageID = static_cast<CEVImageSelections::imageID>(id);
        wxXmlNode* image = addElement(attributes, "image");
        image->AddAttribute("name", CEVImageSelections::keyFor(imageID));
        image->AddAttribute("path", images->getImageSelectionsInfoFor(imageID)->getRelativePath());
    }

    if (!delivery.isDefault())
        addDelivery(root, delivery);
    wxXmlNode* entries = addElement(root, "entries");
    const wxString folder = folderOf(path);
    for (CAssessmentMgrData* data : *assessment.getDataCollection())
    {
        const CQuestionData* question =
            assessment.getQuestionDataMgr()->getQuestionDataForID(data->m_questionID);
        const wxString file = question ? question->getFileNameReference() : wxString();
        wxXmlNode* entry = addElement(entries, "entry");
        entry->AddAttribute("questionID", wxString::Format("%d", data->m_questionID));
        entry->AddAttribute("file", file.empty() ? wxString() : storedPath(file, folder));
    }
    return document;
}

wxString CAssessmentSerializer::toText(CAssessmentMgr& assessment, const wxString& path)
{
    return documentText(*buildDocument(assessment, path));
}

bool CAssessmentSerializer::store()
{
    if (m_assessment == nullptr)
    {
        return fail(_("no assessment to write"));
    }
    // A file the reader would refuse is not written.
    for (CAssessmentMgrData* data : *m_assessment->getDataCollection())
    {
        const CQuestionData* question =
            m_assessment->getQuestionDataMgr()->getQuestionDataForID(data->m_questionID);
        if (question == nullptr)
        {
            return fail(
                wxString::Format(_("an entry names question %d, which does not exist"), data->m_questionID));
        }
        if (question->getFileNameReference().empty())
        {
            return fail(wxString::Format(_("question %d has no question file"), data->m_questionID));
        }
    }
    return writeDocument(*buildDocument(*m_assessment, getPath()));
}

bool CAssessmentSerializer::storeWithQuestions()
{
    if (m_assessment == nullptr)
    {
        return fail(_("no assessment to write"));
    }
    std::set<int> written;
    for (CAssessmentMgrData* data : *m_assessment->getDataCollection())
    {
        CQuestionData* question =
            m_assessment->getQuestionDataMgr()->getQuestionDataForID(data->m_questionID);
        if (question == nullptr || question->getFileNameReference().empty() ||
            m_notWritten.count(data->m_questionID) > 0 || !written.insert(data->m_questionID).second)
        {
            continue; // store() names the fault
        }
        CQuestionDataSerializer writer(question, question->getFileNameReference());
        if (!writer.store())
        {
            return fail(wxString::Format(_("cannot write a question file: %s"), writer.getLastError()));
        }
    }
    return store();
}

bool CAssessmentSerializer::readFlag(const wxXmlNode* node, const wxString& name, bool* value)
{
    wxString text;
    if (!readAttribute(node, name, &text))
    {
        return false;
    }
    if (text != "true" && text != "false")
    {
        return fail(
            wxString::Format(_("<%s> %s \"%s\" is neither true nor false"), node->GetName(), name, text));
    }
    *value = text == "true";
    return true;
}

bool CAssessmentSerializer::readFont(const wxXmlNode* node, CEVFontInfo* font)
{
    wxString face;
    wxString colourName;
    long size = 0;
    bool bold = false;
    bool italic = false;
    bool underlined = false;
    if (!readAttribute(node, "face", &face) || !readLong(node, "size", 0, USHRT_MAX, &size) ||
        !readFlag(node, "bold", &bold) || !readFlag(node, "italic", &italic) ||
        !readFlag(node, "underlined", &underlined) || !readAttribute(node, "colour", &colourName))
    {
        return false;
    }
    // An empty colour is a font without a chosen colour; anything else must be one.
    wxColour colour;
    if (!colourName.empty() && !colour.Set(colourName))
    {
        return fail(wxString::Format(_("<font> colour \"%s\" is not a colour"), colourName));
    }
    font->setFontFaceName(face);
    font->setFontSize(static_cast<unsigned short>(size));
    font->setStyle(bold, italic, underlined);
    font->setFontColour(colour);
    return true;
}

bool CAssessmentSerializer::readImage(const wxXmlNode* node, CEVImageSelections* images, bool* seen)
{
    wxString name;
    wxString path;
    if (!readAttribute(node, "name", &name) || !readAttribute(node, "path", &path))
    {
        return false;
    }
    const CEVImageSelections::imageID id = CEVImageSelections::idForKey(name);
    if (id == CEVImageSelections::eNoImage)
    {
        return fail(wxString::Format(_("unknown image \"%s\""), name));
    }
    if (seen[id])
    {
        return fail(wxString::Format(_("image \"%s\" is given twice"), name));
    }
    seen[id] = true;
    images->getImageSelectionsInfoFor(id)->setRelativePath(path);
    return true;
}

bool CAssessmentSerializer::readAttributes(const wxXmlNode* node, CEVAttributes* attributes)
{
    bool seen[CEVImageSelections::kNumImages] = {};
    for (const wxXmlNode* child = node->GetChildren(); child != nullptr; child = child->GetNext())
    {
        if (child->GetType() != wxXML_ELEMENT_NODE)
        {
            continue;
        }
        if (child->GetName() == "font" && !readFont(child, attributes->getFontInfo()))
        {
            return false;
        }
        if (child->GetName() == "image" && !readImage(child, attributes->getImageSelections(), seen))
        {
            return false;
        }
    }
    return true;
}

bool CAssessmentSerializer::readQuestion(int id, const wxString& file, CQuestionData* question)
{
    CQuestionDataSerializer reader(question, file);
    if (!reader.load())
    {
        return fail(
            wxString::Format(_("the file of question %d cannot be loaded: %s"), id, reader.getLastError()));
    }
    return true;
}

bool CAssessmentSerializer::readOptionalLong(const wxXmlNode* node, const wxString& name, long min, long max,
                                             long* value)
{
    return !node->HasAttribute(name) || readLong(node, name, min, max, value);
}

// Every attribute may be left out: that option is off.
bool CAssessmentSerializer::readDelivery(const wxXmlNode* node, CDeliveryOptions* delivery)
{
    bool shuffleQuestions = false;
    bool shuffleAnswers = false;
    long minutes = 0;
    long attempts = 0;
    long passMark = -1;
    if ((node->HasAttribute("shuffleQuestions") && !readFlag(node, "shuffleQuestions", &shuffleQuestions)) ||
        (node->HasAttribute("shuffleAnswers") && !readFlag(node, "shuffleAnswers", &shuffleAnswers)) ||
        !readOptionalLong(node, "timeLimitMinutes", 1, CDeliveryOptions::kMaxTimeLimitMinutes, &minutes) ||
        !readOptionalLong(node, "attemptsAllowed", 1, CDeliveryOptions::kMaxAttempts, &attempts) ||
        !readOptionalLong(node, "passMark", 0, CDeliveryOptions::kMaxPassMark, &passMark))
    {
        return false;
    }
    delivery->setShuffleQuestions(shuffleQuestions);
    delivery->setShuffleAnswers(shuffleAnswers);
    delivery->setTimeLimitMinutes(unsigned(minutes));
    delivery->setAttemptsAllowed(unsigned(attempts));
    if (passMark >= 0)
        delivery->setPassMark(unsigned(passMark));
    return true;
}

bool CAssessmentSerializer::load()
{
    return loadEntries(nullptr);
}

bool CAssessmentSerializer::loadPartially(std::vector<SUnreadable>* unreadable)
{
    unreadable->clear();
    return loadEntries(unreadable);
}

CQuestionData CAssessmentSerializer::placeholderFor(const wxString& file, const wxString& resolvedFile)
{
    CQuestionData placeholder;
    placeholder.setQuestion(wxString::Format(_("(missing: %s)"), file));
    placeholder.setFileNameReference(resolvedFile);
    return placeholder;
}

bool CAssessmentSerializer::loadEntries(std::vector<SUnreadable>* unreadable)
{
    if (m_assessment == nullptr)
    {
        return fail(_("no assessment to read into"));
    }
    std::unique_ptr<wxXmlDocument> document = readDocument("assessment", kOldestFormatVersion, kFormatVersion);
    if (!document)
    {
        return false;
    }

    // Everything is read into local objects first, so that a refused file
    // leaves the assessment untouched.
    CEVAttributes attributes;
    CDeliveryOptions delivery;
    std::vector<SEntry> entries;
    const wxString folder = getFolder();
    for (const wxXmlNode* child = document->GetRoot()->GetChildren(); child; child = child->GetNext())
    {
        if (child->GetType() == wxXML_ELEMENT_NODE && child->GetName() == "attributes" &&
            !readAttributes(child, &attributes))
        {
            return false;
        }
        if (child->GetType() == wxXML_ELEMENT_NODE && child->GetName() == "delivery" &&
            !readDelivery(child, &delivery))
        {
            return false;
        }
        if (child->GetType() != wxXML_ELEMENT_NODE || child->GetName() != "entries")
        {
            continue;
        }
        for (const wxXmlNode* node = child->GetChildren(); node; node = node->GetNext())
        {
            if (node->GetType() != wxXML_ELEMENT_NODE || node->GetName() != "entry")
            {
                continue;
            }
            long id = 0;
            wxString file;
            if (!readLong(node, "questionID", 1, INT_MAX, &id) || !readAttribute(node, "file", &file))
            {
                return false;
            }
            if (file.empty())
            {
                return fail(wxString::Format(_("question %ld has no question file"), id));
            }
            entries.push_back({static_cast<int>(id), resolvedPath(file, folder), file});
        }
    }

    CQuestionDataMgr questions;
    std::map<int, wxString> fileOfQuestion;
    for (const SEntry& entry : entries)
    {
        auto known = fileOfQuestion.find(entry.questionID);
        if (known != fileOfQuestion.end())
        {
            if (known->second != entry.file)
            {
                return fail(wxString::Format(_("question %d is given two files: %s and %s"), entry.questionID,
                                             known->second, entry.file));
            }
            continue;
        }
        CQuestionData question;
        if (unreadable)
        {
            CQuestionDataSerializer reader(&question, entry.file);
            if (!reader.load())
            {
                unreadable->push_back({entry.questionID, entry.named, reader.getLastError()});
                question = placeholderFor(entry.named, entry.file);
            }
        }
        else if (!readQuestion(entry.questionID, entry.file, &question))
        {
            return false;
        }
        questions.insertQuestion(entry.questionID, question);
        fileOfQuestion[entry.questionID] = entry.file;
    }

    m_assessment->clear();
    *m_assessment->getAttributes() = attributes;
    *m_assessment->getDeliveryOptions() = delivery;
    *m_assessment->getQuestionDataMgr() = questions;
    for (const SEntry& entry : entries)
    {
        CAssessmentMgrData data(entry.questionID);
        m_assessment->addData(data);
    }
    m_assessment->getAttributes()->getImageSelections()->updateAbsolutePaths();
    return true;
}
