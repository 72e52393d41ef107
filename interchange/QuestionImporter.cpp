#include "interchange/QuestionImporter.h"

#include "external/data/AssessmentMgr.h"
#include "external/data/QuestionDataSerializer.h"
#include "interchange/AikenFormat.h"
#include "interchange/BankFile.h"
#include "interchange/CsvFormat.h"
#include "interchange/GiftFormat.h"
#include "interchange/ItemMapper.h"
#include "interchange/MoodleXmlFormat.h"
#include "interchange/QtiFormat.h"

#include <wx/filename.h>

#include <set>

namespace
{

const size_t kMaxFileNameLength = 50;
const wxString kStopped = "the import was stopped before this question";

// Whether a text bank looks like Aiken rather than GIFT: an "ANSWER:" line
// and no answer block in braces.
bool looksLikeAiken(const std::string& bytes)
{
    const bool answerLine =
        bytes.compare(0, 7, "ANSWER:") == 0 || bytes.find("\nANSWER:") != std::string::npos;
    return answerLine && bytes.find('{') == std::string::npos;
}

// Letters of other scripts are kept in file names; punctuation, symbols and
// pictographs are not (told by their blocks, whatever the locale).
bool isLetterBeyondAscii(wxUniChar c)
{
    const wxUint32 code = c.GetValue();
    const bool symbol = (code >= 0xA0 && code <= 0xBF) || code == 0xD7 || code == 0xF7 ||
                        (code >= 0x2000 && code <= 0x2BFF) || (code >= 0x3000 && code <= 0x303F) ||
                        (code >= 0xFE00 && code <= 0xFE0F) || (code >= 0xFF00 && code <= 0xFF0F) ||
                        code >= 0x1F000;
    return code > 127 && !symbol;
}

} // namespace

CQuestionImporter::CQuestionImporter(CImportReport* report) : m_report(report)
{
}

bool CQuestionImporter::progress(const wxString& stage, unsigned done, unsigned total) const
{
    return !m_progress || m_progress(stage, done, total);
}

CQuestionImporter::eFormat CQuestionImporter::detectFormat(const wxString& path, const std::string& bytes)
{
    const wxString extension = wxFileName(path).GetExt().Lower();
    const std::string start = bytes.substr(0, 4096);
    if (extension == "gift")
    {
        return eGift;
    }
    if (extension == "csv")
    {
        return eCsv;
    }
    if (start.find("<quiz") != std::string::npos)
    {
        return eMoodleXml;
    }
    if (start.find("assessmentItem") != std::string::npos ||
        start.find("qti-assessment-item") != std::string::npos)
    {
        return eQti;
    }
    if (extension == "xml" || extension == "qti")
    {
        return eDetect;
    }
    if (looksLikeAiken(bytes))
    {
        return eAiken;
    }
    return bytes.find('{') != std::string::npos ? eGift : eDetect;
}

void CQuestionImporter::readItems(const std::string& bytes, eFormat format, const wxString& file,
                                  std::vector<CBankItem>* items, CImportReport* report)
{
    if (format == eMoodleXml)
    {
        CMoodleXmlFormat::read(bytes, file, items, report);
        return;
    }
    if (format == eQti)
    {
        CQtiFormat::read(bytes, file, items, report);
        return;
    }
    wxString text;
    wxString error;
    if (!CBankFile::decodeUtf8(bytes, &text, &error))
    {
        report->add(CImportReport::eRefused, CItemSource(file, 0), error);
        return;
    }
    if (format == eGift)
    {
        CGiftFormat::read(text, file, items, report);
    }
    else if (format == eAiken)
    {
        CAikenFormat::read(text, file, items, report);
    }
    else if (format == eCsv)
    {
        CCsvFormat::read(text, file, items, report);
    }
}

void CQuestionImporter::mapItems(const std::vector<CBankItem>& items)
{
    for (const CBankItem& item : items)
    {
        CImportedQuestion imported;
        wxArrayString changes;
        wxString why;
        imported.m_source = item.m_source;
        if (!CItemMapper::toQuestion(item, &imported.m_question, &changes, &why))
        {
            m_report->add(CImportReport::eRefused, item.m_source, why);
            continue;
        }
        imported.m_reportEntry = m_report->addTaken(item.m_source, changes);
        m_questions.push_back(imported);
    }
}

bool CQuestionImporter::readBytes(const std::string& bytes, eFormat format, const wxString& file)
{
    if (format == eDetect)
    {
        format = detectFormat(file, bytes);
    }
    if (format == eDetect)
    {
        m_report->add(CImportReport::eRefused, CItemSource(file, 0),
                      "the format cannot be told: GIFT (.gift), Aiken (.txt), CSV (.csv), Moodle XML or "
                      "QTI (.xml) are read");
        return false;
    }
    const size_t before = m_questions.size();
    const size_t entriesBefore = m_report->entries().size();
    std::vector<CBankItem> items;
    readItems(bytes, format, file, &items, m_report);
    if (items.empty() && m_report->entries().size() == entriesBefore)
    {
        m_report->add(CImportReport::eNotice, CItemSource(file, 0), "the file holds no questions");
    }
    mapItems(items);
    return m_questions.size() > before;
}

wxString CQuestionImporter::shown(const wxString& file) const
{
    wxFileName name(file);
    if (m_base.empty() || !name.MakeRelativeTo(m_base) || name.GetFullPath().StartsWith(".."))
    {
        return file;
    }
    return name.GetFullPath();
}

bool CQuestionImporter::readFolder(const wxString& folder)
{
    const wxArrayString files = CQtiFormat::itemFiles(folder);
    if (files.empty())
    {
        m_report->add(CImportReport::eRefused, CItemSource(shown(folder), 0),
                      "the folder holds no QTI item files");
        return false;
    }
    const size_t before = m_questions.size();
    for (size_t index = 0; index < files.size(); ++index)
    {
        if (!progress("Reading", static_cast<unsigned>(index), static_cast<unsigned>(files.size())))
        {
            return false;
        }
        std::string bytes;
        wxString error;
        if (!CBankFile::readBytes(files[index], &bytes, &error))
        {
            m_report->add(CImportReport::eRefused, CItemSource(shown(files[index]), 0), error);
            continue;
        }
        std::vector<CBankItem> items;
        CQtiFormat::read(bytes, shown(files[index]), &items, m_report);
        mapItems(items);
    }
    return m_questions.size() > before;
}

bool CQuestionImporter::read(const wxString& path, eFormat format)
{
    wxFileName name(path);
    if (wxDirExists(path))
    {
        name.AssignDir(path);
        name.RemoveLastDir();
    }
    m_base = name.GetPath();
    if (wxDirExists(path))
    {
        return readFolder(path);
    }
    if (name.GetFullName().Lower() == "imsmanifest.xml")
    {
        m_base = wxFileName(name.GetPath()).GetPath();
        return readFolder(name.GetPath());
    }
    std::string bytes;
    wxString error;
    if (!CBankFile::readBytes(path, &bytes, &error))
    {
        m_report->add(CImportReport::eRefused, CItemSource(shown(path), 0), error);
        return false;
    }
    if (!progress("Reading", 0, 1))
    {
        return false;
    }
    return readBytes(bytes, format, shown(path));
}

wxString CQuestionImporter::fileNameFor(const wxString& title)
{
    wxString name;
    bool dash = false;
    for (wxUniChar c : title)
    {
        const bool keep = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || isLetterBeyondAscii(c);
        if (c >= 'A' && c <= 'Z')
        {
            c = wxUniChar(c.GetValue() - 'A' + 'a');
        }
        else if (!keep || wxIsspace(c) || wxIspunct(c))
        {
            dash = !name.empty();
            continue;
        }
        if (name.length() >= kMaxFileNameLength)
        {
            break;
        }
        if (dash)
        {
            name += '-';
            dash = false;
        }
        name += c;
    }
    return (name.empty() ? wxString("question") : name) + ".itm";
}

unsigned CQuestionImporter::addToAssessment(CAssessmentMgr* assessment, const wxString& folder)
{
    if (!CBankFile::makeFolder(folder))
    {
        for (const CImportedQuestion& imported : m_questions)
        {
            m_report->refuse(imported.m_reportEntry, "the folder " + folder + " cannot be created");
        }
        return 0;
    }
    std::set<wxString> used;
    unsigned added = 0;
    const unsigned total = static_cast<unsigned>(m_questions.size());
    for (unsigned index = 0; index < total; ++index)
    {
        const CImportedQuestion& imported = m_questions[index];
        if (!progress("Writing question files", index, total))
        {
            for (; index < total; ++index)
            {
                m_report->refuse(m_questions[index].m_reportEntry, kStopped);
            }
            return added;
        }
        const wxString file = fileNameFor(imported.m_source.m_title);
        wxFileName path(folder, file);
        for (unsigned suffix = 2; used.count(path.GetFullPath()) > 0 || path.FileExists(); ++suffix)
        {
            path.SetName(wxFileName(file).GetName() + wxString::Format("-%u", suffix));
        }
        used.insert(path.GetFullPath());
        CQuestionData question = imported.m_question;
        question.setFileNameReference(path.GetFullPath());
        CQuestionDataSerializer serializer(&question, path.GetFullPath());
        if (!serializer.store())
        {
            m_report->refuse(imported.m_reportEntry,
                             "the question file cannot be written: " + serializer.getLastError());
            continue;
        }
        CAssessmentMgrData entry(assessment->getQuestionDataMgr()->addQuestion(question));
        assessment->addData(entry);
        ++added;
    }
    progress("Writing question files", total, total);
    return added;
}
