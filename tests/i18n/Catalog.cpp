#include "tests/i18n/Catalog.h"

#include <wx/arrstr.h>
#include <wx/bookctrl.h>
#include <wx/control.h>
#include <wx/ctrlsub.h>
#include <wx/frame.h>
#include <wx/listctrl.h>
#include <wx/menu.h>
#include <wx/textctrl.h>

#include <algorithm>

namespace evtest
{

namespace
{

void collectMenu(wxMenu* menu, std::vector<wxString>* texts)
{
    for (wxMenuItem* item : menu->GetMenuItems())
    {
        if (item->IsSeparator())
            continue;
        texts->push_back(item->GetItemLabel());
        texts->push_back(item->GetHelp());
        if (item->GetSubMenu())
            collectMenu(item->GetSubMenu(), texts);
    }
}

void collect(wxWindow* window, std::vector<wxString>* texts)
{
    if (auto* top = dynamic_cast<wxTopLevelWindow*>(window))
        texts->push_back(top->GetTitle());
    if (auto* frame = dynamic_cast<wxFrame*>(window); frame && frame->GetMenuBar())
    {
        for (size_t i = 0; i < frame->GetMenuBar()->GetMenuCount(); ++i)
        {
            texts->push_back(frame->GetMenuBar()->GetMenuLabel(i));
            collectMenu(frame->GetMenuBar()->GetMenu(i), texts);
        }
    }
    if (window->GetToolTip())
        texts->push_back(window->GetToolTipText());
    if (auto* book = dynamic_cast<wxBookCtrlBase*>(window))
        for (size_t i = 0; i < book->GetPageCount(); ++i)
            texts->push_back(book->GetPageText(i));
    if (auto* list = dynamic_cast<wxListCtrl*>(window); list && list->InReportView())
    {
        for (int i = 0; i < list->GetColumnCount(); ++i)
        {
            wxListItem column;
            column.SetMask(wxLIST_MASK_TEXT);
            list->GetColumn(i, column);
            texts->push_back(column.GetText());
        }
    }
    if (auto* items = dynamic_cast<wxItemContainerImmutable*>(window))
        for (unsigned i = 0; i < items->GetCount(); ++i)
            texts->push_back(items->GetString(i));
    if (auto* control = dynamic_cast<wxControl*>(window); control && !dynamic_cast<wxTextEntry*>(window))
        texts->push_back(control->GetLabel());
    for (wxWindow* child : window->GetChildren())
        collect(child, texts);
}

} // namespace

bool isMarked(const wxString& text)
{
    for (const wxString& line : wxSplit(text, '\n', '\0'))
        if (!line.empty() && !line.StartsWith(EVALON_CATALOG_MARKER))
            return false;
    return true;
}

std::vector<wxString> shownTexts(wxWindow* window)
{
    std::vector<wxString> all, shown;
    collect(window, &all);
    for (const wxString& text : all)
    {
        const bool hasLetter =
            std::any_of(text.begin(), text.end(), [](wxUniChar c) { return wxIsalpha(c); });
        if (hasLetter && !text.StartsWith("{"))
            shown.push_back(text);
    }
    return shown;
}

} // namespace evtest
