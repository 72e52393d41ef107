#include "external/widgets/ShellFileTypes.h"

#include "external/data/FileBytes.h"

#include <wx/convauto.h>
#include <wx/ffile.h>
#include <wx/file.h>
#include <wx/fileconf.h>
#include <wx/filefn.h>
#include <wx/log.h>
#include <wx/mstream.h>
#include <wx/sstream.h>
#include <wx/translation.h>
#include <wx/utils.h>

#include <cstring>
#include <memory>
#include <string>

namespace
{

const char kExecutableKey[] = "Executable";

// Counts the problems wxFileConfig meets while it parses: it skips a bad line
// and goes on, so its log is the only sign that the file is damaged, and a
// repeated group header even trips one of its assertions (which would show the
// user an assertion dialog). Logging is forced on meanwhile so that a caller's
// wxLogNull cannot hide the problems.
class CParseProblemCounter : public wxLog
{
public:
    CParseProblemCounter()
        : m_previousTarget(wxLog::SetActiveTarget(this)), m_previousLevel(wxLog::GetLogLevel()),
          m_wasEnabled(wxLog::EnableLogging(true)), m_previousAssertHandler(wxSetAssertHandler(countAssert))
    {
        wxLog::SetLogLevel(wxLOG_Max);
        s_asserts = 0;
    }
    ~CParseProblemCounter() override
    {
        wxSetAssertHandler(m_previousAssertHandler);
        wxLog::EnableLogging(m_wasEnabled);
        wxLog::SetLogLevel(m_previousLevel);
        wxLog::SetActiveTarget(m_previousTarget);
    }
    int problems() const { return m_problems + s_asserts; }

protected:
    void DoLogRecord(wxLogLevel level, const wxString&, const wxLogRecordInfo&) override
    {
        if (level <= wxLOG_Warning)
            ++m_problems;
    }

private:
    static void countAssert(const wxString&, int, const wxString&, const wxString&, const wxString&)
    {
        ++s_asserts;
    }

    static int s_asserts; // the assertion handler is a plain function
    wxLog* m_previousTarget;
    wxLogLevel m_previousLevel;
    bool m_wasEnabled;
    wxAssertHandler_t m_previousAssertHandler;
    int m_problems = 0;
};

int CParseProblemCounter::s_asserts = 0;

// Application names become group names: a '/' would nest groups and "." or
// ".." would climb out of them.
bool isUsableAppName(const wxString& appName)
{
    return !appName.empty() && !appName.Contains("/") && appName != "." && appName != "..";
}

wxString executableKeyFor(const wxString& appName)
{
    return "/" + appName + "/" + kExecutableKey;
}

std::unique_ptr<wxFileConfig> emptyRegistry()
{
    wxStringInputStream nothing(wxEmptyString);
    return std::make_unique<wxFileConfig>(nothing, wxConvUTF8);
}

// The registry as it is on disk; `damaged` tells whether the parser met
// anything it could not read. The object never writes back by itself.
// A NUL byte makes a file no text. wxFileConfig would cut its line there and,
// on saving, run the next group header into that line, so a registration
// would vanish into a comment.
bool holdsNulByte(const wxString& file)
{
    wxLogNull quiet; // a missing file is no registry, not an error
    wxFFile in(file, "rb");
    char buffer[4096];
    size_t count = 0;
    while (in.IsOpened() && (count = in.Read(buffer, sizeof buffer)) > 0)
    {
        if (std::memchr(buffer, '\0', count) != nullptr)
            return true;
    }
    return false;
}

std::unique_ptr<wxFileConfig> loadRegistry(const wxString& file, bool* damaged)
{
    CParseProblemCounter counter;
    // UTF-8, with or without a byte order mark; anything else is damage.
    const wxConvAuto utf8(wxFONTENCODING_MAX);
    auto config = std::make_unique<wxFileConfig>(wxEmptyString, wxEmptyString, file, wxEmptyString,
                                                 wxCONFIG_USE_LOCAL_FILE, utf8);
    config->DisableAutoSave();
    *damaged = counter.problems() > 0 || holdsNulByte(file);
    return config;
}

// Writes the whole registry in one replacement, so that a failed write, or a
// process killed in the middle, leaves the old registry as it was.
bool saveRegistry(wxFileConfig& config, const wxString& file, wxString* error)
{
    wxLogNull quiet; // failures are reported through `error`, not to the user
    const wxString folder = wxFileName(file).GetPath();
    if (!wxFileName::Mkdir(folder, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL))
    {
        if (error)
            *error = wxString::Format(_("cannot create the folder %s"), folder);
        return false;
    }
    wxMemoryOutputStream content;
    wxString reason;
    if (!config.Save(content, wxConvUTF8))
        reason = _("cannot serialise the settings");
    std::string bytes(content.GetLength(), '\0');
    content.CopyTo(bytes.data(), bytes.size());
    if (!reason.empty() || !CFileBytes::replace(file, bytes, &reason))
    {
        if (error)
            *error = wxString::Format(_("cannot write %s: %s"), file, reason);
        return false;
    }
    return true;
}

} // namespace

CShellFileTypes::CShellFileTypes(const char* description, const wxString& appName, const wxFileName& file)
    : m_description(description ? wxString::FromUTF8(description) : wxString()), m_appName(appName),
      m_file(file)
{
}

CShellFileTypes::~CShellFileTypes() = default;

bool CShellFileTypes::getRegisteredAppFileName(wxString* path)
{
    if (!path || !isUsableAppName(m_appName))
        return false;
    bool damaged = false;
    const std::unique_ptr<wxFileConfig> registry = loadRegistry(getRegistryFileName(), &damaged);
    wxString executable;
    if (damaged || !registry->Read(executableKeyFor(m_appName), &executable) || executable.empty())
        return false;
    *path = executable;
    return true;
}

bool CShellFileTypes::registerApplication(const wxString& appName, const wxString& executable,
                                          wxString* error)
{
    if (!isUsableAppName(appName) || executable.empty())
    {
        if (error)
            *error =
                wxString::Format(_("cannot register \"%s\" for the application \"%s\""), executable, appName);
        return false;
    }
    const wxString file = getRegistryFileName();
    bool damaged = false;
    std::unique_ptr<wxFileConfig> registry = loadRegistry(file, &damaged);
    if (damaged) // nothing in it can be trusted: start again
        registry = emptyRegistry();
    registry->Write(executableKeyFor(appName), executable);
    return saveRegistry(*registry, file, error);
}

wxString CShellFileTypes::getRegistryFileName()
{
    // An unset, empty or relative XDG_CONFIG_HOME is to be ignored.
    wxString configHome;
    if (!wxGetEnv("XDG_CONFIG_HOME", &configHome) || !wxIsAbsolutePath(configHome))
        configHome = wxGetHomeDir() + "/.config";
    wxFileName registry = wxFileName::DirName(configHome);
    registry.AppendDir("evalon");
    registry.SetFullName("applications.ini");
    return registry.GetFullPath();
}
