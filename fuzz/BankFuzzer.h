#pragma once

// What the question bank targets share: a bank in one format, read from
// arbitrary bytes, either yields questions our model can hold, each told of in
// the report, or says why it yields none. Every question read survives its
// question file, and a handful of them go into an assessment and out to a
// bank again without a refusal.
#include "fuzz/FuzzSupport.h"

#include "external/data/AssessmentMgr.h"
#include "external/data/QuestionDataSerializer.h"
#include "interchange/QuestionExporter.h"
#include "interchange/QuestionImporter.h"

#include <wx/filename.h>

#include <string>

namespace evfuzz
{
// Our model's rules that the import's mapping promises to keep.
inline void checkImportedQuestion(const CQuestionData& question)
{
    wxArrayInt right;
    question.getCorrectAnswerIndexes(&right);
    if (question.getNumAnswers() < 1 || question.getNumAnswers() > CQuestionData::kMaxAnswers)
    {
        invariantBroken("an imported question has no answers or more than we show");
    }
    if (right.empty() || static_cast<unsigned>(right.Last()) >= question.getNumAnswers())
    {
        invariantBroken("an imported question has no right answer, or one beyond its answers");
    }
    if (question.getCategoryType() != CQuestionData::eMultipleAnswers && right.size() != 1)
    {
        invariantBroken("an imported one-answer question has several right answers");
    }
}

inline void checkStoredAndReadBack(const CQuestionData& question, const wxString& path)
{
    CQuestionData stored = question;
    CQuestionDataSerializer writer(&stored, path);
    if (!writer.store())
    {
        invariantBroken("an imported question cannot be written to a question file");
    }
    CQuestionData again;
    CQuestionDataSerializer reader(&again, path);
    if (!reader.load())
    {
        invariantBroken("an imported question's file cannot be read back");
    }
    stored.setFileNameReference(path);
    if (again != stored)
    {
        invariantBroken("an imported question changed on its way through its question file");
    }
}

// Writing question files and a bank costs far more than reading; a few
// questions are enough to reach every branch of the way out.
const size_t kMostQuestionsExported = 12;

inline void checkExported(CQuestionImporter& importer, CQuestionExporter::eFormat format)
{
    const wxString folder = scratchFolder() + "/export";
    wxFileName::Rmdir(folder, wxPATH_RMDIR_RECURSIVE);
    CAssessmentMgr assessment;
    if (importer.addToAssessment(&assessment, folder + "/questions") != importer.questions().size())
    {
        invariantBroken("an imported question could not be added to an assessment");
    }
    CImportReport exported(CImportReport::eExport);
    CQuestionExporter exporter(&exported);
    exporter.write(&assessment, format, folder + "/bank" + CQuestionExporter::extension(format));
    if (exported.hasRefusals())
    {
        invariantBroken("a question we imported was refused on its way out");
    }
}

inline int fuzzBank(const uint8_t* data, size_t size, CQuestionImporter::eFormat format,
                    CQuestionExporter::eFormat exportFormat)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    CImportReport report;
    CQuestionImporter importer(&report);
    const bool read = importer.readBytes(bytes, format, "bank");
    const auto& questions = importer.questions();
    if (read != !questions.empty() || report.entries().empty())
    {
        invariantBroken("an import said nothing, or claimed questions it did not read");
    }
    if (report.countTaken() != questions.size())
    {
        invariantBroken("the report does not tell of every question read");
    }
    for (const CImportedQuestion& imported : questions)
    {
        const auto kind = report.entries().at(imported.m_reportEntry).m_kind;
        if (kind != CImportReport::eImported && kind != CImportReport::eChanged)
        {
            invariantBroken("a question read is told of as refused");
        }
        checkImportedQuestion(imported.m_question);
        checkStoredAndReadBack(imported.m_question, scratchFolder() + "/imported.itm");
    }
    if (read && questions.size() <= kMostQuestionsExported)
    {
        checkExported(importer, exportFormat);
    }
    return 0;
}
} // namespace evfuzz
