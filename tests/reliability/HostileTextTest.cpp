// Texts an author may paste from anywhere: a 1 MiB question, control
// characters, right-to-left runs, piles of combining marks and emoji. They
// go through a question file and onto a question page without a crash, a
// hang or a file that no longer loads.
#include "tests/support/WxTest.h"
#include "tests/views/ViewHost.h"

#include "external/data/EVAttributes.h"
#include "external/data/QuestionData.h"
#include "external/data/QuestionDataSerializer.h"
#include "external/widgets/VeltoStaticCtrl.h"

#include <wx/frame.h>

namespace
{

const wxString kRightToLeft = wxString::FromUTF8("\u05E9\u05DC\u05D5\u05DD \u0645\u0631\u062D\u0628\u0627 "
                                                 "\u202Eevil override\u202C \u200Fmark\u200E 123");
const wxString kEmoji =
    wxString::FromUTF8("\U0001F469\u200D\U0001F469\u200D\U0001F467\u200D\U0001F466 "
                       "\U0001F1EB\U0001F1F7 \U0001F44D\U0001F3FF \u2764\uFE0F \U0001F600");

// "e" under sixty combining marks, then a word with one per letter.
wxString combiningMarks()
{
    wxString text = "e";
    for (wchar_t mark = 0x0300; mark < 0x033C; ++mark)
        text += mark;
    return text + wxString::FromUTF8(" Z\u0351a\u0352l\u0353g\u0354o\u0355");
}

// Every C0 control, DEL, C1 controls, separators and noncharacters.
wxString controlCharacters()
{
    wxString text = "controls:";
    for (wchar_t control = 1; control < 0x20; ++control)
        text += control;
    for (wchar_t control : {0x7F, 0x85, 0x9F, 0x2028, 0x2029, 0xFEFF, 0xFFFE, 0xFFFF})
        text += control;
    return text + ":end";
}

// A mebibyte of text: words in several scripts, then one word with no place
// to break it.
wxString mebibyteQuestion()
{
    const wxString words = "Which answer is right? " + kRightToLeft + " " + kEmoji + " ";
    wxString text;
    while (text.length() < 512 * 1024)
        text += words;
    return text + wxString('x', 1024 * 1024 - text.length());
}

CQuestionData hostileQuestion(const wxString& text)
{
    CQuestionData question;
    question.setCategoryType(CQuestionData::eMultipleAnswers);
    question.setNumAnswers(5);
    question.setQuestion(text);
    const wxString answers[] = {kRightToLeft, kEmoji, combiningMarks(), controlCharacters(),
                                wxString('W', 5000)};
    for (unsigned index = 0; index < 5; ++index)
        question.setAnswer(index, answers[index]);
    wxArrayInt correct;
    correct.Add(1);
    correct.Add(3);
    question.setCorrectAnswerIndexes(&correct);
    question.setReferenceText(controlCharacters() + kRightToLeft);
    return question;
}

// Characters an XML 1.0 file cannot hold in any form.
wxString withoutUnstorable(const wxString& text)
{
    wxString kept;
    for (wxUniChar c : text)
    {
        const wxUint32 code = c.GetValue();
        if ((code >= 0x20 || code == '\t' || code == '\n' || code == '\r') && code != 0xFFFE &&
            code != 0xFFFF)
            kept += c;
    }
    return kept;
}

using HostileTextFileTest = evtest::CTempDirTest;

TEST_F(HostileTextFileTest, QuestionFilesKeepEveryTextAFileCanHold)
{
    // The answers and the reference hold the other hostile texts.
    const wxString text = mebibyteQuestion();
    CQuestionData question = hostileQuestion(text);
    CQuestionDataSerializer writer(&question, path("hostile.itm"));
    ASSERT_TRUE(writer.store()) << writer.getLastError();

    CQuestionData loaded;
    CQuestionDataSerializer reader(&loaded, path("hostile.itm"));
    ASSERT_TRUE(reader.load()) << reader.getLastError();
    EXPECT_TRUE(loaded.getQuestion() == withoutUnstorable(text));
    for (unsigned index = 0; index < 5; ++index)
        EXPECT_EQ(loaded.getAnswer(index), withoutUnstorable(question.getAnswer(index))) << index;
    EXPECT_EQ(loaded.getReferenceText(), withoutUnstorable(question.getReferenceText()));
}

class HostileTextPageTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto* frame = new wxFrame(nullptr, wxID_ANY, "hostile", wxPoint(0, 0));
        host = new CViewHost(frame);
        frame->SetClientSize(1000, 800);
        frame->Show();
        attributes.getFontInfo()->setFontSize(16);
        attributes.getFontInfo()->setFontColour(*wxWHITE);
        ASSERT_TRUE(evtest::pumpUntil([&] { return host->GetClientSize() == wxSize(1000, 800); }));
    }

    // Shows `question` and paints the page; whether it was shown.
    bool showAndPaint(CQuestionData* question)
    {
        const bool shown = host->initializeForQuestion(&attributes, question);
        host->Refresh();
        host->Update();
        evtest::pumpEvents();
        EXPECT_TRUE(evtest::grabWindow(host).IsOk());
        return shown;
    }

    CViewHost* host = nullptr;
    CEVAttributes attributes;
};

TEST_F(HostileTextPageTest, QuestionPagesLayOutAndPaintHostileTextsAsFarAsAWindowReaches)
{
    CQuestionData mixed =
        hostileQuestion(kRightToLeft + " " + combiningMarks() + " " + kEmoji + " " + controlCharacters());
    EXPECT_TRUE(showAndPaint(&mixed));
    CVeltoStaticCtrl* text = textsOf(host).at(0); // the question's text comes first
    EXPECT_TRUE(text->IsShown());
    EXPECT_GT(text->getWrappedLines().size(), 0u);

    CQuestionData huge = hostileQuestion(mebibyteQuestion());
    showAndPaint(&huge);
    EXPECT_LE(text->GetSize().GetHeight(), 32767);
    // The page that follows is an ordinary one again.
    CQuestionData plain = hostileQuestion("A short question?");
    EXPECT_TRUE(showAndPaint(&plain));
    EXPECT_EQ(text->getWrappedLines().size(), 1u);
}

} // namespace
