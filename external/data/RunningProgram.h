#pragma once

#include "external/data/EvalonDataExport.h"

#include <wx/string.h>

/// The program this process runs, whichever host it is.
class EVALON_DATA_EXPORT CRunningProgram
{
public:
    /// The folder of the program's file, links resolved; empty where the
    /// system does not say. Read from the system rather than from
    /// wxStandardPaths, which needs an application object that a host's
    /// commands without windows may not have.
    static wxString folder();
};
