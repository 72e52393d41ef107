#include "tests/i18n/Catalog.h"
#include "tests/support/WxTest.h"
#include "tests/views/ViewHost.h"

#include "app/AssessmentCheckDlg.h"
#include "app/AuthoringFrame.h"
#include "app/DeliveryOptionsDlg.h"
#include "app/ImportReportDlg.h"
#include "app/ManagerFrame.h"
#include "app/ResultsFrame.h"
#include "app/TakeAssessmentFrame.h"
#include "app/TakerNameDlg.h"
#include "assessment/AssessmentMgrPanel.h"
#include "assessment/EVAssessmentMgrDataDlg.h"
#include "assessments/AssessmentsMgrDataDlg.h"
#include "assessments/AssessmentsMgrPanel.h"
#include "attributes/EVAttributesDlg.h"
#include "external/data/EVAttributes.h"
#include "external/data/Translations.h"
#include "questions/QuestionDataDlg.h"
#include "views/EVTestViewDlg.h"

#include <wx/frame.h>
#include <wx/stockitem.h>
#include <wx/translation.h>

#include <functional>

namespace
{

// Texts that are not ours to mark: the product's name, and the toolkit's
// stock menu labels and help texts and the undo and redo items its command
// processor labels, which come from the toolkit's catalog.
bool isNotOurs(const wxString& text)
{
    const wxString item = text.BeforeFirst('\t');
    if (text == "Evalon" || item == wxGetTranslation("&Undo") || item == wxGetTranslation("&Redo"))
        return true;
    for (int id = wxID_LOWEST; id <= wxID_HIGHEST; ++id)
        if (wxIsStockID(id) &&
            (text == wxGetStockHelpString(id) || text == wxGetStockLabel(id, wxSTOCK_NOFLAGS)))
            return true;
    return false;
}

// The review page of the presentation panel, as a host shows it: 1 of 3 missed.
struct CReviewPage : CViewHost
{
    explicit CReviewPage(wxWindow* parent) : CViewHost(parent) { initializeForReview(&m_attributes, 1, 3); }
    CEVAttributes m_attributes;
};

template <class T> wxWindow* inFrame()
{
    auto* frame = new wxFrame(nullptr, wxID_ANY, wxString());
    new T(frame);
    return frame;
}

struct SWindow
{
    const char* name;
    std::function<wxWindow*()> make;
    // English texts it must show translated.
    std::vector<const char*> translated;
};

std::vector<SWindow> libraryWindows()
{
    static CEVAttributes attributes;
    return {
        {"preview", [] { return new CEVTestViewDlg(); }, {"TestView"}},
        {"question dialog",
         [] { return new CQuestionDataDlg(); },
         {"QuestionData", "True/False", "Question Text"}},
        {"question entry", [] { return new CEVAssessmentMgrDataDlg(); }, {"&View/Edit Question"}},
        {"assessment entry", [] { return new CAssessmentsMgrDataDlg(); }, {"&Modify Assessment File"}},
        {"attributes",
         []
         {
             auto* dialog = new CEVAttributesDlg();
             dialog->initialize(&attributes);
             dialog->TransferDataToWindow();
             return dialog;
         },
         {"Font Info", "Image Selections 2", "Question Background", "Browse...", "&Cancel"}},
        {"question list", inFrame<CAssessmentMgrPanel>, {"Question ID", "Move &Up"}},
        {"assessment list", inFrame<CAssessmentsMgrPanel>, {"Assessment File Name"}},
        {"review page", inFrame<CReviewPage>, {}},
    };
}

std::vector<SWindow> hostWindows()
{
    return {
        {"manager", [] { return new CManagerFrame(); }, {}},
        {"authoring", [] { return new CAuthoringFrame(); }, {}},
        {"taking", [] { return new CTakeAssessmentFrame(); }, {}},
        {"results", [] { return new CResultsFrame(); }, {}},
        {"delivery options", [] { return new CDeliveryOptionsDlg(); }, {}},
        {"taker name", [] { return new CTakerNameDlg(nullptr); }, {}},
        {"check", [] { return new CAssessmentCheckDlg(); }, {}},
        {"import report", [] { return new CImportReportDlg(); }, {}},
    };
}

// The texts `window` shows, the window destroyed again.
std::vector<wxString> textsOf(const SWindow& window)
{
    wxWindow* made = window.make();
    evtest::pumpEvents();
    std::vector<wxString> texts = evtest::shownTexts(made);
    evtest::destroyAllWindows();
    return texts;
}

bool shows(const std::vector<wxString>& texts, const wxString& text)
{
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

class TranslationsTest : public evtest::CTempDirTest
{
protected:
    void TearDown() override
    {
        // Back to the English every other test expects.
        wxTranslations::Set(new wxTranslations);
        wxTranslations::Get()->SetLanguage(wxLANGUAGE_ENGLISH_US);
        CTempDirTest::TearDown();
    }
};

} // namespace

TEST_F(TranslationsTest, EveryTextAWindowShowsComesFromTheCatalog)
{
    wxFileTranslationsLoader::AddCatalogLookupPathPrefix(EVALON_MARKED_CATALOGS);
    ASSERT_TRUE(CTranslations::useLanguage("xx"));
    std::vector<SWindow> windows = libraryWindows();
    for (const SWindow& window : hostWindows())
        windows.push_back(window);
    for (const SWindow& window : windows)
        for (const wxString& text : textsOf(window))
            EXPECT_TRUE(isNotOurs(text) || evtest::isMarked(text))
                << window.name << " shows \"" << text << "\", which is not marked for translation";
}

TEST_F(TranslationsTest, WithTheGermanCatalogTheWindowsShowGerman)
{
    ASSERT_TRUE(CTranslations::useLanguage("de"));
    for (const SWindow& window : libraryWindows())
    {
        SCOPED_TRACE(window.name);
        const std::vector<wxString> texts = textsOf(window);
        for (const char* english : window.translated)
        {
            const wxString expected = wxGetTranslation(english, CTranslations::kCatalogName);
            EXPECT_NE(expected, english);
            EXPECT_TRUE(shows(texts, expected)) << expected << " not among:" << testing::PrintToString(texts);
        }
    }
}

TEST_F(TranslationsTest, TheLibraryLoadsItsCatalogOnlyWhenTheHostHasNot)
{
    const char* const previous = getenv("LANGUAGE");
    setenv("LANGUAGE", "de", 1);
    auto* hostsOwn = new wxTranslations;
    hostsOwn->SetLanguage(wxLANGUAGE_ENGLISH_US);
    for (const auto& [hostChoice, shown] :
         {std::pair<wxTranslations*, const char*>{nullptr, "Fragetext"},
          std::pair<wxTranslations*, const char*>{hostsOwn, "Question Text"}})
    {
        wxTranslations::Set(hostChoice);
        EXPECT_TRUE(shows(textsOf(libraryWindows()[1]), shown)) << shown;
    }
    previous ? setenv("LANGUAGE", previous, 1) : unsetenv("LANGUAGE");
}

TEST_F(TranslationsTest, ALanguageWithoutCatalogIsEnglishWithoutAMessage)
{
    evtest::CLogCapture log;
    EXPECT_FALSE(CTranslations::useLanguage("ff_SN"));
    EXPECT_TRUE(shows(textsOf(libraryWindows()[1]), "Question Text"));
    EXPECT_TRUE(log.textsAt(wxLOG_Warning).empty() && log.textsAt(wxLOG_Error).empty());
    // English needs no catalog.
    EXPECT_TRUE(CTranslations::useLanguage("en"));
}
