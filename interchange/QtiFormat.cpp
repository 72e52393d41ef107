#include "interchange/QtiFormat.h"

#include "external/data/FileBytes.h"
#include "interchange/BankFile.h"
#include "interchange/HtmlText.h"
#include "interchange/ImportReport.h"
#include "interchange/ItemMapper.h"
#include "interchange/XmlInput.h"

#include <wx/filename.h>
#include <wx/xml/xml.h>

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <set>
#include <unordered_map>

namespace
{

const wxString kResponse = "RESPONSE";
const wxString kFeedbackOutcome = "FEEDBACK";
const wxString kReferenceFeedback = "REFERENCE";

struct SVersionFacts
{
    const char* m_namespace;
    const char* m_schemaLocation;
    const char* m_manifestNamespace;
    const char* m_resourceType;
    const char* m_packageSchema;
    const char* m_packageVersion;
};

const SVersionFacts kFacts[] = {
    {"http://www.imsglobal.org/xsd/imsqti_v2p1",
     "http://www.imsglobal.org/xsd/imsqti_v2p1 http://www.imsglobal.org/xsd/qti/qtiv2p1/imsqti_v2p1p2.xsd",
     "http://www.imsglobal.org/xsd/imscp_v1p1", "imsqti_item_xmlv2p1", "QTIv2.1 Package", "1.0.0"},
    {"http://www.imsglobal.org/xsd/imsqtiasi_v3p0",
     "http://www.imsglobal.org/xsd/imsqtiasi_v3p0 "
     "https://purl.imsglobal.org/spec/qti/v3p0/schema/xsd/imsqti_asiv3p0_v1p0.xsd",
     "http://www.imsglobal.org/xsd/qti/qtiv3p0/imscp_v1p1", "imsqti_item_xmlv3p0", "QTI Package", "3.0.0"}};

wxString kebab(const wxString& name)
{
    wxString result;
    for (wxUniChar c : name)
    {
        if (c >= 'A' && c <= 'Z')
        {
            result += '-';
            result += wxUniChar(c.GetValue() - 'A' + 'a');
        }
        else
        {
            result += c;
        }
    }
    return result;
}

// A name of version 2.1 as `version` spells it, made once per thread and
// name: the reader asks for the same few names at every node, and converting
// a literal to a wxString goes through the locale's conversion each time.
// Keyed by the literal's address, which is the same at every call of a site.
const wxString& spelled(const char* name21, CQtiFormat::eVersion version, bool isElement)
{
    thread_local std::unordered_map<const char*, wxString> made[2][2];
    std::unordered_map<const char*, wxString>& names = made[version][isElement ? 1 : 0];
    auto found = names.find(name21);
    if (found == names.end())
    {
        const wxString name = wxString::FromAscii(name21);
        found = names
                    .emplace(name21, isElement ? CQtiFormat::element(name, version)
                                               : CQtiFormat::attribute(name, version))
                    .first;
    }
    return found->second;
}

// A name read from the file system; ASCII, the common case, without the
// locale's conversion.
wxString fileNameText(const std::string& name)
{
    const bool ascii =
        std::all_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    return ascii ? wxString::FromAscii(name.data(), name.size()) : wxString(name.c_str(), *wxConvFileName);
}

// Reads one item of either version into a bank item.
class CQtiItemReader
{
public:
    CQtiItemReader(const wxXmlNode* root, CQtiFormat::eVersion version, CBankItem* item)
        : m_root(root), m_version(version), m_item(item), m_html(extraBlocks(version))
    {
    }
    ~CQtiItemReader() { m_html.addChangesTo(m_item); }
    CQtiItemReader(const CQtiItemReader&) = delete;
    CQtiItemReader& operator=(const CQtiItemReader&) = delete;

    void read()
    {
        const wxXmlNode* body = child(m_root, "itemBody");
        if (body == nullptr)
        {
            m_item->m_refusal = "it has no item body";
            return;
        }
        std::vector<const wxXmlNode*> interactions;
        findInteractions(body, &interactions);
        const wxXmlNode* interaction = interactions.size() == 1 ? interactions.front() : nullptr;
        m_item->m_text =
            m_html.reduceChildren(body, [this](const wxXmlNode* node) { return skipInBody(node); });
        if (m_item->m_source.m_title.empty())
        {
            m_item->m_source.m_title = CItemSource::titleFromText(m_item->m_text);
        }
        if (interactions.empty())
        {
            m_item->m_refusal = "it has no interaction";
        }
        else if (interactions.size() > 1)
        {
            m_item->m_refusal =
                wxString::Format("it has %u interactions; only items with one choice interaction are read",
                                 static_cast<unsigned>(interactions.size()));
        }
        else if (!CXmlInput::hasLocalName(interaction, name("choiceInteraction")))
        {
            m_item->m_refusal = "a " + CXmlInput::localName(interaction) + " item, not multiple choice";
        }
        else
        {
            readChoices(interaction);
            readFeedback();
        }
    }

private:
    static const std::set<wxString>& extraBlocks(CQtiFormat::eVersion version)
    {
        static const std::set<wxString> blocks[] = {makeExtraBlocks(CQtiFormat::eQti21),
                                                    makeExtraBlocks(CQtiFormat::eQti30)};
        return blocks[version];
    }
    static std::set<wxString> makeExtraBlocks(CQtiFormat::eVersion version)
    {
        std::set<wxString> blocks;
        for (const char* name :
             {"itemBody", "choiceInteraction", "prompt", "simpleChoice", "modalFeedback", "contentBody"})
        {
            blocks.insert(CQtiFormat::element(name, version).Lower());
        }
        return blocks;
    }

    const wxString& name(const char* name21) const { return spelled(name21, m_version, true); }
    wxString attribute(const wxXmlNode* node, const char* name21) const
    {
        return node->GetAttribute(spelled(name21, m_version, false));
    }
    const wxXmlNode* child(const wxXmlNode* parent, const char* name21) const
    {
        return CXmlInput::child(parent, name(name21));
    }
    bool isElement(const wxXmlNode* node, const char* name21) const
    {
        return node->GetType() == wxXML_ELEMENT_NODE && CXmlInput::hasLocalName(node, name(name21));
    }

    bool isInteraction(const wxXmlNode* node) const
    {
        static const wxString kEnd21 = "Interaction";
        static const wxString kStart30 = "qti-";
        static const wxString kEnd30 = "-interaction";
        const wxString& full = node->GetName();
        if (m_version == CQtiFormat::eQti21)
        {
            return full.EndsWith(kEnd21);
        }
        const size_t colon = full.rfind(':');
        const size_t start = colon == wxString::npos ? 0 : colon + 1;
        return full.compare(start, kStart30.length(), kStart30) == 0 && full.EndsWith(kEnd30);
    }

    void findInteractions(const wxXmlNode* parent, std::vector<const wxXmlNode*>* found) const
    {
        for (const wxXmlNode* node = parent->GetChildren(); node != nullptr; node = node->GetNext())
        {
            if (node->GetType() != wxXML_ELEMENT_NODE)
            {
                continue;
            }
            if (isInteraction(node))
            {
                found->push_back(node);
            }
            else
            {
                findInteractions(node, found);
            }
        }
    }

    // Feedback tied to particular responses has no place in our questions.
    bool skipFeedback(const wxXmlNode* node)
    {
        if (isElement(node, "feedbackInline") || isElement(node, "feedbackBlock"))
        {
            m_item->addChange("feedback for particular responses dropped");
            return true;
        }
        return false;
    }

    bool skipInBody(const wxXmlNode* node)
    {
        return isElement(node, "simpleChoice") || skipFeedback(node) ||
               (isInteraction(node) && !isElement(node, "choiceInteraction"));
    }

    const wxXmlNode* responseDeclaration(const wxString& identifier) const
    {
        const wxXmlNode* only = nullptr;
        unsigned count = 0;
        for (const wxXmlNode* node = m_root->GetChildren(); node != nullptr; node = node->GetNext())
        {
            if (isElement(node, "responseDeclaration"))
            {
                if (attribute(node, "identifier") == identifier)
                {
                    return node;
                }
                only = node;
                ++count;
            }
        }
        return count == 1 ? only : nullptr;
    }

    // The values of a `baseValue`, or of a `multiple` of them.
    std::set<wxString> baseValues(const wxXmlNode* node) const
    {
        std::set<wxString> values;
        if (isElement(node, "baseValue"))
        {
            values.insert(CXmlInput::content(node).Trim(true).Trim(false));
        }
        else if (isElement(node, "multiple") || isElement(node, "ordered"))
        {
            for (const wxXmlNode* part = node->GetChildren(); part; part = part->GetNext())
            {
                const std::set<wxString> inner = baseValues(part);
                values.insert(inner.begin(), inner.end());
            }
        }
        return values;
    }

    // Whether a branch of a response condition gives SCORE a positive value.
    bool setsPositiveScore(const wxXmlNode* branch) const
    {
        for (const wxXmlNode* node = branch->GetChildren(); node; node = node->GetNext())
        {
            static const wxString kScore = "SCORE";
            if (!isElement(node, "setOutcomeValue") || attribute(node, "identifier") != kScore)
            {
                continue;
            }
            double score = 0;
            const wxXmlNode* value = child(node, "baseValue");
            if (value && CItemMapper::parseWeight(CXmlInput::content(value).Trim(true).Trim(false), &score) &&
                score > 0)
            {
                return true;
            }
        }
        return false;
    }

    // The choices of the common hand-written response processing: a branch
    // that matches the response against a value (or a `multiple` of them)
    // and sets a positive SCORE.
    std::set<wxString> matchedChoices(const wxXmlNode* processing, const wxString& response) const
    {
        for (const wxXmlNode* condition = processing->GetChildren(); condition;
             condition = condition->GetNext())
        {
            if (!isElement(condition, "responseCondition"))
            {
                continue;
            }
            for (const wxXmlNode* branch = condition->GetChildren(); branch; branch = branch->GetNext())
            {
                if (!isElement(branch, "responseIf") && !isElement(branch, "responseElseIf"))
                {
                    continue;
                }
                const wxXmlNode* match = child(branch, "match");
                if (match == nullptr || !setsPositiveScore(branch))
                {
                    continue;
                }
                bool ofResponse = false;
                std::set<wxString> values;
                for (const wxXmlNode* operand = match->GetChildren(); operand; operand = operand->GetNext())
                {
                    ofResponse = ofResponse || (isElement(operand, "variable") &&
                                                attribute(operand, "identifier") == response);
                    const std::set<wxString> found = baseValues(operand);
                    values.insert(found.begin(), found.end());
                }
                if (ofResponse && !values.empty())
                {
                    return values;
                }
            }
        }
        return std::set<wxString>();
    }

    // The name of the standard response processing template the item uses
    // ("match_correct", "map_response"); empty for none or its own.
    wxString processingTemplate() const
    {
        const wxXmlNode* processing = child(m_root, "responseProcessing");
        const wxString uri = processing ? attribute(processing, "template") : wxString();
        return uri.AfterLast('/').BeforeFirst('.');
    }

    // The identifiers of the right choices: the correct response, or else
    // the choices the score mapping gives a positive value, or else those the
    // response processing scores. Empty, with the reason in `why`, when none
    // of them names a right choice.
    std::set<wxString> rightChoices(const wxXmlNode* declaration, wxString* why) const
    {
        std::set<wxString> right = declaredChoices(declaration);
        if (!right.empty())
        {
            return right;
        }
        const wxString usedTemplate = processingTemplate();
        if (usedTemplate == "match_correct")
        {
            *why = "its response processing (match_correct) compares the response with a correct response "
                   "the item does not give";
            return right;
        }
        if (usedTemplate == "map_response")
        {
            *why = "its response processing (map_response) scores by a mapping that gives no choice a "
                   "positive value";
            return right;
        }
        if (const wxXmlNode* processing = child(m_root, "responseProcessing"))
        {
            right = matchedChoices(processing, attribute(declaration, "identifier"));
        }
        if (right.empty())
        {
            *why = "no correct response, score mapping or response processing names a right choice";
        }
        return right;
    }

    std::set<wxString> declaredChoices(const wxXmlNode* declaration) const
    {
        std::set<wxString> right;
        if (const wxXmlNode* correct = child(declaration, "correctResponse"))
        {
            for (const wxXmlNode* value = correct->GetChildren(); value != nullptr; value = value->GetNext())
            {
                if (isElement(value, "value"))
                {
                    right.insert(CXmlInput::content(value).Trim(true).Trim(false));
                }
            }
            return right;
        }
        const wxXmlNode* mapping = child(declaration, "mapping");
        for (const wxXmlNode* entry = mapping ? mapping->GetChildren() : nullptr; entry;
             entry = entry->GetNext())
        {
            double value = 0;
            if (isElement(entry, "mapEntry") &&
                CItemMapper::parseWeight(attribute(entry, "mappedValue"), &value) && value > 0)
            {
                right.insert(attribute(entry, "mapKey"));
            }
        }
        return right;
    }

    void readChoices(const wxXmlNode* interaction)
    {
        const wxXmlNode* declaration = responseDeclaration(attribute(interaction, "responseIdentifier"));
        if (declaration == nullptr)
        {
            m_item->m_refusal = "its interaction has no response declaration";
            return;
        }
        wxString noKey;
        std::set<wxString> right = rightChoices(declaration, &noKey);
        for (const wxXmlNode* choice = interaction->GetChildren(); choice != nullptr;
             choice = choice->GetNext())
        {
            if (isElement(choice, "simpleChoice"))
            {
                const wxString identifier = attribute(choice, "identifier");
                const wxString text = m_html.reduceChildren(choice, [this](const wxXmlNode* node)
                                                            { return skipFeedback(node); });
                m_item->addAnswer(text, right.erase(identifier) > 0 ? 100 : 0);
            }
        }
        if (!noKey.empty() && !m_item->m_answers.empty())
        {
            m_item->m_refusal = "it has no correct answer: " + noKey;
        }
        for (const wxString& unknown : right)
        {
            m_item->addChange("the correct response names \"" + unknown + "\", which is no choice");
        }
        // Without a cardinality the number of choices allowed decides (1 when not given).
        const wxString cardinality = attribute(declaration, "cardinality");
        const wxString maxText = attribute(interaction, "maxChoices");
        long maxChoices = 1;
        if (!maxText.empty() && !maxText.ToLong(&maxChoices))
        {
            maxChoices = 0;
        }
        const bool single = cardinality.empty() ? maxChoices == 1 : cardinality == "single";
        m_item->m_cardinality = single ? CBankItem::eSingle : CBankItem::eMultiple;
    }

    void readFeedback()
    {
        unsigned count = 0;
        for (const wxXmlNode* node = m_root->GetChildren(); node != nullptr; node = node->GetNext())
        {
            if (isElement(node, "modalFeedback"))
            {
                const wxString text = m_html.reduceChildren(node);
                if (!text.empty())
                {
                    m_item->m_feedback += (m_item->m_feedback.empty() ? "" : "\n") + text;
                    ++count;
                }
            }
        }
        if (count > 1)
        {
            m_item->addChange(wxString::Format("%u feedbacks joined into the reference text", count));
        }
    }

    const wxXmlNode* m_root;
    CQtiFormat::eVersion m_version;
    CBankItem* m_item;
    CHtmlText m_html;
};

// Builds an item document in the names of one version.
class CQtiItemWriter
{
public:
    explicit CQtiItemWriter(CQtiFormat::eVersion version) : m_version(version) {}

    std::string write(const CExportItem& item)
    {
        const CQuestionData& question = *item.m_question;
        const bool single = question.getCategoryType() != CQuestionData::eMultipleAnswers;
        const bool feedback = !question.getReferenceText().empty();
        wxXmlDocument document;
        document.SetFileEncoding("UTF-8");
        wxXmlNode* root = new wxXmlNode(wxXML_ELEMENT_NODE, name("assessmentItem"));
        document.SetRoot(root);
        root->AddAttribute("xmlns", kFacts[m_version].m_namespace);
        root->AddAttribute("xmlns:xsi", "http://www.w3.org/2001/XMLSchema-instance");
        root->AddAttribute("xsi:schemaLocation", kFacts[m_version].m_schemaLocation);
        set(root, "identifier", item.m_identifier);
        set(root, "title", CXmlInput::xmlText(item.m_title));
        set(root, "adaptive", "false");
        set(root, "timeDependent", "false");

        wxXmlNode* declaration = add(root, "responseDeclaration");
        set(declaration, "identifier", kResponse);
        set(declaration, "cardinality", single ? "single" : "multiple");
        set(declaration, "baseType", "identifier");
        wxXmlNode* correct = add(declaration, "correctResponse");
        for (unsigned index = 0; index < question.getNumAnswers(); ++index)
        {
            if (CItemMapper::exportWeight(question, index) > 0)
            {
                add(correct, "value", choiceIdentifier(index));
            }
        }
        writeOutcomes(root, feedback);

        wxXmlNode* interaction = add(add(root, "itemBody"), "choiceInteraction");
        set(interaction, "responseIdentifier", kResponse);
        set(interaction, "shuffle", "false");
        set(interaction, "maxChoices", single ? "1" : "0");
        addLines(add(interaction, "prompt"), question.getQuestion());
        for (unsigned index = 0; index < question.getNumAnswers(); ++index)
        {
            wxXmlNode* choice = add(interaction, "simpleChoice");
            set(choice, "identifier", choiceIdentifier(index));
            addLines(choice, question.getAnswer(index));
        }
        writeProcessing(root, feedback);
        if (feedback)
        {
            wxXmlNode* modal = add(root, "modalFeedback");
            set(modal, "outcomeIdentifier", kFeedbackOutcome);
            set(modal, "identifier", kReferenceFeedback);
            set(modal, "showHide", "show");
            addLines(m_version == CQtiFormat::eQti30 ? add(modal, "contentBody") : modal,
                     question.getReferenceText());
        }
        return CXmlInput::serialize(document);
    }

private:
    static wxString choiceIdentifier(unsigned index) { return CItemMapper::letter(index); }

    wxString name(const wxString& name21) const { return CQtiFormat::element(name21, m_version); }
    wxXmlNode* add(wxXmlNode* parent, const wxString& name21, const wxString& text = wxString()) const
    {
        return CXmlInput::addElement(parent, name(name21), text);
    }
    void set(wxXmlNode* node, const wxString& name21, const wxString& value) const
    {
        node->AddAttribute(CQtiFormat::attribute(name21, m_version), value);
    }

    // Lines become text separated by <br/>, as HTML has no other new line.
    static void addLines(wxXmlNode* parent, const wxString& text)
    {
        const wxArrayString lines = wxSplit(text, '\n', '\0');
        for (size_t index = 0; index < lines.size(); ++index)
        {
            if (index > 0)
            {
                CXmlInput::addElement(parent, "br");
            }
            if (!lines[index].empty())
            {
                parent->AddChild(
                    new wxXmlNode(wxXML_TEXT_NODE, wxString(), CXmlInput::xmlText(lines[index])));
            }
        }
    }

    void writeOutcomes(wxXmlNode* root, bool feedback) const
    {
        wxXmlNode* score = add(root, "outcomeDeclaration");
        set(score, "identifier", "SCORE");
        set(score, "cardinality", "single");
        set(score, "baseType", "float");
        add(add(score, "defaultValue"), "value", "0");
        if (feedback)
        {
            wxXmlNode* outcome = add(root, "outcomeDeclaration");
            set(outcome, "identifier", kFeedbackOutcome);
            set(outcome, "cardinality", "single");
            set(outcome, "baseType", "identifier");
        }
    }

    wxXmlNode* setOutcome(wxXmlNode* parent, const wxString& outcome, const wxString& type,
                          const wxString& value) const
    {
        wxXmlNode* node = add(parent, "setOutcomeValue");
        set(node, "identifier", outcome);
        set(add(node, "baseValue", value), "baseType", type);
        return node;
    }

    // Full score for exactly the right choices; the reference text shown
    // whatever the response.
    void writeProcessing(wxXmlNode* root, bool feedback) const
    {
        wxXmlNode* processing = add(root, "responseProcessing");
        wxXmlNode* condition = add(processing, "responseCondition");
        wxXmlNode* ifRight = add(condition, "responseIf");
        wxXmlNode* match = add(ifRight, "match");
        set(add(match, "variable"), "identifier", kResponse);
        set(add(match, "correct"), "identifier", kResponse);
        setOutcome(ifRight, "SCORE", "float", "1");
        setOutcome(add(condition, "responseElse"), "SCORE", "float", "0");
        if (feedback)
        {
            setOutcome(processing, kFeedbackOutcome, "identifier", kReferenceFeedback);
        }
    }

    CQtiFormat::eVersion m_version;
};

// Adds the names, relative to the bank's folder and with '/' between folders,
// of the files called *.xml in `directory` (ending in '/') and below, hidden
// ones and those behind links included, as wxDir::GetAllFiles finds them, but
// told files from folders by the directory entry's type rather than by a
// stat of each of ten thousand items. Links that loop end at a depth no bank
// reaches.
void addXmlFilesBelow(const std::string& directory, const wxString& relative, unsigned depth,
                      wxArrayString* names)
{
    const unsigned kMaxDepth = 64;
    DIR* listing = depth <= kMaxDepth ? opendir(directory.c_str()) : nullptr;
    if (listing == nullptr)
    {
        return;
    }
    std::vector<std::string> folders;
    while (const dirent* entry = readdir(listing))
    {
        const std::string name = entry->d_name;
        if (name == "." || name == "..")
        {
            continue;
        }
        bool isFolder = entry->d_type == DT_DIR;
        if (entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK)
        {
            struct stat facts;
            isFolder = stat((directory + name).c_str(), &facts) == 0 && S_ISDIR(facts.st_mode);
        }
        if (isFolder)
        {
            folders.push_back(name);
        }
        else if (name.size() >= 4 && name.compare(name.size() - 4, 4, ".xml") == 0)
        {
            names->Add(relative + fileNameText(name));
        }
    }
    closedir(listing);
    for (const std::string& folder : folders)
    {
        addXmlFilesBelow(directory + folder + "/", relative + fileNameText(folder) + "/", depth + 1, names);
    }
}

} // namespace

wxString CQtiFormat::element(const wxString& name, eVersion version)
{
    return version == eQti21 ? name : "qti-" + kebab(name);
}

wxString CQtiFormat::attribute(const wxString& name, eVersion version)
{
    return version == eQti21 ? name : kebab(name);
}

wxString CQtiFormat::fileName(const CExportItem& item)
{
    return item.m_identifier + ".xml";
}

void CQtiFormat::read(const std::string& bytes, const wxString& file, std::vector<CBankItem>* items,
                      CImportReport* report)
{
    std::unique_ptr<wxXmlDocument> document = CXmlInput::parseBank(bytes, file, report);
    if (!document)
    {
        return;
    }
    const wxXmlNode* root = document->GetRoot();
    static const wxString kRoot21 = element("assessmentItem", eQti21);
    static const wxString kRoot30 = element("assessmentItem", eQti30);
    static const wxString kIdentifier = "identifier";
    static const wxString kTitle = "title";
    const wxString rootName = CXmlInput::localName(root);
    if (rootName != kRoot21 && rootName != kRoot30)
    {
        report->add(CImportReport::eRefused, CItemSource(file, static_cast<unsigned>(root->GetLineNumber())),
                    "not a QTI item: the root element is <" + root->GetName() + ">");
        return;
    }
    const eVersion version = rootName == kRoot21 ? eQti21 : eQti30;
    items->emplace_back();
    CBankItem* item = &items->back();
    item->m_source = CItemSource(file, 0, root->GetAttribute(kIdentifier), root->GetAttribute(kTitle));
    CQtiItemReader(root, version, item).read();
}

wxArrayString CQtiFormat::itemOrder(const std::string& manifest, const wxArrayString& names)
{
    const std::set<wxString> present(names.begin(), names.end());
    std::set<wxString> listed{"imsmanifest.xml"};
    wxArrayString order;
    wxString error;
    std::unique_ptr<wxXmlDocument> document = manifest.empty() ? nullptr : CXmlInput::parse(manifest, &error);
    const wxXmlNode* resources = document ? CXmlInput::child(document->GetRoot(), "resources") : nullptr;
    for (const wxXmlNode* node = resources ? resources->GetChildren() : nullptr; node; node = node->GetNext())
    {
        if (node->GetType() != wxXML_ELEMENT_NODE || CXmlInput::localName(node) != "resource")
        {
            continue;
        }
        // The manifest's names are relative to the package's root ("./q1.xml" is "q1.xml").
        wxString name = node->GetAttribute("href");
        name.Replace("\\", "/");
        while (name.StartsWith("./", &name))
        {
        }
        if (node->GetAttribute("type").StartsWith("imsqti_item") && present.count(name) > 0 &&
            listed.count(name) == 0)
        {
            order.Add(name);
        }
        listed.insert(name);
    }
    wxArrayString others;
    for (const wxString& name : names)
    {
        if (listed.count(name) == 0 && name.Lower().EndsWith(".xml"))
        {
            others.Add(name);
        }
    }
    std::sort(others.begin(), others.end(), CBankFile::naturalLess);
    for (const wxString& name : others)
    {
        order.Add(name);
    }
    return order;
}

wxArrayString CQtiFormat::itemFiles(const wxString& folder)
{
    std::string manifest;
    wxString error;
    const wxString manifestPath = wxFileName(folder, "imsmanifest.xml").GetFullPath();
    if (wxFileExists(manifestPath) && !CFileBytes::read(manifestPath, &manifest, &error))
    {
        manifest.clear();
    }
    const wxString prefix = wxFileName::DirName(folder).GetFullPath();
    wxArrayString names;
    addXmlFilesBelow(std::string(prefix.fn_str()), wxString(), 0, &names);
    wxArrayString files;
    for (const wxString& name : itemOrder(manifest, names))
    {
        wxString file = prefix + name;
        file.Replace("/", wxString(wxFILE_SEP_PATH));
        files.Add(file);
    }
    return files;
}

std::string CQtiFormat::writeItem(const CExportItem& item, eVersion version)
{
    return CQtiItemWriter(version).write(item);
}

std::string CQtiFormat::writeManifest(const std::vector<CExportItem>& items, eVersion version)
{
    wxXmlDocument document;
    document.SetFileEncoding("UTF-8");
    auto* root = new wxXmlNode(wxXML_ELEMENT_NODE, "manifest");
    document.SetRoot(root);
    root->AddAttribute("xmlns", kFacts[version].m_manifestNamespace);
    root->AddAttribute("identifier", "MANIFEST-1");
    wxXmlNode* metadata = CXmlInput::addElement(root, "metadata");
    CXmlInput::addElement(metadata, "schema", kFacts[version].m_packageSchema);
    CXmlInput::addElement(metadata, "schemaversion", kFacts[version].m_packageVersion);
    CXmlInput::addElement(root, "organizations");
    wxXmlNode* resources = CXmlInput::addElement(root, "resources");
    wxXmlNode* resource = nullptr;
    for (const CExportItem& item : items)
    {
        resource = CXmlInput::addElementAfter(resources, resource, "resource");
        resource->AddAttribute("identifier", item.m_identifier);
        resource->AddAttribute("type", kFacts[version].m_resourceType);
        resource->AddAttribute("href", fileName(item));
        CXmlInput::addElement(resource, "file")->AddAttribute("href", fileName(item));
    }
    return CXmlInput::serialize(document);
}
