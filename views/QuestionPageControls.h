#pragma once

#include "external/data/EVImageSelections.h"
#include "external/data/QuestionData.h"
#include "views/ControlSlot.h"

#include <wx/image.h>

#include <array>
#include <functional>

class CEVFontInfo;
class wxString;
class wxWindow;

// The controls of a question page and what every presentation panel does with
// them: fonts, button pictures and the one-answer rule. Both the test taker's
// panel and the author's preview keep their slots in this order (the test
// taker's panel adds its review texts behind them), so the steps live here
// once and each panel calls them from its own operations.
class CQuestionPageControls
{
public:
    static const unsigned kQuestionSlot = 0;
    static const unsigned kFirstAnswerSlot = 1;
    static const unsigned kNumAnswers = 10;
    static const unsigned kPreviousSlot = 11;
    static const unsigned kNextSlot = 12;
    static const unsigned kSubmitSlot = 13;
    static const unsigned kNumSlots = 14;
    // The two margins of every presentation panel's hand-made layout, in
    // pixels: around the page and between controls. Each panel repeats them
    // under its own name, which hosts use.
    static const unsigned kOutsidePixelMargin = 50;
    static const unsigned kInterControlPixelMargin = 20;

    using ImageIDs = std::array<CEVImageSelections::imageID, 3>;
    // Fills `image` with the picture for an identifier; false when it cannot.
    using ImageSource = std::function<bool(CEVImageSelections::imageID id, wxImage* image)>;

    // `slots` holds at least kNumSlots entries and outlives this object.
    explicit CQuestionPageControls(const CControlSlot* slots) : m_slots(slots) {}

    // Creates the controls of a question page as children of `parent` into
    // slots 0 to kNumSlots - 1, in this order (the order the keyboard visits
    // them): the question text, the ten answer buttons, the ten answer texts,
    // then previous, next and submit. The answer buttons get the identifiers
    // firstButtonID to firstButtonID + 9, the navigation buttons the three
    // after them. Every control starts visible, with a placeholder label.
    static void create(wxWindow* parent, CControlSlot* slots, int firstButtonID);
    // A text of a presentation panel: identifier -1, no border, the widget
    // library's own name.
    static CVeltoStaticCtrl* createText(wxWindow* parent, const wxString& label);

    CVeltoStaticCtrl* questionText() const { return m_slots[kQuestionSlot].text; }
    // `index` counts answers from 0.
    CVeltoStaticCtrl* answerText(unsigned index) const { return m_slots[kFirstAnswerSlot + index].text; }
    CVeltoCheckedButton* answerButton(unsigned index) const
    {
        return m_slots[kFirstAnswerSlot + index].button;
    }
    CVeltoCheckedButton* previousButton() const { return m_slots[kPreviousSlot].button; }
    CVeltoCheckedButton* nextButton() const { return m_slots[kNextSlot].button; }
    CVeltoCheckedButton* submitButton() const { return m_slots[kSubmitSlot].button; }

    // The question text and the answer texts take the assessment's font; the
    // colour is read for each text.
    void applyFont(CEVFontInfo* fontInfo) const;

    // The (cold, hot, checked) picture identifiers of the button in `slot`.
    // Navigation buttons have no checked picture of their own.
    static ImageIDs buttonImageIDs(unsigned slot);
    // Gives every button its three pictures, answer buttons first, then
    // previous, next and submit, each picture fetched anew. Stops with false at
    // the first picture the source cannot give; the buttons before it keep
    // their new pictures.
    bool setButtonImages(const ImageSource& source) const;

    // Stores into `*button` every button whose identifier is `id` (the last
    // one wins); leaves it untouched when none matches.
    void findButtonForID(int id, CVeltoCheckedButton** button) const;

    static bool takesOneAnswer(CQuestionData::eCategoryType category);
    // Bookkeeping after an answer button toggled itself: a one-answer
    // question clears the button clicked before. The button clicked is not
    // compared with it, so a second click on the same answer clears it too.
    void answerClicked(const CQuestionData* question, int clickedID, int* lastClickedID) const;

private:
    const CControlSlot* m_slots;
};
