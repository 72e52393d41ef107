#pragma once

class CVeltoStaticCtrl;
class CVeltoCheckedButton;

// One place of a presentation panel: a text, a button, or both. Either pointer
// may be null; the controls are children of the panel and die with it.
struct CControlSlot
{
    CVeltoStaticCtrl* text = nullptr;
    CVeltoCheckedButton* button = nullptr;
};
