#pragma once

#include "external/widgets/EvalonWidgetsExport.h"

#include <wx/filename.h>
#include <wx/string.h>

/// Finds the executable registered for an application name in the user's
/// registry of applications: the file applications.ini in the user's
/// configuration folder ($XDG_CONFIG_HOME/evalon, by default ~/.config/evalon),
/// one group per application with its "Executable" path (docs/file-formats.md).
class EVALON_WIDGETS_EXPORT CShellFileTypes
{
public:
    /// `description` is informational only and may be null; `file` names a
    /// document of the application's type and may be empty.
    CShellFileTypes(const char* description, const wxString& appName, const wxFileName& file);
    virtual ~CShellFileTypes();

    /// True, with the full path of the registered executable in `path`; false,
    /// `path` untouched, when nothing (or an empty path) is registered for the
    /// name or the registry is damaged. Names are compared regardless of case.
    virtual bool getRegisteredAppFileName(wxString* path);

    /// Registers `executable` for `appName`, replacing any earlier one.
    static bool registerApplication(const wxString& appName, const wxString& executable,
                                    wxString* error = nullptr);
    /// The registry file.
    static wxString getRegistryFileName();

private:
    wxString m_description;
    wxString m_appName;
    wxFileName m_file;
};
