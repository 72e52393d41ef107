// Importing large question banks: 10,000 GIFT questions in one file and a
// folder of 10,000 QTI 2.1 item files (both generated here with our own
// writers), read and mapped to our questions; and the GIFT bank brought
// into an assessment, each question written to its own question file.
// The "questions/s" column is the rate.
//   tests/support/run-headless build-<dir>/bench/import

#include "bench/support/BenchSupport.h"

#include "external/data/AssessmentMgr.h"
#include "external/data/FileBytes.h"
#include "interchange/BankFile.h"
#include "interchange/GiftFormat.h"
#include "interchange/QtiFormat.h"
#include "interchange/QuestionImporter.h"

#include <benchmark/benchmark.h>

#include <wx/filename.h>

#include <cstdlib>

namespace
{

const unsigned kNumQuestions = 10000;

// A question of one of the three categories, with a feedback and some
// characters beyond ASCII.
CQuestionData makeQuestion(unsigned number)
{
    CQuestionData question;
    const unsigned kind = number % 3;
    question.setCategoryType(static_cast<int>(kind));
    question.setQuestion(
        wxString::Format(wxString::FromUTF8("Question %u: which of these is right – über?"), number));
    question.setReferenceText(wxString::Format("See chapter %u.", number % 40));
    question.setNumAnswers(kind == 0 ? 2 : 4);
    wxArrayInt correct;
    correct.Add(static_cast<int>(number % 2));
    if (kind == 0)
    {
        question.setAnswer(0, "True");
        question.setAnswer(1, "False");
    }
    else
    {
        for (unsigned index = 0; index < 4; ++index)
        {
            question.setAnswer(index, wxString::Format("Answer %u of question %u", index + 1, number));
        }
        if (kind == 2)
        {
            correct.Add(3);
        }
    }
    question.setCorrectAnswerIndexes(&correct);
    return question;
}

// The two banks, written once into a fresh temporary folder.
class CGeneratedBanks
{
public:
    CGeneratedBanks()
    {
        std::string folder = (wxFileName::GetTempDir() + "/evalon-bench-import-XXXXXX").utf8_string();
        if (mkdtemp(&folder[0]) == nullptr)
        {
            std::abort();
        }
        m_folder = wxString::FromUTF8(folder);
        std::vector<CQuestionData> questions;
        std::vector<CExportItem> items;
        for (unsigned number = 1; number <= kNumQuestions; ++number)
        {
            questions.push_back(makeQuestion(number));
        }
        for (unsigned index = 0; index < kNumQuestions; ++index)
        {
            items.push_back(CExportItem{&questions[index], wxString::Format("Question %u", index + 1),
                                        wxString::Format("item-%05u", index + 1)});
        }
        wxString error;
        const wxString qti = qtiFolder();
        bool written = CFileBytes::replace(giftFile(), CGiftFormat::write(items).utf8_string(), &error) &&
                       CBankFile::makeFolder(qti) &&
                       CFileBytes::replace(qti + "/imsmanifest.xml",
                                           CQtiFormat::writeManifest(items, CQtiFormat::eQti21), &error);
        for (const CExportItem& item : items)
        {
            written = written && CFileBytes::replace(qti + "/" + CQtiFormat::fileName(item),
                                                     CQtiFormat::writeItem(item, CQtiFormat::eQti21), &error);
        }
        if (!written)
        {
            std::fprintf(stderr, "import: the banks cannot be written: %s\n", error.utf8_string().c_str());
            std::abort();
        }
    }
    ~CGeneratedBanks() { wxFileName::Rmdir(m_folder, wxPATH_RMDIR_RECURSIVE); }
    CGeneratedBanks(const CGeneratedBanks&) = delete;
    CGeneratedBanks& operator=(const CGeneratedBanks&) = delete;

    wxString giftFile() const { return m_folder + "/bank.gift"; }
    wxString qtiFolder() const { return m_folder + "/qti"; }
    wxString questionsFolder(int run) const { return m_folder + wxString::Format("/questions-%d", run); }

private:
    wxString m_folder;
};

const CGeneratedBanks& banks()
{
    static CGeneratedBanks generated;
    return generated;
}

void countQuestions(benchmark::State& state, size_t imported)
{
    if (imported != kNumQuestions)
    {
        state.SkipWithError("not every question was imported");
    }
    state.counters["questions/s"] =
        benchmark::Counter(static_cast<double>(kNumQuestions), benchmark::Counter::kIsIterationInvariantRate);
}

void readBank(benchmark::State& state, const wxString& path)
{
    size_t imported = 0;
    for (auto _ : state)
    {
        CImportReport report;
        CQuestionImporter importer(&report);
        importer.read(path);
        imported = importer.questions().size();
        benchmark::DoNotOptimize(imported);
    }
    countQuestions(state, imported);
}

void BM_ReadGift10000(benchmark::State& state)
{
    readBank(state, banks().giftFile());
}

void BM_ReadQti10000(benchmark::State& state)
{
    readBank(state, banks().qtiFolder());
}

// Reading, then writing 10,000 question files into a fresh folder and
// appending them to an assessment. The folders stay until the program ends:
// on a file system without a journal (ext4 as this machine has it) every new
// file's inode is first checked against those deleted in the last seconds,
// so removing 10,000 files between runs made the next run several times
// slower than any import a user starts.
void BM_ImportGift10000IntoAssessment(benchmark::State& state)
{
    static int run = 0; // fresh folders across repetitions too
    unsigned added = 0;
    for (auto _ : state)
    {
        CImportReport report;
        CQuestionImporter importer(&report);
        CAssessmentMgr assessment;
        importer.read(banks().giftFile());
        added = importer.addToAssessment(&assessment, banks().questionsFolder(++run));
    }
    countQuestions(state, added);
}

} // namespace

BENCHMARK(BM_ReadGift10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadQti10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ImportGift10000IntoAssessment)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
