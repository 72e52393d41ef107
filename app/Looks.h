#pragma once

#include <wx/arrstr.h>
#include <wx/string.h>

class CEVAttributes;

// The looks installed with evalon: each a folder under share/evalon/looks
// holding look.eva (an assessment file whose attributes are the look: font,
// colour and the thirteen pictures, named relative to the folder) and the
// pictures. A new assessment gets the look "default".
class CLooks
{
public:
    static const char kDefaultLook[];

    // The folder of the installed looks: share/evalon/looks beside the
    // program's bin folder, else the build tree's copy (for a program run
    // from its build folder). Empty when neither exists.
    static wxString getFolder();
    // The names of the installed looks, sorted.
    static wxArrayString getNames();

    // Replaces the attributes with the look's, every picture by its absolute
    // path. False, with a reason naming the look's folder, when the look is
    // missing or damaged or lacks a picture; the attributes are then left as
    // they were.
    static bool apply(const wxString& name, CEVAttributes* attributes, wxString* error);
    // The default look; when it cannot be had, the attributes stay without
    // pictures and `notice` says why and where to choose them.
    static bool applyDefault(CEVAttributes* attributes, wxString* notice);
};
