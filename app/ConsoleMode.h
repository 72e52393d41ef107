#pragma once

#include <wx/init.h>
#include <wx/string.h>

/// The set-up of a mode of the program that opens no window (question banks,
/// results, the usage text): a console application of ours and the toolkit
/// started without a display, with the texts in the language of `--lang` or
/// the system's. Made on the stack for the length of the mode.
class CConsoleMode
{
public:
    explicit CConsoleMode(const wxString& language);

    /// Whether the toolkit could be started.
    bool isOk() const { return m_initializer.IsOk(); }

private:
    // Made first: the toolkit starts with our application in place, so that
    // it looks for no display.
    struct SConsoleApp
    {
        SConsoleApp();
    } m_app;
    wxInitializer m_initializer;
};
