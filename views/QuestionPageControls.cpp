#include "views/QuestionPageControls.h"

#include "external/data/EVFontInfo.h"
#include "external/widgets/VeltoCheckedButton.h"
#include "external/widgets/VeltoStaticCtrl.h"

void CQuestionPageControls::create(wxWindow* parent, CControlSlot* slots, int firstButtonID)
{
    auto newButton = [parent](int id)
    { return new CVeltoCheckedButton(parent, id, wxEmptyString, wxDefaultPosition, wxDefaultSize, 0); };

    slots[kQuestionSlot].text = createText(parent, "{Question data}");
    for (unsigned i = 0; i < kNumAnswers; ++i)
        slots[kFirstAnswerSlot + i].button = newButton(firstButtonID + int(i));
    for (unsigned i = 0; i < kNumAnswers; ++i)
        slots[kFirstAnswerSlot + i].text = createText(parent, wxString::Format("{Answer %u}", i + 1));
    for (unsigned slot = kPreviousSlot; slot <= kSubmitSlot; ++slot)
        slots[slot].button = newButton(firstButtonID + int(kNumAnswers + slot - kPreviousSlot));
}

CVeltoStaticCtrl* CQuestionPageControls::createText(wxWindow* parent, const wxString& label)
{
    return new CVeltoStaticCtrl(parent, wxID_ANY, label, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE,
                                kVeltoStaticCtrlNameStr);
}

void CQuestionPageControls::applyFont(CEVFontInfo* fontInfo) const
{
    const wxFont font = fontInfo->getAsFont();
    for (unsigned slot = kQuestionSlot; slot < kFirstAnswerSlot + kNumAnswers; ++slot)
    {
        if (CVeltoStaticCtrl* text = m_slots[slot].text)
        {
            text->SetFont(font);
            text->SetForegroundColour(fontInfo->getFontColour());
        }
    }
}

CQuestionPageControls::ImageIDs CQuestionPageControls::buttonImageIDs(unsigned slot)
{
    switch (slot)
    {
    case kPreviousSlot:
        return {CEVImageSelections::ePreviousCold, CEVImageSelections::ePreviousHot,
                CEVImageSelections::eNoImage};
    case kNextSlot:
        return {CEVImageSelections::eNextCold, CEVImageSelections::eNextHot, CEVImageSelections::eNoImage};
    case kSubmitSlot:
        return {CEVImageSelections::eSubmitCold, CEVImageSelections::eSubmitHot,
                CEVImageSelections::eNoImage};
    default:
        return {CEVImageSelections::eAnswerButtonCold, CEVImageSelections::eAnswerButtonHot,
                CEVImageSelections::eAnswerButtonChecked};
    }
}

bool CQuestionPageControls::setButtonImages(const ImageSource& source) const
{
    for (unsigned slot = kFirstAnswerSlot; slot < kNumSlots; ++slot)
    {
        CVeltoCheckedButton* button = m_slots[slot].button;
        if (!button)
            continue;
        const ImageIDs ids = buttonImageIDs(slot);
        wxImage cold, hot, checked;
        if (!source(ids[0], &cold) || !source(ids[1], &hot) || !source(ids[2], &checked))
            return false;
        button->setImages(cold, hot, checked);
    }
    return true;
}

void CQuestionPageControls::findButtonForID(int id, CVeltoCheckedButton** button) const
{
    for (unsigned slot = kFirstAnswerSlot; slot < kNumSlots; ++slot)
    {
        CVeltoCheckedButton* candidate = m_slots[slot].button;
        if (candidate && candidate->GetId() == id)
            *button = candidate;
    }
}

bool CQuestionPageControls::takesOneAnswer(CQuestionData::eCategoryType category)
{
    return category == CQuestionData::eTrueFalse || category == CQuestionData::eSingleAnswer;
}

void CQuestionPageControls::answerClicked(const CQuestionData* question, int clickedID,
                                          int* lastClickedID) const
{
    // Answer buttons are visible before the first question page too; without
    // a question there is no rule to enforce yet.
    if (question && takesOneAnswer(question->getCategoryType()) && *lastClickedID != -1)
    {
        CVeltoCheckedButton* previous = nullptr;
        findButtonForID(*lastClickedID, &previous);
        if (previous)
            previous->setChecked(false, true);
    }
    *lastClickedID = clickedID;
}
