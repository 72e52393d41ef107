#include "app/MissedQuestionsPanel.h"

#include "app/AssessmentTaking.h"
#include "app/ImageCache.h"
#include "external/data/AssessmentMgr.h"
#include "external/widgets/VeltoStaticCtrl.h"

#include <wx/intl.h>
#include <wx/toplevel.h>

#include <algorithm>

wxDEFINE_EVENT(EVT_MISSED_REVIEW_DONE, wxCommandEvent);
wxDEFINE_EVENT(EVT_MISSED_PAGE_FAILED, wxCommandEvent);

// Looked up before the base panel's table: the answer clicks never reach the
// base, which would clear a one-answer question's other checked answer.
wxBEGIN_EVENT_TABLE(CMissedQuestionsPanel, CAssessmentViewPanelBase)
    EVT_COMMAND_RANGE(CAssessmentViewPanelBase::kFirstAnswerButtonID,
                      CAssessmentViewPanelBase::kLastAnswerButtonID, wxEVT_BUTTON,
                      CMissedQuestionsPanel::OnAnswerClicked)
    EVT_SIZE(CMissedQuestionsPanel::OnResize)
wxEND_EVENT_TABLE()

CMissedQuestionsPanel::CMissedQuestionsPanel(wxWindow* parent, int id, const wxPoint& pos, const wxSize& size,
                                             long style)
    : CAssessmentViewPanelBase(parent, id, pos, size, style)
{
    zeroInit();
    createControls();
}

void CMissedQuestionsPanel::zeroInit()
{
    m_assessment = nullptr;
    m_images = nullptr;
    m_taking = nullptr;
    m_shown = 0;
    m_reference = nullptr;
}

bool CMissedQuestionsPanel::createControls()
{
    m_reference = new CVeltoStaticCtrl(this, wxID_ANY, wxString());
    m_reference->Hide();
    return true;
}

bool CMissedQuestionsPanel::initialize(CAssessmentMgr* assessment, CImageCache* images,
                                       const CAssessmentTaking* taking)
{
    m_assessment = assessment;
    m_images = images;
    m_taking = taking;
    m_missed.clear();
    m_shown = 0;
    for (unsigned position = 0; position < taking->getNumQuestions(); ++position)
        if (!taking->isAnsweredRight(position) && taking->getQuestion(position) != nullptr)
            m_missed.push_back(position);
    return !m_missed.empty();
}

wxString CMissedQuestionsPanel::markedAnswer(const wxString& text, bool correct, bool chosen)
{
    // Words and symbols, so that the marks read without colour; the symbols
    // stay out of the translated words.
    if (correct && chosen)
        return text + wxString::FromUTF8("   \u2714 ") + _("correct answer, and your answer");
    if (correct)
        return text + wxString::FromUTF8("   \u2714 ") + _("correct answer (not chosen)");
    if (chosen)
        return text + wxString::FromUTF8("   \u2718 ") + _("your answer, not correct");
    return text;
}

wxString CMissedQuestionsPanel::referenceLabel(const wxString& referenceText)
{
    return referenceText.empty() ? wxString() : wxString::Format(_("Reference: %s"), referenceText);
}

bool CMissedQuestionsPanel::showMissed(unsigned index)
{
    m_lastError.clear();
    if (index >= m_missed.size())
    {
        m_lastError = _("No missed question to show.");
        return false;
    }
    m_shown = index;
    const CQuestionData* question = m_taking->getQuestion(m_missed[index]);
    m_shownQuestion = *question;
    wxArrayInt correct;
    question->getCorrectAnswerIndexes(&correct);
    const wxArrayInt& chosen = m_taking->getAnswers(m_missed[index]);
    for (unsigned i = 0; i < question->getNumAnswers(); ++i)
        m_shownQuestion.setAnswer(i,
                                  markedAnswer(question->getAnswer(i), correct.Index(int(i)) != wxNOT_FOUND,
                                               chosen.Index(int(i)) != wxNOT_FOUND));

    setLayoutMode(eQuestionLayout);
    if (!initializeForQuestion(m_assessment->getAttributes(), &m_shownQuestion))
    {
        m_lastError = m_images->getLastError();
        return false;
    }
    showTakersAnswers();
    const CEVFontInfo* font = m_assessment->getAttributes()->getFontInfo();
    m_reference->SetFont(font->getAsFont());
    m_reference->SetForegroundColour(font->getFontColour());
    m_reference->SetLabel(referenceLabel(question->getReferenceText()));
    m_reference->Show(!question->getReferenceText().empty());
    placeReferenceText();

    if (auto* window = dynamic_cast<wxTopLevelWindow*>(wxGetTopLevelParent(this)))
        // TRANSLATORS: the window's title: the missed question shown among the missed ones, then the same
        // question among all the questions of the test.
        window->SetTitle(wxString::Format(_("Evalon: missed question %u of %zu (question %u of %u)"),
                                          index + 1, m_missed.size(), m_missed[index] + 1,
                                          m_taking->getNumQuestions()));
    FindWindow(kPreviousButtonID)->Show(index > 0);
    FindWindow(kNextButtonID)->Show();
    FindWindow(kNextButtonID)->SetFocus();
    return true;
}

void CMissedQuestionsPanel::showTakersAnswers()
{
    const wxArrayInt& chosen = m_taking->getAnswers(m_missed[m_shown]);
    for (unsigned i = 0; i < CQuestionData::kMaxAnswers; ++i)
        setButtonSelection(i, chosen.Index(int(i)) != wxNOT_FOUND, true);
}

void CMissedQuestionsPanel::placeReferenceText()
{
    if (!m_reference->IsShown())
        return;
    // Under the lowest text or answer button of the page, in the answers'
    // column, which keeps clear of the navigation buttons on the right.
    int bottom = 0;
    for (wxWindow* child : GetChildren())
        if (child != m_reference && child->IsShown() && child->GetId() != kPreviousButtonID &&
            child->GetId() != kNextButtonID && child->GetId() != kSubmitButtonID)
            bottom = std::max(bottom, child->GetRect().GetBottom());
    const int buttonWidth = FindWindow(kFirstAnswerButtonID)->GetSize().GetWidth();
    const int x = buttonWidth + int(kOutsidePixelMargin + kInterControlPixelMargin);
    const int navigationWidth = FindWindow(kPreviousButtonID)->GetSize().GetWidth();
    const int width = GetClientSize().GetWidth() - x - navigationWidth - int(2 * kOutsidePixelMargin);
    m_reference->setWidth(unsigned(std::max(width, 100)));
    m_reference->Move(x, bottom + int(2 * kInterControlPixelMargin));
}

void CMissedQuestionsPanel::fail(const wxEventType& type)
{
    wxCommandEvent event(type, GetId());
    event.SetEventObject(this);
    event.SetString(m_lastError);
    ProcessWindowEvent(event);
}

bool CMissedQuestionsPanel::goBack()
{
    if (m_shown == 0 || m_missed.empty())
        return false;
    if (!showMissed(m_shown - 1))
        fail(EVT_MISSED_PAGE_FAILED);
    return true;
}

bool CMissedQuestionsPanel::goForward()
{
    if (m_missed.empty())
        return false;
    if (m_shown + 1 == m_missed.size())
        fail(EVT_MISSED_REVIEW_DONE);
    else if (!showMissed(m_shown + 1))
        fail(EVT_MISSED_PAGE_FAILED);
    return true;
}

void CMissedQuestionsPanel::handlePreviousButtonClicked()
{
    goBack();
}

void CMissedQuestionsPanel::handleNextButtonClicked()
{
    goForward();
}

void CMissedQuestionsPanel::handleSubmitButtonClicked()
{
    // Never shown: the attempt is submitted already.
}

bool CMissedQuestionsPanel::getImageForID(CEVAttributes* attributes, CEVImageSelections::imageID id,
                                          wxImage* image)
{
    return m_images != nullptr && m_images->getImage(attributes, id, image);
}

void CMissedQuestionsPanel::OnAnswerClicked(wxCommandEvent&)
{
    // The button toggled itself before telling us; its state is put back.
    if (!m_missed.empty())
        showTakersAnswers();
}

void CMissedQuestionsPanel::OnResize(wxSizeEvent& event)
{
    OnSize(event);
    placeReferenceText();
}
