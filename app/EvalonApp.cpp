#include "app/EvalonApp.h"

#include "app/AssessmentCheck.h"
#include "app/AttemptRecording.h"
#include "app/AuthoringFrame.h"
#include "app/BundledSample.h"
#include "app/HostMessages.h"
#include "app/Looks.h"
#include "app/ManagerFrame.h"
#include "app/RecentFiles.h"
#include "app/ResultsCommands.h"
#include "app/ResultsSettings.h"
#include "app/SnapshotWriter.h"
#include "app/TakeAssessmentFrame.h"
#include "app/TakerNameDlg.h"
#include "app/UserAssessments.h"
#include "external/data/AssessmentsMgr.h"
#include "external/data/Translations.h"
#include "external/widgets/ShellFileTypes.h"

#include <wx/filename.h>
#include <wx/image.h>
#include <wx/intl.h>
#include <wx/log.h>
#include <wx/stdpaths.h>
#include <wx/uilocale.h>

#include <clocale>

#include <cstdio>

const char CEvalonApp::kApplicationName[] = "Evalon";

CEvalonApp::CEvalonApp() = default;

CEvalonApp::~CEvalonApp() = default;

bool CEvalonApp::registerApplication(const wxString& executable, wxString* error)
{
    return CShellFileTypes::registerApplication(kApplicationName, executable, error);
}

bool CEvalonApp::OnInit()
{
    // Not wxApp::OnInit: main() has already answered --help, --version and
    // misuse, and the toolkit's own parser knows none of our options.
    SetAppDisplayName(kApplicationName);
    wxInitAllImageHandlers();
    m_commandLine = CCommandLine::parse(argc, argv);
    // Dates and the toolkit's own formats as the user's locale has them; the
    // numbers written with printf formats into files keep their point.
    wxUILocale::UseDefault();
    setlocale(LC_NUMERIC, "C");
    // Before any window: the library's windows find the translations set and
    // keep them. A language without a catalog stays English.
    CTranslations::useLanguage(m_commandLine.language);

    wxString error;
    if (!registerApplication(wxStandardPaths::Get().GetExecutablePath(), &error))
        wxLogWarning(
            // TRANSLATORS: %s is why the registration failed.
            _("Evalon could not register itself, so the assessment manager cannot open files in it: %s"),
            error);

    switch (m_commandLine.getMode())
    {
    case CCommandLine::eManage:
        return startManaging();
    case CCommandLine::eAuthor:
        return startAuthoring(m_commandLine.getFile());
    case CCommandLine::eTake:
        return startTaking(m_commandLine.getFile());
    case CCommandLine::eSnapshot:
    case CCommandLine::eCheck:
        return true; // done in OnRun, without a main loop
    default:
        return false;
    }
}

int CEvalonApp::OnRun()
{
    if (m_commandLine.getMode() == CCommandLine::eSnapshot)
        return writeSnapshots(m_commandLine.getFolder(), m_commandLine.getFile(), m_commandLine.getPageSize());
    if (m_commandLine.getMode() == CCommandLine::eCheck)
        return checkFile(m_commandLine.getFile());
    return wxApp::OnRun();
}

void CEvalonApp::reportError(const wxString& message)
{
    CHostMessages::error(message);
}

bool CEvalonApp::openDocument(const wxString& file)
{
    m_document = std::make_unique<CAssessmentDocument>();
    if (m_document->open(file))
        return true;
    reportError(m_document->getLastError());
    return false;
}

bool CEvalonApp::createDocument(const wxString& file)
{
    const wxString question =
        wxString::Format(_("The assessment file %s does not exist. Create it?"), wxFileName(file).GetFullPath());
    if (!CHostMessages::confirm(question))
        return false;
    m_document = std::make_unique<CAssessmentDocument>();
    wxString notice;
    if (!m_document->create(file, &notice))
    {
        reportError(m_document->getLastError());
        return false;
    }
    if (!notice.empty())
        CHostMessages::warning(notice);
    return true;
}

bool CEvalonApp::startManaging()
{
    m_assessments = std::make_unique<CAssessmentsMgr>();
    wxString notice;
    CEVAttributes look;
    CLooks::applyDefault(&look, &notice);
    m_assessments->setNewAssessmentAttributes(look);
    CUserAssessments user(CUserAssessments::getDefaultFolder());
    if (!user.open(m_assessments.get(), CBundledSample::getFile()))
        reportError(user.getLastError()); // the list works without the sample
    auto* frame = new CManagerFrame();
    frame->initialize(m_assessments.get());
    frame->setNewAssessmentNotice(notice);
    frame->Show();
    return true;
}

bool CEvalonApp::startAuthoring(const wxString& file)
{
    if (!wxFileName::FileExists(file) ? !createDocument(file) : !openDocument(file))
        return false;
    CRecentFiles::add(m_document->getPath());
    auto* frame = new CAuthoringFrame();
    frame->initialize(m_document.get());
    frame->Show();
    frame->tellUnreadable();
    return true;
}

bool CEvalonApp::startTaking(const wxString& file)
{
    // The path is made absolute before opening moves into the file's folder.
    const wxString assessmentKey = CResultsCommands::assessmentKey(file);
    if (!openDocument(file))
        return false;
    CAssessmentCheck check(m_document->getAssessment());
    for (const auto& [position, entry] : m_document->getUnreadable())
        check.addUnreadableEntry(position, entry.reason);
    check.setMeasureContrast(true);
    if (check.run(), check.hasErrors())
    {
        // Nothing can be fixed from here: the list only says what to fix.
        fputs(check.describeAll().utf8_string().c_str(), stderr);
        reportError(_("The assessment cannot be taken until its errors are fixed:") + "\n\n" +
                    check.describeAll());
        return false;
    }
    wxString taker = m_commandLine.getTaker();
    if (taker.empty() && !askTakerName(&taker))
        return false;
    auto* frame = new CTakeAssessmentFrame();
    auto recording = std::make_unique<CAttemptRecording>(m_document->getAssessment(), assessmentKey, taker,
                                                         CResultsSettings::storeUrl(m_commandLine.getStore()),
                                                         CResultsSettings::outboxPath());
    // What an earlier run could not send goes first; it is tried again at the submit.
    recording->sendOutbox();
    wxString refusal;
    if (!chooseAttempt(recording.get(), m_document->getAssessment()->getDeliveryOptions()->getAttemptsAllowed(),
                       &refusal))
    {
        if (!refusal.empty())
            reportError(refusal);
        frame->Destroy();
        return false;
    }
    frame->setRecording(std::move(recording));
    frame->setMissedReviewOffered(true);
    if (!frame->initialize(m_document->getAssessment()))
    {
        reportError(frame->getLastError());
        frame->Destroy();
        return false;
    }
    frame->Show();
    if (m_commandLine.getFullScreen())
        frame->setFullScreen(true);
    return true;
}

const wxString CEvalonApp::kResumeQuestion = wxTRANSLATE(
    // TRANSLATORS: %s is when the attempt started; "No" is the button that starts a new attempt.
    "You have an attempt at this assessment in progress, started %s (UTC). Go on with it, with its answers and "
    "the time it has left?\n\nNo starts a new attempt.");

// An attempt in progress (after a crash, or a window closed) is offered
// first; a new attempt only where the attempts allowed leave one. A store
// that cannot be read does not stop the attempt: it is kept in the outbox.
bool CEvalonApp::chooseAttempt(CAttemptRecording* recording, unsigned attemptsAllowed, wxString* refusal)
{
    refusal->clear();
    unsigned count = 0;
    bool hasInProgress = false;
    CAttempt inProgress;
    if (!recording->findEarlierAttempts(&count, &inProgress, &hasInProgress))
        return true;
    if (hasInProgress)
    {
        wxString started = wxString::FromUTF8(inProgress.m_startedAt);
        started.Replace("T", " ");
        started.Replace("Z", "");
        const int answer =
            CHostMessages::ask(wxString::Format(wxGetTranslation(kResumeQuestion), started), wxYES_NO | wxCANCEL);
        if (answer == wxCANCEL)
            return false;
        if (answer == wxYES)
        {
            recording->resume(inProgress);
            return true;
        }
    }
    if (attemptsAllowed != 0 && count >= attemptsAllowed)
    {
        *refusal = wxString::Format(wxPLURAL("You have made the %u attempt this assessment allows.",
                                             "You have made the %u attempts this assessment allows.",
                                             attemptsAllowed),
                                    attemptsAllowed);
        return false;
    }
    return true;
}

bool CEvalonApp::askTakerName(wxString* taker)
{
    CTakerNameDlg dialog(nullptr);
    dialog.initialize(CResultsSettings::rememberedTaker());
    if (dialog.ShowModal() != wxID_OK)
        return false;
    *taker = dialog.getName();
    CResultsSettings::rememberTaker(*taker);
    return true;
}

int CEvalonApp::writeSnapshots(const wxString& folder, const wxString& file, const wxSize& pageSize)
{
    // Both paths are taken as given on the command line, before opening the
    // assessment moves into its folder.
    wxFileName output = wxFileName::DirName(folder);
    output.MakeAbsolute();
    const wxString assessmentFile = file.empty() ? CBundledSample::getFile() : file;
    if (assessmentFile.empty())
    {
        fprintf(stderr, "evalon: %s\n",
                _("the bundled sample assessment is missing; name an assessment file").utf8_string().c_str());
        return 1;
    }
    CAssessmentDocument document;
    if (!document.open(assessmentFile))
    {
        fprintf(stderr, "evalon: %s\n", document.getLastError().utf8_string().c_str());
        return 1;
    }
    CSnapshotWriter writer(document.getAssessment(), output.GetPath());
    writer.setPageSize(pageSize);
    if (!writer.write())
    {
        fprintf(stderr, "evalon: %s\n", writer.getLastError().utf8_string().c_str());
        return 1;
    }
    for (const wxString& written : writer.getFiles())
        printf("%s\n", written.utf8_string().c_str());
    return 0;
}

int CEvalonApp::checkFile(const wxString& file)
{
    CAssessmentDocument document;
    if (!document.open(file))
    {
        fprintf(stderr, "evalon: %s\n", document.getLastError().utf8_string().c_str());
        return 1;
    }
    CAssessmentCheck check(document.getAssessment());
    for (const auto& [position, entry] : document.getUnreadable())
        check.addUnreadableEntry(position, entry.reason);
    check.setMeasureContrast(true);
    check.run();
    fputs(check.describeAll().utf8_string().c_str(), stdout);
    return check.hasErrors() ? 1 : 0;
}
