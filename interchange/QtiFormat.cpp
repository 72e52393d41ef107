#include "interchange/QtiFormat.h"

#include "external/data/FileBytes.h"
#include "interchange/BankFile.h"
#include "interchange/HtmlText.h"
#include "interchange/ImportReport.h"
#include "interchange/ItemMapper.h"
#include "interchange/XmlInput.h"

#include <wx/filename.h>
#include <wx/intl.h>
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
// name: the reader asks for the same few names at every node. Keyed by the
// literal's address, which is the same at every call of a site.
const std::string& spelled(const char* name21, CQtiFormat::eVersion version, bool isElement)
{
    thread_local std::unordered_map<const char*, std::string> made[2][2];
    std::unordered_map<const char*, std::string>& names = made[version][isElement ? 1 : 0];
    auto found = names.find(name21);
    if (found == names.end())
    {
        const wxString name = wxString::FromAscii(name21);
        const wxString spelling =
            isElement ? CQtiFormat::element(name, version) : CQtiFormat::attribute(name, version);
        found = names.emplace(name21, spelling.ToStdString()).first;
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

using CNode = CXmlTree::CNode;
using CIdentifiers = std::set<std::string, std::less<>>;

// Reads one item of either version into a bank item. Names and identifiers
// are compared as the UTF-8 the tree holds; only what the item keeps becomes
// a wxString.
class CQtiItemReader
{
public:
    CQtiItemReader(const CNode& root, CQtiFormat::eVersion version, CBankItem* item)
        : m_root(root), m_version(version), m_item(item), m_html(extraBlocks(version))
    {
    }
    ~CQtiItemReader() { m_html.addChangesTo(m_item); }
    CQtiItemReader(const CQtiItemReader&) = delete;
    CQtiItemReader& operator=(const CQtiItemReader&) = delete;

    void read()
    {
        const CNode body = child(m_root, "itemBody");
        if (!body)
        {
            m_item->m_refusal = _("it has no item body");
            return;
        }
        std::vector<CNode> interactions;
        findInteractions(body, &interactions);
        const CNode interaction = interactions.size() == 1 ? interactions.front() : CNode();
        m_item->m_text = m_html.reduceChildren(body, [this](const CNode& node) { return skipInBody(node); });
        if (m_item->m_source.m_title.empty())
        {
            m_item->m_source.m_title = CItemSource::titleFromText(m_item->m_text);
        }
        if (interactions.empty())
        {
            m_item->m_refusal = _("it has no interaction");
        }
        else if (interactions.size() > 1)
        {
            m_item->m_refusal = wxString::Format(
                wxPLURAL("it has %u interaction; only items with one choice interaction are read",
                         "it has %u interactions; only items with one choice interaction are read",
                         static_cast<unsigned>(interactions.size())),
                static_cast<unsigned>(interactions.size()));
        }
        else if (!interaction.is(name("choiceInteraction")))
        {
            m_item->m_refusal = wxString::Format(_("a %s item, not multiple choice"),
                                                 CXmlTree::toText(interaction.localName()));
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

    const std::string& name(const char* name21) const { return spelled(name21, m_version, true); }
    std::string_view attribute(const CNode& node, const char* name21) const
    {
        return node.attribute(spelled(name21, m_version, false));
    }
    CNode child(const CNode& parent, const char* name21) const { return parent.child(name(name21)); }
    bool isElement(const CNode& node, const char* name21) const { return node.is(name(name21)); }

    bool isInteraction(const CNode& node) const
    {
        const std::string_view local = node.localName();
        auto endsWith = [local](std::string_view end) {
            return local.size() >= end.size() &&
                   local.compare(local.size() - end.size(), end.size(), end) == 0;
        };
        if (m_version == CQtiFormat::eQti21)
        {
            return endsWith("Interaction");
        }
        return local.compare(0, 4, "qti-") == 0 && endsWith("-interaction");
    }

    void findInteractions(const CNode& parent, std::vector<CNode>* found) const
    {
        for (CNode node = parent.firstChild(); node; node = node.next())
        {
            if (!node.isElement())
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
    bool skipFeedback(const CNode& node)
    {
        if (isElement(node, "feedbackInline") || isElement(node, "feedbackBlock"))
        {
            m_item->addChange(_("feedback for particular responses dropped"));
            return true;
        }
        return false;
    }

    bool skipInBody(const CNode& node)
    {
        return isElement(node, "simpleChoice") || skipFeedback(node) ||
               (isInteraction(node) && !isElement(node, "choiceInteraction"));
    }

    CNode responseDeclaration(std::string_view identifier) const
    {
        CNode only;
        unsigned count = 0;
        for (CNode node = m_root.firstChild(); node; node = node.next())
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
        return count == 1 ? only : CNode();
    }

    // The values of a `baseValue`, or of a `multiple` of them, added to `values`.
    void addBaseValues(const CNode& node, CIdentifiers* values) const
    {
        if (isElement(node, "baseValue"))
        {
            values->emplace(CXmlInput::trimmed(node.content()));
        }
        else if (isElement(node, "multiple") || isElement(node, "ordered"))
        {
            for (CNode part = node.firstChild(); part; part = part.next())
            {
                addBaseValues(part, values);
            }
        }
    }

    // Whether a branch of a response condition gives SCORE a positive value.
    bool setsPositiveScore(const CNode& branch) const
    {
        for (CNode node = branch.firstChild(); node; node = node.next())
        {
            if (!isElement(node, "setOutcomeValue") || attribute(node, "identifier") != "SCORE")
            {
                continue;
            }
            double score = 0;
            const CNode value = child(node, "baseValue");
            if (value && CItemMapper::parseWeight(CXmlInput::trimmedContent(value), &score) && score > 0)
            {
                return true;
            }
        }
        return false;
    }

    // The choices of the common hand-written response processing: a branch
    // that matches the response against a value (or a `multiple` of them)
    // and sets a positive SCORE.
    CIdentifiers matchedChoices(const CNode& processing, std::string_view response) const
    {
        for (CNode condition = processing.firstChild(); condition; condition = condition.next())
        {
            if (!isElement(condition, "responseCondition"))
            {
                continue;
            }
            for (CNode branch = condition.firstChild(); branch; branch = branch.next())
            {
                if (!isElement(branch, "responseIf") && !isElement(branch, "responseElseIf"))
                {
                    continue;
                }
                const CNode match = child(branch, "match");
                if (!match || !setsPositiveScore(branch))
                {
                    continue;
                }
                bool ofResponse = false;
                CIdentifiers values;
                for (CNode operand = match.firstChild(); operand; operand = operand.next())
                {
                    ofResponse = ofResponse || (isElement(operand, "variable") &&
                                                attribute(operand, "identifier") == response);
                    addBaseValues(operand, &values);
                }
                if (ofResponse && !values.empty())
                {
                    return values;
                }
            }
        }
        return CIdentifiers();
    }

    // The name of the standard response processing template the item uses
    // ("match_correct", "map_response"); empty for none or its own.
    std::string_view processingTemplate() const
    {
        std::string_view uri = attribute(child(m_root, "responseProcessing"), "template");
        const size_t slash = uri.rfind('/');
        if (slash != std::string_view::npos)
        {
            uri.remove_prefix(slash + 1);
        }
        return uri.substr(0, uri.find('.'));
    }

    // The identifiers of the right choices: the correct response, or else
    // the choices the score mapping gives a positive value, or else those the
    // response processing scores. Empty, with the reason in `why`, when none
    // of them names a right choice.
    CIdentifiers rightChoices(const CNode& declaration, wxString* why) const
    {
        CIdentifiers right = declaredChoices(declaration);
        if (!right.empty())
        {
            return right;
        }
        const std::string_view usedTemplate = processingTemplate();
        if (usedTemplate == "match_correct")
        {
            *why = _("its response processing (match_correct) compares the response with a correct response "
                     "the item does not give");
            return right;
        }
        if (usedTemplate == "map_response")
        {
            *why = _("its response processing (map_response) scores by a mapping that gives no choice a "
                     "positive value");
            return right;
        }
        if (const CNode processing = child(m_root, "responseProcessing"))
        {
            right = matchedChoices(processing, attribute(declaration, "identifier"));
        }
        if (right.empty())
        {
            *why = _("no correct response, score mapping or response processing names a right choice");
        }
        return right;
    }

    CIdentifiers declaredChoices(const CNode& declaration) const
    {
        CIdentifiers right;
        if (const CNode correct = child(declaration, "correctResponse"))
        {
            for (CNode value = correct.firstChild(); value; value = value.next())
            {
                if (isElement(value, "value"))
                {
                    right.emplace(CXmlInput::trimmed(value.content()));
                }
            }
            return right;
        }
        for (CNode entry = child(declaration, "mapping").firstChild(); entry; entry = entry.next())
        {
            double value = 0;
            if (isElement(entry, "mapEntry") &&
                CItemMapper::parseWeight(CXmlTree::toText(attribute(entry, "mappedValue")), &value) &&
                value > 0)
            {
                right.emplace(attribute(entry, "mapKey"));
            }
        }
        return right;
    }

    void readChoices(const CNode& interaction)
    {
        const CNode declaration = responseDeclaration(attribute(interaction, "responseIdentifier"));
        if (!declaration)
        {
            m_item->m_refusal = _("its interaction has no response declaration");
            return;
        }
        wxString noKey;
        CIdentifiers right = rightChoices(declaration, &noKey);
        for (CNode choice = interaction.firstChild(); choice; choice = choice.next())
        {
            if (isElement(choice, "simpleChoice"))
            {
                const auto chosen = right.find(attribute(choice, "identifier"));
                const bool isRight = chosen != right.end();
                if (isRight)
                {
                    right.erase(chosen);
                }
                const wxString text =
                    m_html.reduceChildren(choice, [this](const CNode& node) { return skipFeedback(node); });
                m_item->addAnswer(text, isRight ? 100 : 0);
            }
        }
        if (!noKey.empty() && !m_item->m_answers.empty())
        {
            m_item->m_refusal = wxString::Format(_("it has no correct answer: %s"), noKey);
        }
        for (const std::string& unknown : right)
        {
            m_item->addChange(wxString::Format(_("the correct response names \"%s\", which is no choice"),
                                               CXmlTree::toText(unknown)));
        }
        // Without a cardinality the number of choices allowed decides (1 when not given).
        const std::string_view cardinality = attribute(declaration, "cardinality");
        const wxString maxText = CXmlTree::toText(attribute(interaction, "maxChoices"));
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
        for (CNode node = m_root.firstChild(); node; node = node.next())
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
            m_item->addChange(wxString::Format(wxPLURAL("%u feedback joined into the reference text",
                                                        "%u feedbacks joined into the reference text", count),
                                               count));
        }
    }

    CNode m_root;
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
    std::unique_ptr<CXmlTree> document = CXmlInput::parseBank(bytes, file, report);
    if (!document)
    {
        return;
    }
    const CNode root = document->root();
    const std::string_view rootName = root.localName();
    const bool is21 = rootName == "assessmentItem";
    if (!is21 && rootName != "qti-assessment-item")
    {
        report->add(
            CImportReport::eRefused, CItemSource(file, root.line()),
            wxString::Format(_("not a QTI item: the root element is <%s>"), CXmlTree::toText(root.name())));
        return;
    }
    items->emplace_back();
    CBankItem* item = &items->back();
    item->m_source = CItemSource(file, 0, CXmlTree::toText(root.attribute("identifier")),
                                 CXmlTree::toText(root.attribute("title")));
    CQtiItemReader(root, is21 ? eQti21 : eQti30, item).read();
}

wxArrayString CQtiFormat::itemOrder(const std::string& manifest, const wxArrayString& names)
{
    const std::set<wxString> present(names.begin(), names.end());
    std::set<wxString> listed{"imsmanifest.xml"};
    wxArrayString order;
    wxString error;
    std::unique_ptr<CXmlTree> document = manifest.empty() ? nullptr : CXmlInput::parse(manifest, &error);
    const CNode resources = document ? document->root().child("resources") : CNode();
    for (CNode node = resources.firstChild(); node; node = node.next())
    {
        if (!node.isElement() || node.localName() != "resource")
        {
            continue;
        }
        // The manifest's names are relative to the package's root ("./q1.xml" is "q1.xml").
        wxString name = CXmlTree::toText(node.attribute("href"));
        name.Replace("\\", "/");
        while (name.StartsWith("./", &name))
        {
        }
        const std::string_view type = node.attribute("type");
        if (type.compare(0, 11, "imsqti_item") == 0 && present.count(name) > 0 && listed.count(name) == 0)
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
