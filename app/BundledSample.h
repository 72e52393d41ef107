#pragma once

#include <wx/string.h>

// The sample assessment that comes with evalon.
class CBundledSample
{
public:
    // Its assessment file: in an installation share/evalon-ui/sample beside the
    // program's bin folder, else the source tree's samples/sample (for a
    // program run from its build folder). Empty when neither exists.
    static wxString getFile();
};
