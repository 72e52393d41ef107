#include "tests/i18n/Catalog.h"

#include <gtest/gtest.h>

#include <wx/dir.h>
#include <wx/filename.h>

namespace
{

const wxString kSourceDir = EVALON_SOURCE_DIR;
const wxString kTemplate = kSourceDir + "/po/evalon-ui.pot";

using evtest::quoted;
using evtest::run;

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
