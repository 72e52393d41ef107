#include "tests/i18n/Catalog.h"

#include <wx/bookctrl.h>
#include <wx/control.h>
#include <wx/ctrlsub.h>
#include <wx/frame.h>
#include <wx/listctrl.h>
#include <wx/menu.h>
#include <wx/textctrl.h>
#include <wx/textfile.h>

#include <algorithm>
#include <regex>

namespace evtest
{

namespace
{

wxString unquoted(wxString line)
{
    line = line.AfterFirst('"').BeforeLast('"');
    wxString text;
    for (size_t i = 0; i < line.length(); ++i)
    {
        if (line[i] != '\\' || i + 1 == line.length())
        {
            text += line[i];
            continue;
        }
        const wxUniChar next = line[++i];
        text += next == 'n' ? wxUniChar('\n') : next == 't' ? wxUniChar('\t') : next;
    }
    return text;
}

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

std::map<wxString, wxString> readCatalog(const wxString& path)
{
    std::map<wxString, wxString> catalog;
    wxTextFile file;
    if (!file.Open(path, wxConvUTF8))
        return catalog;
    wxString id, translation, *reading = nullptr;
    auto flush = [&]
    {
        if (!id.empty())
            catalog[id] = translation;
        id.clear();
        translation.clear();
        reading = nullptr;
    };
    for (wxString line = file.GetFirstLine(); !file.Eof(); line = file.GetNextLine())
    {
        if (line.StartsWith("msgid "))
        {
            flush();
            reading = &id;
        }
        else if (line.StartsWith("msgstr ") || line.StartsWith("msgstr[0] "))
            reading = &translation;
        else if (line.StartsWith("msgid_plural ") || line.StartsWith("msgstr[") ||
                 line.StartsWith("msgctxt "))
            reading = nullptr;
        else if (!line.StartsWith("\""))
            continue;
        if (reading)
            *reading += unquoted(line);
    }
    flush();
    return catalog;
}

std::set<wxString> msgids(const std::map<wxString, wxString>& catalog)
{
    std::set<wxString> ids;
    for (const auto& [id, translation] : catalog)
        ids.insert(id);
    return ids;
}

bool madeFrom(const std::set<wxString>& texts, const wxString& text)
{
    if (texts.count(text))
        return true;
    static const std::wregex special(LR"([.^$|()\[\]{}*+?\\])");
    static const std::wregex placeholder(LR"(%[-+ #0-9.]*(l|ll|z)?[a-zA-Z])");
    for (const wxString& candidate : texts)
    {
        if (!candidate.Contains("%"))
            continue;
        std::wstring pattern = std::regex_replace(candidate.ToStdWstring(), special, L"\\$&");
        pattern = std::regex_replace(pattern, std::wregex(L"%%"), L"%");
        pattern = std::regex_replace(pattern, placeholder, L"[^]*");
        if (std::regex_match(text.ToStdWstring(), std::wregex(pattern)))
            return true;
    }
    return false;
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
