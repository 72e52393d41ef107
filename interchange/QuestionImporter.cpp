#include "interchange/QuestionImporter.h"

#include "external/data/AssessmentMgr.h"
#include "external/data/FileBytes.h"
#include "external/data/QuestionDataSerializer.h"
#include "interchange/AikenFormat.h"
#include "interchange/BankFile.h"
#include "interchange/BankFormats.h"
#include "interchange/BankPackage.h"
#include "interchange/CsvFormat.h"
#include "interchange/GiftFormat.h"
#include "interchange/ItemMapper.h"
#include "interchange/MoodleXmlFormat.h"
#include "interchange/QtiFormat.h"

#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/intl.h>
#include <wx/log.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <utility>

namespace
{

const size_t kMaxFileNameLength = 50;

// How many "ANSWER:" lines a text has (Aiken), and how many answer blocks
// in braces (GIFT): "{" then "=", "~", "T", "F", "#" or "}".
void countMarks(const std::string& bytes, unsigned* answerLines, unsigned* answerBlocks)
{
    *answerLines = 0;
    *answerBlocks = 0;
    for (size_t at = bytes.find('{'); at != std::string::npos; at = bytes.find('{', at + 1))
    {
        const size_t next = bytes.find_first_not_of(" \t\r\n", at + 1);
        if (next != std::string::npos && std::strchr("=~TF#}", bytes[next]) != nullptr)
        {
            ++*answerBlocks;
        }
    }
    for (size_t line = 0; line < bytes.size();)
    {
        const size_t end = std::min(bytes.find_first_of("\r\n", line), bytes.size());
        const size_t first = bytes.find_first_not_of(" \t", line);
        if (first < end && bytes.compare(first, 6, "ANSWER") == 0)
        {
            const size_t colon = bytes.find_first_not_of(" \t", first + 6);
            *answerLines += colon < end && bytes[colon] == ':' ? 1 : 0;
        }
        line = end + 1;
    }
}

// Whether the first line is a CSV header of one of the layouts read.
bool looksLikeCsv(const std::string& bytes)
{
    const size_t start = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0; // a byte order mark
    const std::string first = bytes.substr(start, bytes.find_first_of("\r\n") - start);
    const wxString header = wxString::FromUTF8(first).Lower();
    return (header.StartsWith("question,") || header.StartsWith("questionname,")) &&
           (header.Contains(",correct") || header.Contains(",answer 1"));
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

// The topmost folder of `path` that does not exist yet; empty when it exists.
wxString firstMissingFolder(const wxString& path)
{
    wxString missing;
    for (wxFileName folder = wxFileName::DirName(path); !folder.DirExists() && folder.GetDirCount() > 0;
         folder.RemoveLastDir())
    {
        missing = folder.GetPath();
    }
    return missing;
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
    // A .txt file, or one of no known name: told by its content.
    if (looksLikeCsv(bytes))
    {
        return eCsv;
    }
    unsigned answerLines = 0;
    unsigned answerBlocks = 0;
    countMarks(bytes, &answerLines, &answerBlocks);
    if (answerLines == 0 && answerBlocks == 0)
    {
        return eDetect;
    }
    return answerLines > answerBlocks ? eAiken : eGift;
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
    m_bank = file;
    return CBankPackage::isPackage(bytes) ? readPackage(bytes, format, file) : readBank(bytes, format, file);
}

bool CQuestionImporter::readBank(const std::string& bytes, eFormat format, const wxString& file)
{
    if (CBankPackage::isPackage(bytes))
    {
        m_report->add(CImportReport::eNotice, CItemSource(file, 0),
                      _("not read: archives inside a package are not opened"));
        return false;
    }
    if (format == eDetect)
    {
        format = detectFormat(file, bytes);
    }
    if (format == eDetect)
    {
        m_report->add(CImportReport::eRefused, CItemSource(file, 0),
                      wxString::Format(_("the format cannot be told: the banks read are %s"),
                                       CBankFormats::readLabels()));
        return false;
    }
    const size_t before = m_questions.size();
    const size_t entriesBefore = m_report->entries().size();
    std::vector<CBankItem> items;
    readItems(bytes, format, file, &items, m_report);
    if (items.empty() && m_report->entries().size() == entriesBefore)
    {
        m_report->add(CImportReport::eNotice, CItemSource(file, 0), _("the file holds no questions"));
    }
    mapItems(items);
    return m_questions.size() > before;
}

bool CQuestionImporter::readPackage(const std::string& bytes, eFormat format, const wxString& file)
{
    std::vector<CBankPackage::SMember> members;
    if (!CBankPackage::unpack(bytes, file, &members, m_report))
    {
        return false;
    }
    const size_t before = m_questions.size();
    const size_t entriesBefore = m_report->entries().size();
    const auto manifest =
        std::find_if(members.begin(), members.end(),
                     [](const CBankPackage::SMember& member) { return member.m_name == "imsmanifest.xml"; });
    if (manifest == members.end() && format != eQti)
    {
        // Banks zipped with their media: each bank file read as it is.
        const wxString reading = _("Reading");
        for (unsigned index = 0; index < members.size(); ++index)
        {
            if (!progress(reading, index, static_cast<unsigned>(members.size())))
            {
                return stop();
            }
            readBank(members[index].m_bytes, format, file + "/" + members[index].m_name);
        }
    }
    else
    {
        // A QTI content package: its items in the manifest's order.
        std::map<wxString, const std::string*> contents;
        wxArrayString names;
        for (const CBankPackage::SMember& member : members)
        {
            contents[member.m_name] = &member.m_bytes;
            names.Add(member.m_name);
        }
        const wxArrayString items =
            CQtiFormat::itemOrder(manifest == members.end() ? std::string() : manifest->m_bytes, names);
        const wxString reading = _("Reading");
        for (unsigned index = 0; index < items.size(); ++index)
        {
            if (!progress(reading, index, static_cast<unsigned>(items.size())))
            {
                return stop();
            }
            std::vector<CBankItem> read;
            CQtiFormat::read(*contents[items[index]], file + "/" + items[index], &read, m_report);
            mapItems(read);
        }
    }
    if (m_questions.size() == before && m_report->entries().size() == entriesBefore)
    {
        m_report->add(CImportReport::eRefused, CItemSource(file, 0), _("the package holds no question bank"));
    }
    return m_questions.size() > before;
}

bool CQuestionImporter::stop()
{
    m_stopped = true;
    m_report->add(CImportReport::eNotice, CItemSource(m_bank, 0),
                  _("the import was stopped: nothing was imported"));
    const wxString stoppedBefore = _("the import was stopped before this question");
    for (const CImportedQuestion& imported : m_questions)
    {
        m_report->refuse(imported.m_reportEntry, stoppedBefore);
    }
    m_questions.clear();
    return false;
}

wxString CQuestionImporter::shown(const wxString& file) const
{
    // The common case, a file below the bank's folder, without wxFileName.
    const wxString prefix = m_base + wxFILE_SEP_PATH;
    if (!m_base.empty() && file.StartsWith(prefix) && !file.Contains(wxString(wxFILE_SEP_PATH) + ".."))
    {
        return file.Mid(prefix.length());
    }
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
                      _("the folder holds no QTI item files"));
        return false;
    }
    const size_t before = m_questions.size();
    m_questions.reserve(before + files.size());
    const wxString reading = _("Reading");
    for (size_t index = 0; index < files.size(); ++index)
    {
        if (!progress(reading, static_cast<unsigned>(index), static_cast<unsigned>(files.size())))
        {
            return stop();
        }
        std::string bytes;
        wxString error;
        if (!CFileBytes::read(files[index], &bytes, &error))
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
    m_bank = shown(path);
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
    if (!CFileBytes::read(path, &bytes, &error))
    {
        m_report->add(CImportReport::eRefused, CItemSource(shown(path), 0), error);
        return false;
    }
    if (!progress(_("Reading"), 0, 1))
    {
        return stop();
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

namespace
{

std::set<wxString> keysIn(CAssessmentMgr& assessment)
{
    std::set<wxString> keys;
    CQuestionDataMgr* questions = assessment.getQuestionDataMgr();
    for (unsigned i = 0; i < assessment.getCount(); ++i)
    {
        if (const CQuestionData* question =
                questions->getQuestionDataForID(assessment.getDataAtIndex(i)->m_questionID))
            keys.insert(question->textAndAnswersKey());
    }
    return keys;
}

} // namespace

unsigned CQuestionImporter::countAlreadyIn(CAssessmentMgr& assessment) const
{
    std::set<wxString> known = keysIn(assessment);
    unsigned count = 0;
    for (const CImportedQuestion& imported : m_questions)
        count += known.insert(imported.m_question.textAndAnswersKey()).second ? 0 : 1;
    return count;
}

unsigned CQuestionImporter::addToAssessment(CAssessmentMgr* assessment, const wxString& folder)
{
    const wxString made = firstMissingFolder(folder);
    if (!CBankFile::makeFolder(folder))
    {
        for (const CImportedQuestion& imported : m_questions)
        {
            m_report->refuse(imported.m_reportEntry,
                             wxString::Format(_("the folder %s cannot be created"), folder));
        }
        return 0;
    }
    // Every question file is written before the assessment changes, so that
    // stopping leaves the assessment and the folder as they were.
    std::set<wxString> used;
    std::vector<CQuestionData> written;
    std::set<wxString> known = keysIn(*assessment);
    const unsigned total = static_cast<unsigned>(m_questions.size());
    const wxString writing = _("Writing question files");
    for (unsigned index = 0; index < total; ++index)
    {
        const CImportedQuestion& imported = m_questions[index];
        if (!progress(writing, index, total))
        {
            removeWritten(written, made);
            stop();
            return 0;
        }
        if (!known.insert(imported.m_question.textAndAnswersKey()).second && !m_addDuplicates)
        {
            m_report->refuse(imported.m_reportEntry, _("already in the assessment"));
            continue;
        }
        const wxString file = fileNameFor(imported.m_source.m_title);
        wxFileName path(folder, file);
        wxString fullPath = path.GetFullPath();
        for (unsigned suffix = 2; used.count(fullPath) > 0 || wxFileExists(fullPath); ++suffix)
        {
            path.SetName(wxFileName(file).GetName() + wxString::Format("-%u", suffix));
            fullPath = path.GetFullPath();
        }
        used.insert(fullPath);
        CQuestionData question = imported.m_question;
        question.setFileNameReference(fullPath);
        CQuestionDataSerializer serializer(&question, fullPath);
        if (!serializer.store())
        {
            m_report->refuse(
                imported.m_reportEntry,
                wxString::Format(_("the question file cannot be written: %s"), serializer.getLastError()));
            continue;
        }
        written.push_back(std::move(question));
    }
    progress(writing, total, total);
    for (CQuestionData& question : written)
    {
        CAssessmentMgrData entry(assessment->getQuestionDataMgr()->addQuestion(question));
        assessment->addData(entry);
    }
    return static_cast<unsigned>(written.size());
}

void CQuestionImporter::removeWritten(const std::vector<CQuestionData>& written, const wxString& madeFolder)
{
    wxLogNull quiet; // a file that cannot be removed stays; the import is refused all the same
    for (const CQuestionData& question : written)
    {
        wxRemoveFile(question.getFileNameReference());
    }
    if (!madeFolder.empty())
    {
        wxFileName::Rmdir(madeFolder, wxPATH_RMDIR_RECURSIVE);
    }
}
