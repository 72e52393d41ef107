#include "interchange/BankFile.h"

#include <wx/ffile.h>
#include <wx/file.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/intl.h>
#include <wx/log.h>

#include <algorithm>

bool CBankFile::makeFolder(const wxString& path)
{
    wxLogNull quiet; // the caller's report says why
    return wxDirExists(path) || wxFileName::Mkdir(path, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
}

bool CBankFile::decodeUtf8(const std::string& bytes, wxString* text, wxString* error)
{
    const size_t skip = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    *text = wxString::FromUTF8(bytes.data() + skip, bytes.size() - skip);
    if (text->empty() && bytes.size() > skip)
    {
        *error = _("not UTF-8 text");
        return false;
    }
    return true;
}

bool CBankFile::naturalLess(const wxString& a, const wxString& b)
{
    size_t i = 0;
    size_t j = 0;
    while (i < a.length() && j < b.length())
    {
        if (wxIsdigit(a[i]) && wxIsdigit(b[j]))
        {
            size_t endA = i;
            size_t endB = j;
            while (endA < a.length() && wxIsdigit(a[endA]))
            {
                ++endA;
            }
            while (endB < b.length() && wxIsdigit(b[endB]))
            {
                ++endB;
            }
            // Longer numbers (leading zeros aside) are larger.
            wxString numberA = a.Mid(i, endA - i);
            wxString numberB = b.Mid(j, endB - j);
            numberA.erase(0, std::min(numberA.find_first_not_of('0'), numberA.length() - 1));
            numberB.erase(0, std::min(numberB.find_first_not_of('0'), numberB.length() - 1));
            if (numberA.length() != numberB.length())
            {
                return numberA.length() < numberB.length();
            }
            if (numberA != numberB)
            {
                return numberA < numberB;
            }
            i = endA;
            j = endB;
            continue;
        }
        if (a[i] != b[j])
        {
            return a[i] < b[j];
        }
        ++i;
        ++j;
    }
    if (a.length() - i != b.length() - j)
    {
        return a.length() - i < b.length() - j;
    }
    return a < b;
}
