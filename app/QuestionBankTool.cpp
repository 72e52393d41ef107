#include "app/QuestionBankTool.h"

#include "app/Looks.h"
#include "external/data/AssessmentMgr.h"
#include "external/data/AssessmentSerializer.h"
#include "interchange/QuestionExporter.h"
#include "interchange/QuestionImporter.h"

#include <wx/filename.h>
#include <wx/intl.h>
#include <wx/stopwatch.h>

#include <unistd.h>

#include <cstdio>
#include <functional>
#include <memory>

namespace
{

wxString absolute(const wxString& path)
{
    wxFileName name(path);
    name.MakeAbsolute();
    return name.GetFullPath();
}

int fail(const wxString& message)
{
    std::fprintf(stderr, "evalon: %s\n", message.utf8_string().c_str());
    return 1;
}

void print(const CImportReport& report)
{
    std::fputs(report.toText().utf8_string().c_str(), stdout);
    std::fflush(stdout);
}

} // namespace

CQuestionBankTool::CTerminalProgress::CTerminalProgress(FILE* terminal) : m_terminal(terminal)
{
}

CQuestionBankTool::CTerminalProgress::~CTerminalProgress()
{
    if (m_shown)
    {
        std::fputs("\r\x1b[K", m_terminal); // the report starts on a clean line
        std::fflush(m_terminal);
    }
}

bool CQuestionBankTool::CTerminalProgress::operator()(const wxString& stage, unsigned done, unsigned total)
{
    // A few updates a second read well and cost nothing; the last one of a
    // stage always shows.
    if (m_shown && stage == m_stage && done < total && m_sinceUpdate.Time() < 100)
    {
        return true;
    }
    m_sinceUpdate.Start();
    m_stage = stage;
    m_shown = true;
    std::fprintf(m_terminal, "\r%s\x1b[K",
                 wxString::Format(_("%s: %u of %u"), stage, done, total).utf8_string().c_str());
    std::fflush(m_terminal);
    return true;
}

wxString CQuestionBankTool::defaultQuestionsFolder(const wxString& assessmentFile)
{
    return wxFileName(absolute(assessmentFile)).GetPath() + wxFILE_SEP_PATH + "questions";
}

int CQuestionBankTool::importBank(const wxString& bank, const wxString& assessmentFile,
                                  const wxString& questionsFolder, bool addDuplicates)
{
    const wxString file = absolute(assessmentFile);
    CAssessmentMgr assessment;
    CAssessmentSerializer serializer(&assessment, file);
    const bool isNew = !wxFileName::FileExists(file);
    if (!isNew && !serializer.load())
    {
        return fail(serializer.getLastError());
    }
    wxString notice;
    if (isNew && !CLooks::applyDefault(assessment.getAttributes(), &notice))
    {
        std::fprintf(stderr, "evalon: %s\n", notice.utf8_string().c_str());
    }
    CImportReport report;
    CQuestionImporter importer(&report);
    importer.setAddDuplicates(addDuplicates);
    {
        // Progress only for a person watching: a file or pipe gets the report alone.
        std::unique_ptr<CTerminalProgress> progress;
        if (isatty(fileno(stdout)))
        {
            progress = std::make_unique<CTerminalProgress>(stdout);
            importer.setProgress(std::ref(*progress));
        }
        if (importer.read(absolute(bank)))
        {
            importer.addToAssessment(&assessment, questionsFolder.empty() ? defaultQuestionsFolder(file)
                                                                          : absolute(questionsFolder));
        }
    }
    print(report);
    if (report.countTaken() > 0 && !serializer.store())
    {
        return fail(serializer.getLastError());
    }
    return report.hasRefusals() ? 1 : 0;
}

int CQuestionBankTool::exportBank(const wxString& assessmentFile, const wxString& format,
                                  const wxString& target)
{
    CQuestionExporter::eFormat chosen = CQuestionExporter::eGift;
    if (!CQuestionExporter::parseFormat(format, &chosen))
    {
        return fail(wxString::Format(_("unknown format '%s'"), format));
    }
    CAssessmentMgr assessment;
    CAssessmentSerializer serializer(&assessment, absolute(assessmentFile));
    if (!serializer.load())
    {
        return fail(serializer.getLastError());
    }
    CImportReport report(CImportReport::eExport);
    const bool written = CQuestionExporter(&report).write(&assessment, chosen, absolute(target));
    print(report);
    return written && !report.hasRefusals() ? 0 : 1;
}
