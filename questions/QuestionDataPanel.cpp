#include "questions/QuestionDataPanel.h"

#include "external/data/QuestionData.h"
#include "external/data/Translations.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/translation.h>

#include <algorithm>

namespace
{

// Control identifiers; the answer pairs use runs of kMaxNumAnswers from the
// first check box and the first answer text.
enum
{
    kQuestionTextId = 0,
    kCategoryTypeChoiceId = 1,
    kNumAnswersChoiceId = 2,
    kFirstCheckBoxId = 3,
    kLastCheckBoxId = kFirstCheckBoxId + CQuestionDataPanel::kMaxNumAnswers - 1,
    kFirstAnswerTextId = kLastCheckBoxId + 1,
    kReferenceTextId = 0
};

// Category 0 is true/false: two fixed answers, one of them correct.
const int kTrueFalseCategory = 0;
// Categories up to this one take exactly one correct answer.
const int kLastSingleAnswerCategory = 1;

const wxSize kLongTextSize(500, 75);
const int kNumAnswersChoiceWidth = 50;

wxTextCtrl* createLongText(wxWindow* parent, int id)
{
    return new wxTextCtrl(parent, id, wxEmptyString, wxDefaultPosition, kLongTextSize, wxTE_MULTILINE);
}

// A static box holding one long text that fills it.
wxStaticBoxSizer* createLongTextBox(wxWindow* parent, const wxString& label, int id, wxTextCtrl** text)
{
    wxStaticBoxSizer* box = new wxStaticBoxSizer(wxVERTICAL, parent, label);
    *text = createLongText(box->GetStaticBox(), id);
    box->Add(*text, 1, wxEXPAND | wxALL, 5);
    return box;
}

bool isSingleAnswerCategory(int category)
{
    return category != wxNOT_FOUND && category <= kLastSingleAnswerCategory;
}

} // namespace

// (clang-format reads the table's closing macro as an unfinished statement and
// would run it into the constructor.)
wxBEGIN_EVENT_TABLE(CQuestionDataPanel, wxPanel)
    EVT_CHOICE(kNumAnswersChoiceId, CQuestionDataPanel::OnNumAnswersChanged)
    EVT_CHOICE(kCategoryTypeChoiceId, CQuestionDataPanel::OnCategoryTypeChanged)
    EVT_COMMAND_RANGE(kFirstCheckBoxId, kLastCheckBoxId, wxEVT_CHECKBOX,
                      CQuestionDataPanel::OnCheckBoxClicked)
wxEND_EVENT_TABLE()

CQuestionDataPanel::CQuestionDataPanel(wxWindow* parent, int id, const wxPoint& pos, const wxSize& size,
                                       long style, const wxString& name)
    : wxPanel(parent, id, pos, size, style, name)
{
    CTranslations::useSystemLanguageUnlessChosen();
    zeroInit();
    createControls();
}

CQuestionDataPanel::~CQuestionDataPanel()
{
    // The controls are child windows and go with the panel; only the pair block is ours.
    delete[] m_answerControls;
    zeroInit();
}

void CQuestionDataPanel::zeroInit()
{
    m_questionData = nullptr;
    m_questionTextCtrl = nullptr;
    m_categoryTypeChoice = nullptr;
    m_numAnswersChoice = nullptr;
    m_answerControls = nullptr;
    m_referenceTextCtrl = nullptr;
}

bool CQuestionDataPanel::createControls()
{
    wxBoxSizer* panelSizer = new wxBoxSizer(wxVERTICAL);

    panelSizer->Add(createLongTextBox(this, _("Question Text"), kQuestionTextId, &m_questionTextCtrl), 0,
                    wxEXPAND | wxALL, 5);

    wxStaticBoxSizer* answerBox = new wxStaticBoxSizer(wxVERTICAL, this, _("Answer Info"));
    wxWindow* answerParent = answerBox->GetStaticBox();

    wxBoxSizer* choiceRow = new wxBoxSizer(wxHORIZONTAL);
    // A throw-away question supplies the category labels.
    const wxArrayString categoryLabels = CQuestionData().getCategoryTypeLabelArray();
    m_categoryTypeChoice =
        new wxChoice(answerParent, kCategoryTypeChoiceId, wxDefaultPosition, wxDefaultSize, categoryLabels);
    wxArrayString countLabels;
    for (unsigned count = kMinNumAnswers; count <= kMaxNumAnswers; ++count)
        countLabels.Add(wxString::Format("%u", count));
    m_numAnswersChoice = new wxChoice(answerParent, kNumAnswersChoiceId, wxDefaultPosition,
                                      wxSize(kNumAnswersChoiceWidth, -1), countLabels);
    // Some themes (GTK's default among them) cannot draw the choice that narrow and
    // cut off its left edge: give it the width it needs to show "10" whole.
    m_numAnswersChoice->SetMinSize(
        wxSize(std::max(kNumAnswersChoiceWidth, m_numAnswersChoice->GetBestSize().x), -1));
    choiceRow->Add(new wxStaticText(answerParent, wxID_ANY, _("Category Type:")), 0,
                   wxALIGN_CENTER_VERTICAL | wxALL, 5);
    choiceRow->Add(m_categoryTypeChoice, 0, wxALIGN_CENTER_VERTICAL | wxALL, 5);
    choiceRow->Add(new wxStaticText(answerParent, wxID_ANY, _("Number of Answers:")), 0,
                   wxALIGN_CENTER_VERTICAL | wxALL, 5);
    choiceRow->Add(m_numAnswersChoice, 0, wxALIGN_CENTER_VERTICAL | wxALL, 5);
    choiceRow->AddStretchSpacer(1);
    answerBox->Add(choiceRow, 0, wxEXPAND, 0);

    m_answerControls = new CAnswerControls[kMaxNumAnswers];
    const unsigned half = kMaxNumAnswers / 2;
    wxBoxSizer* columnsRow = new wxBoxSizer(wxHORIZONTAL);
    wxBoxSizer* leftColumn = new wxBoxSizer(wxVERTICAL);
    wxBoxSizer* rightColumn = new wxBoxSizer(wxVERTICAL);
    createAnswerColumn(answerParent, leftColumn, 0, half);
    createAnswerColumn(answerParent, rightColumn, half, kMaxNumAnswers);
    columnsRow->Add(leftColumn, 1, wxEXPAND, 0);
    columnsRow->Add(rightColumn, 1, wxEXPAND, 0);
    answerBox->Add(columnsRow, 0, wxEXPAND, 0);

    wxBoxSizer* hintRow = new wxBoxSizer(wxHORIZONTAL);
    hintRow->Add(
        new wxStaticText(answerParent, wxID_ANY, _("^-- Select correct answer(s) using checkboxes.")), 0,
        wxALL, 10);
    answerBox->Add(hintRow, 0, wxEXPAND, 0);

    panelSizer->Add(answerBox, 0, wxEXPAND | wxALL, 5);

    panelSizer->Add(createLongTextBox(this, _("Reference Text"), kReferenceTextId, &m_referenceTextCtrl), 0,
                    wxEXPAND | wxALL, 5);

    // The host decides the panel's size; the sizer only gives its best size.
    SetSizer(panelSizer);
    return true;
}

void CQuestionDataPanel::createAnswerColumn(wxWindow* parent, wxSizer* column, unsigned firstIndex,
                                            unsigned endIndex)
{
    for (unsigned i = firstIndex; i < endIndex; ++i)
    {
        CAnswerControls& pair = m_answerControls[i];
        pair.checkBox = new wxCheckBox(parent, kFirstCheckBoxId + i, wxEmptyString);
        pair.answerText = new wxTextCtrl(parent, kFirstAnswerTextId + i, wxEmptyString);
        wxBoxSizer* row = new wxBoxSizer(wxHORIZONTAL);
        row->Add(pair.checkBox, 0, wxALIGN_CENTER_VERTICAL | wxALL, 5);
        row->Add(pair.answerText, 1, wxEXPAND | wxALL, 5);
        column->Add(row, 0, wxEXPAND, 0);
    }
}

bool CQuestionDataPanel::initialize(CQuestionData* questionData)
{
    m_questionData = questionData;
    TransferDataToWindow();
    return true;
}

bool CQuestionDataPanel::TransferDataToWindow()
{
    if (!m_questionData)
        return updateControls();

    m_questionTextCtrl->ChangeValue(m_questionData->getQuestion());

    // A category without a label shows no selection rather than a wrong one.
    const unsigned category = m_questionData->getCategoryType();
    m_categoryTypeChoice->SetSelection(category < m_categoryTypeChoice->GetCount() ? int(category)
                                                                                   : wxNOT_FOUND);

    setNumAnswersToCtrl(m_questionData->getNumAnswers());

    uncheckAllCheckboxes();
    wxArrayInt correctIndexes;
    m_questionData->getCorrectAnswerIndexes(&correctIndexes);
    for (int index : correctIndexes)
        if (index >= 0 && unsigned(index) < kMaxNumAnswers)
            m_answerControls[index].checkBox->SetValue(true);

    // All ten, whatever the count: lowering it later must not lose what the author typed.
    for (unsigned i = 0; i < kMaxNumAnswers; ++i)
        m_answerControls[i].answerText->ChangeValue(m_questionData->getAnswer(i));

    m_referenceTextCtrl->ChangeValue(m_questionData->getReferenceText());
    m_questionTextCtrl->SetFocus();
    return updateControls();
}

bool CQuestionDataPanel::TransferDataFromWindow()
{
    if (!m_questionData)
        return updateControls();

    m_questionData->setQuestion(m_questionTextCtrl->GetValue());
    m_questionData->setCategoryType(m_categoryTypeChoice->GetSelection());
    m_questionData->setNumAnswers(int(getNumAnswersFromCtrl()));

    // Every checked box counts, disabled or not.
    wxArrayInt correctIndexes;
    for (unsigned i = 0; i < kMaxNumAnswers; ++i)
        if (m_answerControls[i].checkBox->GetValue())
            correctIndexes.Add(int(i));
    m_questionData->setCorrectAnswerIndexes(&correctIndexes);

    // Texts beyond the count stay in the controls but are not stored.
    for (unsigned i = 0; i < std::min(getNumAnswersFromCtrl(), unsigned(kMaxNumAnswers)); ++i)
        m_questionData->setAnswer(i, m_answerControls[i].answerText->GetValue());

    m_questionData->setReferenceText(m_referenceTextCtrl->GetValue());
    return updateControls();
}

void CQuestionDataPanel::OnNumAnswersChanged(wxCommandEvent&)
{
    const unsigned numAnswers = getNumAnswersFromCtrl();
    for (unsigned i = numAnswers; i < kMaxNumAnswers; ++i)
        m_answerControls[i].checkBox->SetValue(false);
    updateControls();
}

void CQuestionDataPanel::OnCategoryTypeChanged(wxCommandEvent&)
{
    uncheckAllCheckboxes();
    if (m_categoryTypeChoice->GetSelection() == kTrueFalseCategory)
    {
        m_answerControls[0].answerText->ChangeValue("True");
        m_answerControls[1].answerText->ChangeValue("False");
    }
    updateControls();
}

void CQuestionDataPanel::OnCheckBoxClicked(wxCommandEvent& event)
{
    if (!event.IsChecked() || !isSingleAnswerCategory(m_categoryTypeChoice->GetSelection()))
        return;
    // One correct answer at most: the click replaces the answer checked before.
    uncheckAllCheckboxes();
    m_answerControls[event.GetId() - kFirstCheckBoxId].checkBox->SetValue(true);
}

unsigned CQuestionDataPanel::getNumAnswersFromCtrl() const
{
    const int selection = m_numAnswersChoice->GetSelection();
    unsigned long numAnswers = 0;
    if (selection == wxNOT_FOUND || !m_numAnswersChoice->GetString(selection).ToULong(&numAnswers))
        return 0;
    return unsigned(numAnswers);
}

void CQuestionDataPanel::setNumAnswersToCtrl(unsigned numAnswers)
{
    if (numAnswers < kMinNumAnswers)
        numAnswers = kDefaultNumAnswers;
    numAnswers = std::min(numAnswers, unsigned(kMaxNumAnswers));
    m_numAnswersChoice->SetSelection(int(numAnswers - kMinNumAnswers));
}

void CQuestionDataPanel::uncheckAllCheckboxes()
{
    for (unsigned i = 0; i < kMaxNumAnswers; ++i)
        m_answerControls[i].checkBox->SetValue(false);
}

bool CQuestionDataPanel::updateControls()
{
    const bool trueFalse = m_categoryTypeChoice->GetSelection() == kTrueFalseCategory;
    if (trueFalse)
        setNumAnswersToCtrl(kMinNumAnswers);
    m_numAnswersChoice->Enable(!trueFalse);

    // Pairs 0 and 1 are always in use.
    const unsigned numAnswers = getNumAnswersFromCtrl();
    for (unsigned i = kMinNumAnswers; i < kMaxNumAnswers; ++i)
    {
        m_answerControls[i].checkBox->Enable(numAnswers > i);
        m_answerControls[i].answerText->Enable(numAnswers > i);
    }
    return true;
}
