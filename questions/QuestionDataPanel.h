#pragma once

#include "questions/EvalonQuestionsExport.h"

#include <wx/panel.h>

#include <cstdint>

class CQuestionData;
class wxCheckBox;
class wxChoice;
class wxTextCtrl;

// Should a question hold a value outside the model's limits, the panel still
// selects only items its choices have and addresses only pairs 0 to 9:
// - a count above 10 selects the last item, "10" (a count below 2 shows the
//   default, "5");
// - correct-answer indexes outside 0 to 9 are ignored;
// - a category without a label leaves the category choice without a selection,
//   so the count stays editable; storing then hands the data library "no
//   category" (-1), which it refuses, so the question keeps its category.
// Our data library's setters already keep every value within the limits, and
// setNumAnswersToCtrl is private and only ever handed the question's count or
// 2, so no public operation can reach these guards and no test drives them.

/// The editor of one multiple-choice question: its text, category, number of
/// answers (2 to 10), the ten answer texts with a check box each for the correct
/// ones, and a free reference text. The panel never owns the question: the
/// controls are filled by TransferDataToWindow and the question is changed only
/// by TransferDataFromWindow, which a hosting dialog calls when the author
/// confirms. Texts are stored exactly as typed; nothing is validated.
///
/// While editing, the true/false category (0) writes "True" and "False" into the
/// first two answers and fixes the count at 2; categories 0 and 1 hold at most
/// one correct answer. Pairs beyond the count are disabled and their boxes
/// cleared, but their texts stay in the controls (they are not stored).
class EVALON_QUESTIONS_EXPORT CQuestionDataPanel : public wxPanel
{
public:
    /// The numbers of answers the author can choose from, and the one shown
    /// for a question with fewer than two.
    ///@{
    static constexpr uint32_t kMinNumAnswers = 2;
    static constexpr uint32_t kMaxNumAnswers = 10;
    static constexpr uint32_t kDefaultNumAnswers = 5;
    ///@}

    /// Creates the panel and its controls, empty; initialize() loads a
    /// question. The arguments are the toolkit's.
    CQuestionDataPanel(wxWindow* parent, int id = wxID_ANY, const wxPoint& pos = wxDefaultPosition,
                       const wxSize& size = wxDefaultSize, long style = wxTAB_TRAVERSAL,
                       const wxString& name = wxPanelNameStr);
    ~CQuestionDataPanel() override;

    /// Binds the question (null allowed) and loads it into the controls.
    bool initialize(CQuestionData* questionData);

    /// Fills the controls from the question, or writes every control back
    /// into it (the question's text, category, count, answers, correct answers
    /// and reference text). Without a question both do nothing.
    ///@{
    bool TransferDataToWindow() override;
    bool TransferDataFromWindow() override;
    ///@}

protected:
    /// The construction steps the constructor runs: every pointer to null,
    /// then the controls and sizers.
    ///@{
    void zeroInit();
    bool createControls();
    ///@}

    /// Keep the controls consistent while the author edits: the count and
    /// the category enable the answer pairs and fill in true/false, a tick on
    /// a one-answer question clears the others.
    ///@{
    void OnNumAnswersChanged(wxCommandEvent& event);
    void OnCategoryTypeChanged(wxCommandEvent& event);
    void OnCheckBoxClicked(wxCommandEvent& event);
    ///@}

private:
    // The controls of the answer of one index.
    struct CAnswerControls
    {
        wxCheckBox* checkBox;
        wxTextCtrl* answerText;
    };

    void createAnswerColumn(wxWindow* parent, wxSizer* column, unsigned firstIndex, unsigned endIndex);

    // The selected count, 0 when nothing (or no number) is selected.
    unsigned getNumAnswersFromCtrl() const;
    void setNumAnswersToCtrl(unsigned numAnswers);
    void uncheckAllCheckboxes();
    // Enabled states (and, for true/false, the count) from the two choices.
    bool updateControls();

    CQuestionData* m_questionData;
    wxTextCtrl* m_questionTextCtrl;
    wxChoice* m_categoryTypeChoice;
    wxChoice* m_numAnswersChoice;
    CAnswerControls* m_answerControls; // kMaxNumAnswers pairs, pair i for answer index i
    wxTextCtrl* m_referenceTextCtrl;

    wxDECLARE_EVENT_TABLE();
};
