#include "tests/reliability/helpers/SaveVariants.h"

#include "external/data/AssessmentMgr.h"
#include "external/data/AssessmentSerializer.h"
#include "interchange/QuestionExporter.h"

namespace savevariants
{
bool save(int variant, const wxString& folder, wxString* error)
{
    CAssessmentMgr assessment;
    for (int id = 1; id <= kNumQuestions; ++id)
    {
        CQuestionData question;
        question.setCategoryType(CQuestionData::eSingleAnswer);
        question.setNumAnswers(3);
        // Long enough that writing takes a while, so kills land inside it;
        // the two versions differ in length too, so a mix shows.
        question.setQuestion(wxString::Format("Question %d, version %d: ", id, variant) +
                             wxString(variant == 0 ? 'a' : 'b', 600 + 100 * variant * id));
        for (unsigned answer = 0; answer < 3; ++answer)
            question.setAnswer(answer, wxString::Format("Answer %u of version %d", answer, variant));
        wxArrayInt correct;
        correct.Add((id + variant) % 3);
        question.setCorrectAnswerIndexes(&correct);
        question.setReferenceText(wxString::Format("Reference %d.%d", id, variant));
        question.setFileNameReference(wxString::Format("%s/questions/q%d.itm", folder, id));
        assessment.getQuestionDataMgr()->insertQuestion(id, question);
    }
    for (int entry = 1; entry <= kNumQuestions; ++entry)
    {
        CAssessmentMgrData data(variant == 0 ? entry : kNumQuestions + 1 - entry);
        assessment.addData(data);
    }
    assessment.getAttributes()->getFontInfo()->setFontSize(variant == 0 ? 20 : 32);

    CAssessmentSerializer writer(&assessment, assessmentFile(folder));
    CImportReport report(CImportReport::eExport);
    CQuestionExporter exporter(&report);
    if (!writer.storeWithQuestions())
        *error = writer.getLastError();
    else if (!exporter.write(&assessment, CQuestionExporter::eGift, folder + "/bank.gift") ||
             !exporter.write(&assessment, CQuestionExporter::eQti21, folder + "/qti"))
        *error = report.toText();
    else
        return true;
    return false;
}
} // namespace savevariants
