// Banks brought into an assessment: one question file per question, named
// after its title and never over another file, one entry per question in the
// bank's order.

#include "tests/interchange/BankTestSupport.h"

#include "external/data/AssessmentMgr.h"
#include "external/data/QuestionDataSerializer.h"

#include <wx/filename.h>

using namespace banktest;

namespace
{

std::vector<wxString> fileNames(CAssessmentMgr& assessment)
{
    std::vector<wxString> names;
    for (unsigned index = 0; index < assessment.getCount(); ++index)
    {
        const CQuestionData* question = assessment.getQuestionDataMgr()->getQuestionDataForID(
            assessment.getDataAtIndex(index)->m_questionID);
        names.push_back(question ? wxFileName(question->getFileNameReference()).GetFullName() : wxString());
    }
    return names;
}

} // namespace

class AssessmentImportTest : public evtest::CTempDirTest
{
protected:
    unsigned importInto(CAssessmentMgr* assessment, const wxString& bank, const wxString& folder)
    {
        CQuestionImporter importer(&m_report);
        importer.read(bank);
        return importer.addToAssessment(assessment, folder);
    }

    CImportReport m_report;
};

TEST_F(AssessmentImportTest, EachQuestionBecomesAFileAndAnEntryInBankOrder)
{
    writeFile("bank/closest-planet.itm", "not ours");
    CAssessmentMgr assessment;
    EXPECT_EQ(importInto(&assessment, bankPath("astronomy.gift"), path("bank")), 7u);
    EXPECT_EQ(fileNames(assessment),
              (std::vector<wxString>{"closest-planet-2.itm", "gas-giants.itm", "sun-is-a-star.itm",
                                     "red-planet.itm", wxString::FromUTF8("größter-mond.itm"), "escapes.itm",
                                     "partial-credit.itm"}));
    for (unsigned index = 0; index < assessment.getCount(); ++index)
    {
        const CQuestionData* question = assessment.getQuestionDataMgr()->getQuestionDataForID(
            assessment.getDataAtIndex(index)->m_questionID);
        ASSERT_NE(question, nullptr);
        EXPECT_EQ(wxFileName(question->getFileNameReference()).GetPath(), path("bank"));
        CQuestionData stored;
        CQuestionDataSerializer serializer(&stored, question->getFileNameReference());
        ASSERT_TRUE(serializer.load()) << serializer.getLastError().utf8_string();
        EXPECT_EQ(stored, *question);
    }
    EXPECT_EQ(wxFileName(path("bank/closest-planet.itm")).GetSize().GetValue(), 8u); // "not ours"

    // Equal titles within one bank take new names; an empty title gives way
    // to the question's text; signs are left out of names.
    CQuestionImporter twins(&m_report);
    twins.readBytes("::Same::One?{=a ~b}\n\n::Same::Two?{=a ~b}\n\n::::Three?{=a ~b}\n\n"
                    "::Saturn 🪐 «rings»::Four?{=a ~b}\n",
                    CQuestionImporter::eGift, "twins.gift");
    EXPECT_EQ(twins.addToAssessment(&assessment, path("bank")), 4u);
    const std::vector<wxString> names = fileNames(assessment);
    EXPECT_EQ(std::vector<wxString>(names.begin() + 7, names.end()),
              (std::vector<wxString>{"same.itm", "same-2.itm", "three.itm", "saturn-rings.itm"}));
    EXPECT_EQ(assessment.getQuestionDataMgr()->getCount(), 11u);
}

TEST_F(AssessmentImportTest, AFolderThatCannotBeMadeRefusesEveryQuestion)
{
    writeFile("taken", "a file where the folder should go");
    CAssessmentMgr assessment;
    EXPECT_EQ(importInto(&assessment, bankPath("astronomy.csv"), path("taken/bank")), 0u);
    EXPECT_EQ(assessment.getCount(), 0u);
    EXPECT_TRUE(m_report.toText().Contains("\"The Sun is a star.\": refused: the folder " +
                                           path("taken/bank") + " cannot be created"));
}

TEST_F(AssessmentImportTest, StoppingLeavesEverythingAsItWas)
{
    std::vector<unsigned> written;
    CQuestionImporter importer(&m_report);
    importer.setProgress(
        [&](const wxString& stage, unsigned done, unsigned total)
        {
            if (stage == "Reading")
                return true;
            EXPECT_EQ(total, 5u);
            written.push_back(done);
            return done < 2;
        });
    ASSERT_TRUE(importer.read(bankPath("qti21")));
    CAssessmentMgr assessment;
    EXPECT_EQ(importer.addToAssessment(&assessment, path("new/bank")), 0u);
    EXPECT_EQ(written, (std::vector<unsigned>{0, 1, 2}));
    EXPECT_TRUE(importer.wasStopped());
    // Two question files were written before the stop.
    EXPECT_FALSE(wxDirExists(path("new")));
    EXPECT_EQ(assessment.getCount(), 0u);
    EXPECT_EQ(assessment.getQuestionDataMgr()->getCount(), 0u);
    const wxString report = m_report.toText();
    EXPECT_TRUE(report.Contains("qti21: note: the import was stopped: nothing was imported") &&
                report.Contains(": refused: the import was stopped before this question"))
        << report.utf8_string();
}
