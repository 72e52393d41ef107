#include "tests/i18n/Catalog.h"
#include "tests/support/WxTest.h"

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
#include "views/AssessmentViewPanelBase.h"
#include "views/EVTestViewDlg.h"

#include <wx/frame.h>
#include <wx/stockitem.h>
#include <wx/translation.h>

#include <functional>

namespace
{

constexpr bool kCheckHostWindows = true;

// Texts that are not ours to mark: the product's name, and the toolkit's
// stock menu labels and help texts, which come from the toolkit's catalog.
bool isNotOurs(const wxString& text)
{
    if (text == "Evalon")
        return true;
    for (int id = wxID_LOWEST; id <= wxID_HIGHEST; ++id)
        if (wxIsStockID(id) && (text == wxGetStockHelpString(id) || text == wxGetStockLabel(id, wxSTOCK_NOFLAGS)))
            return true;
    return false;
}

const wxString kSourceDir = EVALON_SOURCE_DIR;

// The review page of the presentation panel, as a host shows it: 1 of 3 missed.
class CReviewPage : public CAssessmentViewPanelBase
{
public:
    explicit CReviewPage(wxWindow* parent) : CAssessmentViewPanelBase(parent)
    {
        initializeForReview(&m_attributes, 1, 3);
    }

protected:
    void handlePreviousButtonClicked() override {}
    void handleNextButtonClicked() override {}
    void handleSubmitButtonClicked() override {}
    bool getImageForID(CEVAttributes*, CEVImageSelections::imageID, wxImage* image) override
    {
        *image = wxImage(40, 40);
        return true;
    }

private:
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

std::vector<SWindow> windowsToCheck()
{
    std::vector<SWindow> windows = libraryWindows();
    if (kCheckHostWindows)
        for (SWindow& window : hostWindows())
            windows.push_back(window);
    return windows;
}

// The texts `window` shows, the window destroyed again.
std::vector<wxString> textsOf(const SWindow& window)
{
    wxWindow* made = window.make();
    evtest::pumpEvents();
    std::vector<wxString> texts = evtest::shownTexts(made);
    made->Destroy();
    evtest::pumpUntil([] { return wxTopLevelWindows.empty(); });
    return texts;
}

class TranslationsTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        // Back to the English every other test expects.
        wxTranslations::Set(new wxTranslations);
        wxTranslations::Get()->SetLanguage(wxLANGUAGE_ENGLISH_US);
    }

    const std::map<wxString, wxString> m_template = evtest::readCatalog(kSourceDir + "/po/evalon-ui.pot");
    const std::map<wxString, wxString> m_german = evtest::readCatalog(kSourceDir + "/po/de.po");
};

} // namespace

TEST_F(TranslationsTest, EveryTextAWindowShowsIsInTheTemplate)
{
    const std::set<wxString> messages = evtest::msgids(m_template);
    for (const SWindow& window : windowsToCheck())
        for (const wxString& text : textsOf(window))
            EXPECT_TRUE(isNotOurs(text) || evtest::madeFrom(messages, text))
                << window.name << " shows \"" << text << "\", which is not marked for translation";
}

TEST_F(TranslationsTest, WithTheGermanCatalogTheWindowsShowGerman)
{
    ASSERT_TRUE(CTranslations::useLanguage("de"));
    std::set<wxString> german;
    for (const auto& [id, translation] : m_german)
        german.insert(translation);
    for (const SWindow& window : libraryWindows())
    {
        SCOPED_TRACE(window.name);
        const std::vector<wxString> texts = textsOf(window);
        for (const wxString& text : texts)
            EXPECT_TRUE(evtest::madeFrom(german, text)) << "\"" << text << "\" is not German";
        for (const char* english : window.translated)
        {
            const wxString expected = m_german.at(english);
            EXPECT_NE(expected, english);
            EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end())
                << expected << " not among:" << testing::PrintToString(texts);
        }
    }
}

TEST_F(TranslationsTest, TheLibraryLoadsItsCatalogOnlyWhenTheHostHasNot)
{
    const char* const previous = getenv("LANGUAGE");
    setenv("LANGUAGE", "de", 1);
    struct SCase
    {
        wxTranslations* hostChoice;
        wxString shown;
    };
    auto* hostsOwn = new wxTranslations;
    hostsOwn->SetLanguage(wxLANGUAGE_ENGLISH_US);
    for (const SCase& c : {SCase{nullptr, m_german.at("Question Text")}, SCase{hostsOwn, "Question Text"}})
    {
        wxTranslations::Set(c.hostChoice);
        const std::vector<wxString> texts = textsOf(libraryWindows()[1]);
        EXPECT_NE(std::find(texts.begin(), texts.end(), c.shown), texts.end()) << c.shown;
    }
    previous ? setenv("LANGUAGE", previous, 1) : unsetenv("LANGUAGE");
}

TEST_F(TranslationsTest, ALanguageWithoutCatalogIsEnglishWithoutAMessage)
{
    evtest::CLogCapture log;
    EXPECT_FALSE(CTranslations::useLanguage("ff_SN"));
    const std::vector<wxString> texts = textsOf(libraryWindows()[1]);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Question Text"), texts.end());
    EXPECT_TRUE(log.textsAt(wxLOG_Warning).empty() && log.textsAt(wxLOG_Error).empty());
    // English needs no catalog.
    EXPECT_TRUE(CTranslations::useLanguage("en"));
}
