#include "app/DeliveryOrder.h"
#include "app/AssessmentTaking.h"
#include "app/TakeAssessmentFrame.h"
#include "app/TakeAssessmentPanel.h"
#include "tests/app/TestAssessments.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

namespace
{

wxArrayInt subset(unsigned bits)
{
    wxArrayInt answers;
    for (int i = 0; i < 4; ++i)
        if (bits & (1u << i))
            answers.Add(i);
    return answers;
}

std::vector<unsigned> permutationOf(const std::function<unsigned(unsigned)>& at, unsigned count)
{
    std::vector<unsigned> order;
    for (unsigned i = 0; i < count; ++i)
        order.push_back(at(i));
    return order;
}

// Pearson's statistic of the counts against equal frequencies.
double chiSquare(const std::map<std::vector<unsigned>, int>& counts, int categories, int samples)
{
    const double expected = double(samples) / categories;
    double statistic = 0;
    for (const auto& [order, count] : counts)
        statistic += (count - expected) * (count - expected) / expected;
    // Categories never seen count too.
    statistic += (categories - int(counts.size())) * expected;
    return statistic;
}

// Over 10,000 seeds every order of four questions and of four answers comes
// up about equally often: below the chi-square value that 23 degrees of
// freedom exceed by chance once in a thousand runs (49.73). The seeds are
// fixed, so the test gives the same result every time. Mapping back is
// exact for every set of answers, true/false answers never move, and a
// pinned answer ("None of these") keeps its slot while the others take
// every order among the rest.
TEST(DeliveryOrderTest, EveryOrderIsAboutEquallyLikelyMapsBackExactlyAndComesAgainFromItsSeed)
{
    const int kSeeds = 10000;
    const std::vector<CDeliveryOrder::SShape> shapes = {{4, true}, {4, true}, {2, false}, {4, true, 1u << 3}};
    std::map<std::vector<unsigned>, int> entryOrders;
    std::set<std::vector<unsigned>> pinnedOrders;
    std::map<std::vector<unsigned>, int> answerOrders;
    for (int seed = 0; seed < kSeeds; ++seed)
    {
        const CDeliveryOrder order = CDeliveryOrder::shuffled(shapes, true, true, std::uint64_t(seed));
        ++entryOrders[permutationOf([&](unsigned i) { return order.entryAt(i); }, 4)];
        ++answerOrders[permutationOf([&](unsigned i) { return order.authorAnswer(0, i); }, 4)];
        ASSERT_EQ(permutationOf([&](unsigned i) { return order.authorAnswer(2, i); }, 2),
                  (std::vector<unsigned>{0, 1}));
        ASSERT_EQ(order.authorAnswer(3, 3), 3u);
        pinnedOrders.insert(permutationOf([&](unsigned i) { return order.authorAnswer(3, i); }, 3));
        for (unsigned author = 0; author < 4; ++author)
            ASSERT_EQ(order.authorAnswer(3, order.shownSlot(3, author)), author);
        for (unsigned bits = 0; bits < 16; ++bits)
            ASSERT_EQ(order.toAuthor(1, order.toShown(1, subset(bits))), subset(bits)) << seed << " " << bits;
    }
    EXPECT_EQ(entryOrders.size(), 24u);
    EXPECT_EQ(answerOrders.size(), 24u);
    EXPECT_EQ(pinnedOrders.size(), 6u);
    EXPECT_LT(chiSquare(entryOrders, 24, kSeeds), 49.73);
    EXPECT_LT(chiSquare(answerOrders, 24, kSeeds), 49.73);

    // The same seed gives the same order, which a resumed attempt shows again;
    // with answers shuffled only, the entries keep the author's order.
    const std::uint64_t seed = CDeliveryOrder::seedOf("6f1c0a4e-attempt");
    const CDeliveryOrder first = CDeliveryOrder::shuffled(shapes, true, true, seed);
    const CDeliveryOrder again = CDeliveryOrder::shuffled(shapes, true, true, seed);
    const CDeliveryOrder answersOnly = CDeliveryOrder::shuffled(shapes, false, true, seed);
    for (unsigned i = 0; i < 4; ++i)
        EXPECT_EQ(std::make_tuple(first.entryAt(i), first.authorAnswer(i, 1), answersOnly.entryAt(i)),
                  std::make_tuple(again.entryAt(i), again.authorAnswer(i, 1), i));
}

using ShuffledAttemptTest = apptest::CSampleTest;

// A shuffled attempt through the taker's window: each page shows the
// author's answers in its own slots, and a taker who checks the slots of
// the correct answers has every question right in the author's order.
TEST_F(ShuffledAttemptTest, KeepsTheAnswersInTheAuthorsOrder)
{
    CDeliveryOptions* options = document.getAssessment()->getDeliveryOptions();
    options->setShuffleQuestions(true);
    options->setShuffleAnswers(true);
    openTaking();
    const CAssessmentTaking& taking = *panel->getTaking();
    std::set<unsigned> entriesSeen;
    while (taking.getPage() == CAssessmentTaking::eQuestionPage)
    {
        const unsigned entry = taking.getCurrentEntry();
        entriesSeen.insert(entry);
        const CQuestionData* question = taking.getCurrentQuestion();
        for (unsigned slot = 0; slot < question->getNumAnswers(); ++slot)
        {
            wxWindow* button = panel->FindWindow(CTakeAssessmentPanel::kFirstAnswerButtonID + int(slot));
            // The answer's text is the control after the button's row in the layout.
            bool found = false;
            for (wxWindow* child : panel->GetChildren())
                found = found || (child->IsShown() && child->GetPosition().y == button->GetPosition().y &&
                                  child->GetLabel() ==
                                      question->getAnswer(taking.getOrder().authorAnswer(entry, slot)));
            EXPECT_TRUE(found) << "entry " << entry << " slot " << slot;
        }
        wxArrayInt correct;
        question->getCorrectAnswerIndexes(&correct);
        panel->selectAnswers(taking.getOrder().toShown(entry, correct));
        panel->goForward();
    }
    EXPECT_EQ(entriesSeen.size(), taking.getNumQuestions());
    EXPECT_EQ(taking.countMissedQuestions(), 0u);
}

TEST(AssessmentTakingTest, RightMeansExactlyTheCorrectAnswers)
{
    CAssessmentMgr assessment;
    apptest::addQuestion(assessment, CQuestionData::eMultipleAnswers, 5, {0, 3});
    CAssessmentTaking taking(&assessment);
    taking.setAnswers(0, apptest::indexes({0, 3}));
    EXPECT_TRUE(taking.isAnsweredRight(0));
    taking.setAnswers(0, apptest::indexes({0})); // too few
    EXPECT_FALSE(taking.isAnsweredRight(0));
    taking.setAnswers(0, apptest::indexes({0, 3, 4})); // too many
    EXPECT_FALSE(taking.isAnsweredRight(0));

    CAssessmentMgr empty; // without questions nothing can be submitted
    EXPECT_FALSE(CAssessmentTaking(&empty).canSubmit());
}

} // namespace
