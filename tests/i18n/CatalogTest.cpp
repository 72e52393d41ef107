#include <gtest/gtest.h>

#include <wx/dir.h>
#include <wx/filename.h>

#include <cstdio>

namespace
{

const wxString kSourceDir = EVALON_SOURCE_DIR;
const wxString kTemplate = kSourceDir + "/po/evalon-ui.pot";

// Runs a shell command; its exit status, and its output and errors in `output`.
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

} // namespace

TEST(CatalogTest, TemplateHoldsExactlyTheMarkedTextsOfTheSources)
{
    const wxString fresh = wxFileName::CreateTempFileName("evalon-pot");
    wxString output;
    ASSERT_EQ(run(wxString::Format("%s -DSOURCE_DIR=%s -DOUTPUT=%s -DVERSION=0 -P %s", quoted(EVALON_CMAKE),
                                   quoted(kSourceDir), quoted(fresh),
                                   quoted(kSourceDir + "/cmake/EvalonExtractMessages.cmake")),
                  &output),
              0)
        << output;
    // Both ways round: no marked text missing from the template (cmake --build
    // build --target pot rewrites it), none left there that the sources lost.
    for (const auto& [have, want] : {std::pair(kTemplate, fresh), std::pair(fresh, kTemplate)})
        EXPECT_EQ(run(wxString::Format("%s -N --use-untranslated %s %s", quoted(EVALON_MSGCMP), quoted(have),
                                       quoted(want)),
                      &output),
                  0)
            << output;
    wxRemoveFile(fresh);
}

TEST(CatalogTest, EveryCatalogTranslatesEveryMessageOfTheTemplate)
{
    wxArrayString catalogs;
    wxDir::GetAllFiles(kSourceDir + "/po", &catalogs, "*.po", wxDIR_FILES);
    ASSERT_FALSE(catalogs.empty());
    for (const wxString& catalog : catalogs)
    {
        SCOPED_TRACE(catalog.utf8_string());
        wxString output;
        // Placeholders kept, plural forms and header right.
        EXPECT_EQ(run(wxString::Format("%s --check --statistics -o /dev/null %s", quoted(EVALON_MSGFMT),
                                       quoted(catalog)),
                      &output),
                  0)
            << output;
        // No message missing, untranslated or fuzzy.
        EXPECT_EQ(
            run(wxString::Format("%s -N %s %s", quoted(EVALON_MSGCMP), quoted(catalog), quoted(kTemplate)),
                &output),
            0)
            << output;
    }
}
