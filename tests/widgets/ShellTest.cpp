#include "tests/support/WxTest.h"

#include "external/widgets/CommonGuiUtils.h"
#include "external/widgets/ShellFileTypes.h"

#include <wx/filename.h>

namespace
{

using RegistryTest = evtest::CTempDirTest;

bool lookUp(const wxString& appName, wxString* path)
{
    CShellFileTypes types(nullptr, appName, wxFileName());
    return types.getRegisteredAppFileName(path);
}

TEST_F(RegistryTest, RegisteredApplicationsAreFoundOthersAreNot)
{
    wxString found = "untouched";
    EXPECT_FALSE(lookUp("Evalon", &found)); // no registry yet
    EXPECT_EQ(found, "untouched");

    const wxString evalon = path("bin dir/évalon");
    ASSERT_TRUE(CShellFileTypes::registerApplication("Evalon", "/old/evalon"));
    ASSERT_TRUE(CShellFileTypes::registerApplication("Evalon Reader", "/opt/reader"));
    ASSERT_TRUE(CShellFileTypes::registerApplication("Evalon", evalon)); // replaces
    EXPECT_TRUE(wxFileName::FileExists(CShellFileTypes::getRegistryFileName()));

    wxString reader;
    EXPECT_TRUE(lookUp("Evalon", &found) && lookUp("Evalon Reader", &reader));
    EXPECT_EQ(found + "|" + reader, evalon + "|/opt/reader");
    found = "untouched";
    EXPECT_FALSE(lookUp("Other", &found) || lookUp("", &found) || lookUp("Evalon", nullptr));
    EXPECT_EQ(found, "untouched");
    EXPECT_FALSE(CShellFileTypes::registerApplication("a/b", "/x") ||
                 CShellFileTypes::registerApplication("Evalon", ""));
}

TEST_F(RegistryTest, RegistryIsUnderXdgConfigHomeOrHomeAndAnUnwritableOneIsReported)
{
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(CShellFileTypes::getRegistryFileName(), path("home/.config/evalon/applications.ini"));
    setenv("XDG_CONFIG_HOME", path("xdg").utf8_str(), 1);
    EXPECT_EQ(CShellFileTypes::getRegistryFileName(), path("xdg/evalon/applications.ini"));

    writeFile("plain-file", "not a folder");
    setenv("XDG_CONFIG_HOME", path("plain-file").utf8_str(), 1);
    wxString error;
    EXPECT_FALSE(CShellFileTypes::registerApplication("Evalon", "/bin/ev", &error));
    EXPECT_TRUE(error.Contains(path("plain-file"))) << error;
}

TEST_F(RegistryTest, DamagedRegistryMeansNothingRegisteredAndIsReplaced)
{
    const wxString registry = CShellFileTypes::getRegistryFileName();
    const wxString relative = registry.Mid(dir().length() + 1);
    // A line the parser complains about, and text that is not UTF-8.
    for (const std::string& damage : {std::string("[Evalon]\nExecutable=/bin/ev\n\x01\x02 garbage\n"),
                                      std::string("\xff\xfe[Evalon]\nExecutable=/bin/\xc3\n", 27)})
    {
        writeFile(relative, damage);
        wxString found;
        EXPECT_FALSE(lookUp("Evalon", &found)) << damage;
    }
    ASSERT_TRUE(CShellFileTypes::registerApplication("Evalon", "/bin/ev"));
    wxString found;
    EXPECT_TRUE(lookUp("Evalon", &found) && found == "/bin/ev") << found;
}

using BrowseForFileTest = evtest::CTempDirTest;

TEST_F(BrowseForFileTest, ChosenFileComesBackCancelLeavesThePath)
{
    const wxArrayString filters{1, "Itemary Files (*.itm)|*.itm"};
    wxString file = path("proposed.itm");
    const wxString chosen = path("chosen.itm");
    auto check = [&](wxFileDialog* dlg)
    {
        EXPECT_EQ(dlg->GetWildcard(), "Itemary Files (*.itm)|*.itm");
        EXPECT_TRUE(dlg->HasFlag(wxFD_SAVE) && dlg->HasFlag(wxFD_OVERWRITE_PROMPT));
        EXPECT_EQ(dlg->GetFilterIndex(), 0);
    };
    wxTEST_DIALOG(EXPECT_TRUE(CCommonGuiUtils::BrowseForFile(false, filters, file, "", "", 1,
                                                             wxFD_SAVE | wxFD_OVERWRITE_PROMPT)),
                  expectFileDialog(chosen, check));
    EXPECT_EQ(file, chosen);

    wxTEST_DIALOG(EXPECT_FALSE(CCommonGuiUtils::BrowseForFile(false, filters, file, "", "", 1, wxFD_SAVE)),
                  expectFileDialog(""));
    EXPECT_EQ(file, chosen);

    // The default extension completes a name without one.
    wxTEST_DIALOG(
        EXPECT_TRUE(CCommonGuiUtils::BrowseForFile(true, filters, file, "Save", "itm", 1, wxFD_SAVE)),
        expectFileDialog(path("bare")));
    EXPECT_EQ(file, path("bare.itm"));
}

} // namespace
