#pragma once

#include "app/SortableListCtrl.h"

#include <wx/frame.h>
#include <wx/intl.h>
#include <wx/timer.h>

#include <memory>
#include <optional>

class CAssessmentMgr;
class CAssessmentResults;
class CPlotPanel;
class wxButton;
class wxCheckBox;
class wxDatePickerCtrl;
class wxDateEvent;
class wxListEvent;
class wxNotebook;
class wxStaticText;

// How takers did on one assessment, for its author: the attempts (sortable,
// filtered by date, deletable), the questions with their item statistics and
// flags, and the plots. It reads the results store again on Refresh and every
// ten seconds while open, so a room's attempts show as they arrive.
class CResultsFrame : public wxFrame
{
public:
    enum eControlID
    {
        kRefreshID = 60,
        kIncludeEarlierID,
        kExportCsvID,
        kExportHtmlID,
        kNotebookID,
        kAttemptsListID,
        kFromCheckID,
        kFromDateID,
        kToCheckID,
        kToDateID,
        kDeleteAttemptID,
        kQuestionsListID,
        kAnswerPlotID,
        kHistogramPlotID,
        kFiguresPlotID,
        kSaveAnswerPngID,
        kSaveAnswerSvgID,
        kSaveHistogramPngID,
        kSaveHistogramSvgID,
        kSaveFiguresPngID,
        kSaveFiguresSvgID,
        kSummaryID,
        kNotesID,
        kTimerID
    };
    // Every how many milliseconds the store is read again.
    static const int kRefreshInterval = 10000;

    CResultsFrame(wxWindow* parent = nullptr, wxWindowID id = wxID_ANY, const wxString& title = _("Results"),
                  const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxSize(1040, 720),
                  long style = wxDEFAULT_FRAME_STYLE, const wxString& name = "results");
    ~CResultsFrame() override;

    // The results of `assessment` (not owned; must outlive the window) read
    // from `file`'s attempts in `storeUrl`. False when the store cannot be
    // read: the window then says why and Refresh tries again.
    bool initialize(CAssessmentMgr* assessment, const wxString& file, const wxString& storeUrl);
    // The same with an assessment the window keeps.
    bool initialize(std::unique_ptr<CAssessmentMgr> assessment, const wxString& file, const wxString& storeUrl);

    // Reads the store again and shows what it holds.
    bool refresh();

    bool TransferDataToWindow() override;
    bool TransferDataFromWindow() override;

    CAssessmentResults* getResults() const { return m_results.get(); }

private:
    void zeroInit();
    bool createControls();
    wxWindow* createAttemptsPage(wxWindow* parent);
    wxWindow* createQuestionsPage(wxWindow* parent);
    wxWindow* createPlotsPage(wxWindow* parent);
    wxSizer* createSaveButtons(wxWindow* parent, int pngID, int svgID);
    void showSummary();
    wxString passedLine() const;
    std::optional<unsigned> passMark() const;
    void showAttempts();
    void showQuestions();
    void showPlots();
    void showAnswerPlot();
    int selectedQuestion() const;
    void savePlot(CPlotPanel* plot, bool svg);
    void exportReport(bool html);

    void OnRefresh(wxCommandEvent& event);
    void OnTimer(wxTimerEvent& event);
    void OnIncludeEarlier(wxCommandEvent& event);
    void OnExportCsv(wxCommandEvent& event);
    void OnExportHtml(wxCommandEvent& event);
    void OnDateFilter(wxCommandEvent& event);
    void OnDateChanged(wxDateEvent& event);
    void OnDeleteAttempt(wxCommandEvent& event);
    void OnAttemptsColumn(wxListEvent& event);
    void OnQuestionsColumn(wxListEvent& event);
    void OnQuestionSelected(wxListEvent& event);
    void OnQuestionActivated(wxListEvent& event);
    void OnSavePlot(wxCommandEvent& event);
    void OnUpdateDelete(wxUpdateUIEvent& event);

    std::unique_ptr<CAssessmentMgr> m_ownAssessment;
    CAssessmentMgr* m_assessment;
    wxString m_file;
    std::unique_ptr<CAssessmentResults> m_results;
    bool m_readFailed;
    wxString m_readError;
    wxString m_readAt;

    wxStaticText* m_summary;
    wxStaticText* m_notes;
    wxCheckBox* m_includeEarlier;
    wxNotebook* m_notebook;
    CSortableListCtrl* m_attempts;
    wxCheckBox* m_fromCheck;
    wxDatePickerCtrl* m_fromDate;
    wxCheckBox* m_toCheck;
    wxDatePickerCtrl* m_toDate;
    CSortableListCtrl* m_questions;
    CPlotPanel* m_answerPlot;
    CPlotPanel* m_histogramPlot;
    CPlotPanel* m_figuresPlot;
    wxTimer m_timer;

    wxDECLARE_EVENT_TABLE();
};
