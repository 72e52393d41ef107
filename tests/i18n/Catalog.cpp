#include "tests/i18n/Catalog.h"

#include <gtest/gtest.h>

#include <wx/bookctrl.h>
#include <wx/control.h>
#include <wx/ctrlsub.h>
#include <wx/filename.h>
#include <wx/frame.h>
#include <wx/listctrl.h>
#include <wx/menu.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <cstdio>

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

int run(const wxString& command, wxString* output)
{
    FILE* pipe = popen((command + " 2>&1").utf8_string().c_str(), "r");
    if (!pipe)
        return -1;
    char buffer[4096];
    std::string text;
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        text.append(buffer, n);
    *output = wxString::FromUTF8(text);
    return pclose(pipe);
}

wxString quoted(const wxString& path)
{
    return "'" + path + "'";
}

void writeMarkedCatalog(const wxString& prefix, const wxString& language)
{
    const wxString folder = prefix + "/" + language + "/LC_MESSAGES";
    ASSERT_TRUE(wxFileName::Mkdir(folder, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL));
    // An English catalog has every message translated as itself.
    const wxString english = quoted(prefix + "/en.po"), marked = quoted(prefix + "/marked.po");
    wxString output;
    ASSERT_EQ(run(wxString::Format("LC_ALL=C %s --no-translator --locale=en_US -i %s -o %s && "
                                   "LC_ALL=C %s --keep-header -i %s -o %s sed -e 's/^/%s/' && %s -o %s %s",
                                   quoted(EVALON_MSGINIT), quoted(EVALON_SOURCE_DIR "/po/evalon-ui.pot"),
                                   english, quoted(EVALON_MSGFILTER), english, marked, kMarker,
                                   quoted(EVALON_MSGFMT), quoted(folder + "/evalon-ui.mo"), marked),
                  &output),
              0)
        << output;
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
