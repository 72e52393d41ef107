#include "views/EVTestViewPanel.h"

#include "external/data/EVAttributes.h"
#include "external/data/QuestionData.h"
#include "external/data/Translations.h"
#include "external/widgets/PictureLoader.h"
#include "external/widgets/VeltoCheckedButton.h"
#include "external/widgets/VeltoStaticCtrl.h"
#include "views/QuestionPageLayout.h"
#include "views/ScaledBackground.h"

#include <wx/dc.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/toplevel.h>

wxBEGIN_EVENT_TABLE(CEVTestViewPanel, wxPanel)
    EVT_ERASE_BACKGROUND(CEVTestViewPanel::OnEraseBackground)
    EVT_SIZE(CEVTestViewPanel::OnSize)
    EVT_COMMAND_RANGE(CEVTestViewPanel::kFirstAnswerButtonID, CEVTestViewPanel::kLastAnswerButtonID,
                      wxEVT_BUTTON, CEVTestViewPanel::OnAnswerButtonClicked)
    EVT_BUTTON(CEVTestViewPanel::kPreviousButtonID, CEVTestViewPanel::OnNavigationButtonClicked)
    EVT_BUTTON(CEVTestViewPanel::kNextButtonID, CEVTestViewPanel::OnNavigationButtonClicked)
    EVT_BUTTON(CEVTestViewPanel::kSubmitButtonID, CEVTestViewPanel::OnNavigationButtonClicked)
wxEND_EVENT_TABLE()

CEVTestViewPanel::CEVTestViewPanel(wxWindow* parent, int id, const wxPoint& pos, const wxSize& size,
                                   long style, const wxString& name)
    : wxPanel(parent, id, pos, size, style, name)
{
    CTranslations::useSystemLanguageUnlessChosen();
    zeroInit();
    createControls();
}

CEVTestViewPanel::~CEVTestViewPanel() = default;

void CEVTestViewPanel::zeroInit()
{
    m_question = nullptr;
    m_attributes = nullptr;
    m_lastClickedID = -1;
    for (CControlSlot& slot : m_controls)
        slot = CControlSlot();
    m_backgroundImage.Destroy();
}

bool CEVTestViewPanel::createControls()
{
    CQuestionPageControls::create(this, m_controls, kFirstAnswerButtonID);
    return true;
}

bool CEVTestViewPanel::initialize(CEVAttributes* attributes, CQuestionData* question)
{
    m_question = question;
    m_attributes = attributes;
    if (!initializeImages() || !initializeFonts() || !hideInvalidWindows())
        return false;
    TransferDataToWindow();
    return true;
}

bool CEVTestViewPanel::initializeDisplaySize(wxTopLevelWindow* window)
{
    window->SetClientSize(m_backgroundImage.GetWidth(), m_backgroundImage.GetHeight());
    window->Move(0, 0);
    return true;
}

bool CEVTestViewPanel::TransferDataToWindow()
{
    if (m_question)
    {
        const CQuestionPageControls page = questionPage();
        page.questionText()->SetLabel(m_question->getQuestion());
        // All ten, whatever the count: the hidden ones are simply not seen.
        for (unsigned i = 0; i < CQuestionPageControls::kNumAnswers; ++i)
            if (CVeltoStaticCtrl* text = page.answerText(i))
                text->SetLabel(m_question->getAnswer(i));
        if (!layoutControls())
            return false;
    }
    return updateControls();
}

bool CEVTestViewPanel::TransferDataFromWindow()
{
    return updateControls();
}

bool CEVTestViewPanel::updateControls()
{
    return true;
}

// ---------------------------------------------------------------------------
// Pictures, fonts and visibility

bool CEVTestViewPanel::initializeImages()
{
    CEVImageSelections* selections = m_attributes->getImageSelections();
    const CImageSelectionsInfo* background =
        selections->getImageSelectionsInfoFor(CEVImageSelections::eQuestionBackground);
    const wxString backgroundPath = background ? background->getAbsolutePath() : wxString();
    // A page without its background is not the page the test taker would see.
    if (!wxFileName::FileExists(backgroundPath) || !loadImage(backgroundPath, &m_backgroundImage) ||
        !m_backgroundImage.IsOk())
        return false;

    return questionPage().setButtonImages(
        [selections](CEVImageSelections::imageID id, wxImage* image)
        {
            // No record (eNoImage) or no path: the picture is not chosen and
            // stays empty; the button then draws without it.
            const CImageSelectionsInfo* info = selections->getImageSelectionsInfoFor(id);
            return !info || loadImage(info->getAbsolutePath(), image);
        });
}

bool CEVTestViewPanel::loadImage(const wxString& path, wxImage* image)
{
    if (path.empty())
        return true;
    // The result says it all: the loader refuses, before decoding, whatever
    // could crash the program or exhaust its memory, and logs nothing that
    // would pop up over the author's dialog.
    return CPictureLoader::load(path, image);
}

bool CEVTestViewPanel::initializeFonts()
{
    questionPage().applyFont(m_attributes->getFontInfo());
    return true;
}

bool CEVTestViewPanel::hideInvalidWindows()
{
    // Everything is visible from its creation, the navigation buttons
    // included; only the answers beyond the question's count go.
    const unsigned numAnswers = m_question->getNumAnswers();
    const CQuestionPageControls page = questionPage();
    for (unsigned i = numAnswers; i < CQuestionPageControls::kNumAnswers; ++i)
    {
        if (CVeltoStaticCtrl* text = page.answerText(i))
            text->Show(false);
        if (CVeltoCheckedButton* button = page.answerButton(i))
            button->Show(false);
    }
    return true;
}

bool CEVTestViewPanel::layoutControls()
{
    return CQuestionPageLayout(questionPage(), kOutsidePixelMargin, kInterControlPixelMargin)
        .layout(GetClientSize());
}

// ---------------------------------------------------------------------------
// Events

void CEVTestViewPanel::OnEraseBackground(wxEraseEvent& event)
{
    // Not skipped, also without a picture: the toolkit's own erasing would
    // paint over the page.
    if (wxDC* dc = event.GetDC())
        paintScaledBackground(*dc, m_backgroundImage, GetClientSize());
}

void CEVTestViewPanel::OnSize(wxSizeEvent&)
{
    layoutControls();
}

void CEVTestViewPanel::OnAnswerButtonClicked(wxCommandEvent& event)
{
    // The button has toggled itself already; only the one-answer rule is left.
    questionPage().answerClicked(m_question, event.GetId(), &m_lastClickedID);
}

void CEVTestViewPanel::OnNavigationButtonClicked(wxCommandEvent&)
{
}
