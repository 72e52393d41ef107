#include "app/QuestionBankActions.h"

#include "app/HostMessages.h"
#include "app/ImportReportDlg.h"
#include "external/data/AssessmentMgr.h"
#include "interchange/BankFormats.h"
#include "interchange/QuestionExporter.h"
#include "interchange/QuestionImporter.h"

#include <wx/dirdlg.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/intl.h>
#include <wx/progdlg.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>

#include <algorithm>
#include <memory>

const unsigned CQuestionBankActions::kProgressThreshold;

namespace
{

// Translated where shown.
const char kImportTitle[] = wxTRANSLATE("Import Questions");
const char kExportTitle[] = wxTRANSLATE("Export Questions");

CQuestionBankActions::CFolderChooser& folderChooser()
{
    static CQuestionBankActions::CFolderChooser chooser;
    return chooser;
}

bool chooseWithFolderDialog(wxWindow* parent, const wxString& message, wxString* path)
{
    wxDirDialog dialog(parent, message, *path);
    if (dialog.ShowModal() != wxID_OK)
    {
        return false;
    }
    *path = dialog.GetPath();
    return true;
}

// Shows the progress of a long import and lets the author stop it. The
// dialog yields to the toolkit on each update, so the windows repaint and the
// Cancel button works while the import runs on the user-interface thread.
class CImportProgress
{
public:
    explicit CImportProgress(wxWindow* parent) : m_parent(parent) {}

    bool operator()(const wxString& stage, unsigned done, unsigned total)
    {
        if (total <= CQuestionBankActions::kProgressThreshold)
        {
            return true;
        }
        const bool newStage = stage != m_stage;
        m_stage = stage;
        // A repaint a few times a second looks alive and costs little.
        if (!newStage && m_dialog && m_sinceUpdate.Time() < 100)
        {
            return true;
        }
        m_sinceUpdate.Start();
        // TRANSLATORS: the stage of an import ("Reading"), then how many of how many items are done.
        const wxString message = wxString::Format(_("%s: %u of %u"), stage, done, total);
        if (!m_dialog)
        {
            m_dialog = std::make_unique<wxProgressDialog>(
                wxGetTranslation(kImportTitle), message, static_cast<int>(total), m_parent,
                wxPD_APP_MODAL | wxPD_AUTO_HIDE | wxPD_CAN_ABORT | wxPD_ELAPSED_TIME | wxPD_REMAINING_TIME);
        }
        else if (newStage)
        {
            m_dialog->SetRange(static_cast<int>(total));
        }
        // Reaching the end would hide the dialog between the two stages; it
        // goes when the import is over.
        return m_dialog->Update(static_cast<int>(std::min(done, total - 1)), message);
    }

private:
    wxWindow* m_parent;
    wxString m_stage;
    wxStopWatch m_sinceUpdate;
    std::unique_ptr<wxProgressDialog> m_dialog;
};

} // namespace

void CQuestionBankActions::setFolderChooser(const CFolderChooser& chooser)
{
    folderChooser() = chooser;
}

CQuestionBankActions::CQuestionBankActions(wxWindow* parent, CAssessmentMgr* assessment,
                                           const wxString& assessmentPath)
    : m_parent(parent), m_assessment(assessment), m_folder(wxFileName(assessmentPath).GetPath())
{
}

bool CQuestionBankActions::chooseFolder(const wxString& message, wxString* path)
{
    const CFolderChooser& chooser = folderChooser();
    return chooser ? chooser(m_parent, message, path) : chooseWithFolderDialog(m_parent, message, path);
}

bool CQuestionBankActions::chooseImportSource(wxString* path, int* format)
{
    const int answer = CHostMessages::choose(_("Import questions from a bank file, or from a folder of QTI items?"),
                                             _("&File..."), _("F&older..."), m_parent);
    if (answer == wxID_NO)
    {
        *path = m_folder;
        *format = CQuestionImporter::eQti;
        return chooseFolder(_("Choose the folder of QTI items"), path);
    }
    if (answer != wxID_YES)
    {
        return false;
    }
    wxFileDialog dialog(m_parent, wxGetTranslation(kImportTitle), m_folder, wxString(),
                        CBankFormats::importFilters(), wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (dialog.ShowModal() != wxID_OK)
    {
        return false;
    }
    *path = dialog.GetPath();
    *format = CBankFormats::importFilterFormat(dialog.GetFilterIndex());
    return true;
}

bool CQuestionBankActions::askAddDuplicates(unsigned duplicates, unsigned read)
{
    if (duplicates == 0)
    {
        return false;
    }
    const wxString question = wxString::Format(
        wxPLURAL("%u of the %u questions read are already in the assessment. Add them again?",
                 "%u of the %u questions read are already in the assessment. Add them again?", duplicates),
        duplicates, read);
    return CHostMessages::confirm(question, m_parent, true);
}

bool CQuestionBankActions::importQuestions()
{
    wxString bank;
    int format = CQuestionImporter::eDetect;
    wxString questionsFolder = m_folder;
    if (!chooseImportSource(&bank, &format) ||
        !chooseFolder(_("Choose the folder for the new question files"), &questionsFolder))
    {
        return false;
    }
    CImportReport report;
    {
        wxBusyCursor busy;
        CImportProgress progress(m_parent);
        CQuestionImporter importer(&report);
        importer.setProgress(std::ref(progress));
        if (importer.read(bank, static_cast<CQuestionImporter::eFormat>(format)))
        {
            importer.setAddDuplicates(askAddDuplicates(importer.countAlreadyIn(*m_assessment),
                                                       unsigned(importer.questions().size())));
            importer.addToAssessment(m_assessment, questionsFolder);
        }
    }
    showReport(report, wxGetTranslation(kImportTitle));
    return report.countTaken() > 0;
}

bool CQuestionBankActions::exportQuestions()
{
    wxFileDialog dialog(m_parent, wxGetTranslation(kExportTitle), m_folder, wxString(),
                        CBankFormats::exportFilters(), wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() != wxID_OK)
    {
        return false;
    }
    const std::vector<const CBankFormats::SFormat*> formats = CBankFormats::writtenFormats();
    const int filter = dialog.GetFilterIndex();
    const CQuestionExporter::eFormat format = filter >= 0 && filter < static_cast<int>(formats.size())
                                                  ? formats[filter]->m_writer
                                                  : CQuestionExporter::eGift;
    wxFileName path(dialog.GetPath());
    const wxString extension = CQuestionExporter::extension(format);
    if (!extension.empty() && path.GetExt().CmpNoCase(extension) != 0)
    {
        path.SetFullName(path.GetFullName() + "." + extension);
    }
    CImportReport report(CImportReport::eExport);
    bool written = false;
    {
        wxBusyCursor busy;
        written = CQuestionExporter(&report).write(m_assessment, format, path.GetFullPath());
    }
    showReport(report, wxGetTranslation(kExportTitle));
    return written;
}

void CQuestionBankActions::showReport(const CImportReport& report, const wxString& title)
{
    CImportReportDlg dialog(m_parent, wxID_ANY, title);
    dialog.initialize(&report);
    dialog.ShowModal();
}
