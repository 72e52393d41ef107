#include "app/ResultsFrame.h"

#include "app/AssessmentResults.h"
#include "app/HostMessages.h"
#include "app/PlotPanel.h"
#include "assessment/EVAssessmentMgrDataDlg.h"
#include "external/data/AssessmentMgr.h"
#include "results/StatisticsReport.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/datectrl.h>
#include <wx/dateevt.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/intl.h>
#include <wx/listctrl.h>
#include <wx/notebook.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>

#include <cmath>
#include <cstdio>

wxBEGIN_EVENT_TABLE(CResultsFrame, wxFrame)
    EVT_BUTTON(CResultsFrame::kRefreshID, CResultsFrame::OnRefresh)
    EVT_TIMER(CResultsFrame::kTimerID, CResultsFrame::OnTimer)
    EVT_CHECKBOX(CResultsFrame::kIncludeEarlierID, CResultsFrame::OnIncludeEarlier)
    EVT_BUTTON(CResultsFrame::kExportCsvID, CResultsFrame::OnExportCsv)
    EVT_BUTTON(CResultsFrame::kExportHtmlID, CResultsFrame::OnExportHtml)
    EVT_CHECKBOX(CResultsFrame::kFromCheckID, CResultsFrame::OnDateFilter)
    EVT_CHECKBOX(CResultsFrame::kToCheckID, CResultsFrame::OnDateFilter)
    EVT_DATE_CHANGED(CResultsFrame::kFromDateID, CResultsFrame::OnDateChanged)
    EVT_DATE_CHANGED(CResultsFrame::kToDateID, CResultsFrame::OnDateChanged)
    EVT_BUTTON(CResultsFrame::kDeleteAttemptID, CResultsFrame::OnDeleteAttempt)
    EVT_UPDATE_UI(CResultsFrame::kDeleteAttemptID, CResultsFrame::OnUpdateDelete)
    EVT_LIST_COL_CLICK(CResultsFrame::kAttemptsListID, CResultsFrame::OnAttemptsColumn)
    EVT_LIST_COL_CLICK(CResultsFrame::kQuestionsListID, CResultsFrame::OnQuestionsColumn)
    EVT_LIST_ITEM_SELECTED(CResultsFrame::kQuestionsListID, CResultsFrame::OnQuestionSelected)
    EVT_LIST_ITEM_ACTIVATED(CResultsFrame::kQuestionsListID, CResultsFrame::OnQuestionActivated)
    EVT_BUTTON(CResultsFrame::kSaveAnswerPngID, CResultsFrame::OnSavePlot)
    EVT_BUTTON(CResultsFrame::kSaveAnswerSvgID, CResultsFrame::OnSavePlot)
    EVT_BUTTON(CResultsFrame::kSaveHistogramPngID, CResultsFrame::OnSavePlot)
    EVT_BUTTON(CResultsFrame::kSaveHistogramSvgID, CResultsFrame::OnSavePlot)
    EVT_BUTTON(CResultsFrame::kSaveFiguresPngID, CResultsFrame::OnSavePlot)
    EVT_BUTTON(CResultsFrame::kSaveFiguresSvgID, CResultsFrame::OnSavePlot)
wxEND_EVENT_TABLE()

namespace
{
const double kNoNumber = std::nan("");

wxString fromUtf8(const std::string& text)
{
    return wxString::FromUTF8(text.c_str());
}

// The time an attempt was submitted, or started while in progress, in
// this machine's time zone.
wxDateTime localTimeOf(const CAttempt& attempt)
{
    long long seconds = 0;
    const std::string& text =
        attempt.m_status == CAttempt::eSubmitted ? attempt.m_submittedAt : attempt.m_startedAt;
    if (!CAttempt::parseUtc(text, &seconds))
        return wxDateTime();
    return wxDateTime(time_t(seconds));
}

// "2026-12-07 10:42": the lists show thousands, faster than Format() makes them.
wxString shownTime(const wxDateTime& time)
{
    const wxDateTime::Tm parts = time.GetTm();
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", int(parts.year), int(parts.mon) + 1,
                  int(parts.mday), int(parts.hour), int(parts.min));
    return wxString::FromAscii(text);
}

wxString oneLine(const std::string& text, size_t maxLength = 90)
{
    wxString line = fromUtf8(text);
    line.Replace("\r", " ");
    line.Replace("\n", " ");
    if (line.length() > maxLength)
        line = line.Left(maxLength - 1) + wxString::FromUTF8("…");
    return line;
}

double numberOr(const TFigure& figure)
{
    return figure ? *figure : kNoNumber;
}

wxString figure(const TFigure& value, int decimals, const char* unit = "")
{
    return fromUtf8(CAssessmentStatistics::format(value, decimals)) + (value ? unit : "");
}
} // namespace

CResultsFrame::CResultsFrame(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
                             const wxSize& size, long style, const wxString& name)
    : wxFrame(parent, id, title, pos, size, style, name), m_timer(this, kTimerID)
{
    zeroInit();
    createControls();
}

CResultsFrame::~CResultsFrame()
{
    m_timer.Stop();
}

void CResultsFrame::zeroInit()
{
    m_assessment = nullptr;
    m_readFailed = false;
    m_summary = nullptr;
    m_notes = nullptr;
    m_includeEarlier = nullptr;
    m_notebook = nullptr;
    m_attempts = nullptr;
    m_fromCheck = nullptr;
    m_fromDate = nullptr;
    m_toCheck = nullptr;
    m_toDate = nullptr;
    m_questions = nullptr;
    m_answerPlot = nullptr;
    m_histogramPlot = nullptr;
    m_figuresPlot = nullptr;
}

bool CResultsFrame::createControls()
{
    auto* panel = new wxPanel(this);
    m_summary = new wxStaticText(panel, kSummaryID, wxString());
    m_summary->SetFont(m_summary->GetFont().Bold().Larger());
    m_notes = new wxStaticText(panel, kNotesID, wxString());

    auto* commands = new wxBoxSizer(wxHORIZONTAL);
    commands->Add(new wxButton(panel, kRefreshID, _("&Refresh")), 0, wxRIGHT, 10);
    m_includeEarlier = new wxCheckBox(panel, kIncludeEarlierID,
                                      _("Count &earlier versions for the questions that did not change"));
    commands->Add(m_includeEarlier, 0, wxALIGN_CENTER_VERTICAL);
    commands->AddStretchSpacer(1);
    commands->Add(new wxButton(panel, kExportCsvID, _("Export &CSV...")), 0, wxLEFT, 10);
    commands->Add(new wxButton(panel, kExportHtmlID, _("Export &HTML Report...")), 0, wxLEFT, 10);

    m_notebook = new wxNotebook(panel, kNotebookID);
    m_notebook->AddPage(createAttemptsPage(m_notebook), _("Attempts"), true);
    m_notebook->AddPage(createQuestionsPage(m_notebook), _("Questions"));
    m_notebook->AddPage(createPlotsPage(m_notebook), _("Plots"));

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(m_summary, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 10);
    sizer->Add(m_notes, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 10);
    sizer->Add(commands, 0, wxEXPAND | wxALL, 10);
    sizer->Add(m_notebook, 1, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);
    panel->SetSizer(sizer);
    CreateStatusBar();
    return true;
}

wxWindow* CResultsFrame::createAttemptsPage(wxWindow* parent)
{
    auto* page = new wxPanel(parent);
    m_fromCheck = new wxCheckBox(page, kFromCheckID, _("&From"));
    m_fromDate = new wxDatePickerCtrl(page, kFromDateID);
    m_toCheck = new wxCheckBox(page, kToCheckID, _("&To"));
    m_toDate = new wxDatePickerCtrl(page, kToDateID);
    auto* filter = new wxBoxSizer(wxHORIZONTAL);
    filter->Add(m_fromCheck, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 4);
    filter->Add(m_fromDate, 0, wxRIGHT, 16);
    filter->Add(m_toCheck, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 4);
    filter->Add(m_toDate, 0);
    filter->AddStretchSpacer(1);
    filter->Add(new wxButton(page, kDeleteAttemptID, _("&Delete Attempt...")), 0);

    wxArrayString headers;
    for (const char* header :
         {wxTRANSLATE("Taker"), wxTRANSLATE("Submitted"), wxTRANSLATE("Duration"), wxTRANSLATE("Score"),
          wxTRANSLATE("Status"), wxTRANSLATE("Passed")})
        headers.push_back(wxGetTranslation(header));
    m_attempts = new CSortableListCtrl(page, kAttemptsListID, headers, {260, 160, 110, 80, 260, 90});

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(filter, 0, wxEXPAND | wxALL, 8);
    sizer->Add(m_attempts, 1, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 8);
    page->SetSizer(sizer);
    return page;
}

wxWindow* CResultsFrame::createQuestionsPage(wxWindow* parent)
{
    auto* page = new wxPanel(parent);
    wxArrayString headers;
    for (const char* header :
         {wxTRANSLATE("#"), wxTRANSLATE("Question"), wxTRANSLATE("Attempts"), wxTRANSLATE("Facility"),
          wxTRANSLATE("Std. dev."), wxTRANSLATE("Discrimination"), wxTRANSLATE("Answers chosen"),
          wxTRANSLATE("Flags")})
        headers.push_back(wxGetTranslation(header));
    m_questions = new CSortableListCtrl(page, kQuestionsListID, headers, {40, 280, 70, 70, 70, 100, 180, 220},
                                        wxSize(-1, 220));
    m_answerPlot = new CPlotPanel(page, kAnswerPlotID, wxDefaultPosition, wxSize(420, 240),
                                  wxFULL_REPAINT_ON_RESIZE, "answers");

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(m_questions, 1, wxEXPAND | wxALL, 8);
    sizer->Add(m_answerPlot, 1, wxEXPAND | wxLEFT | wxRIGHT, 8);
    sizer->Add(createSaveButtons(page, kSaveAnswerPngID, kSaveAnswerSvgID), 0, wxEXPAND | wxALL, 8);
    page->SetSizer(sizer);
    return page;
}

wxWindow* CResultsFrame::createPlotsPage(wxWindow* parent)
{
    auto* page = new wxPanel(parent);
    m_histogramPlot = new CPlotPanel(page, kHistogramPlotID, wxDefaultPosition, wxSize(420, 300),
                                     wxFULL_REPAINT_ON_RESIZE, "scores");
    m_figuresPlot = new CPlotPanel(page, kFiguresPlotID, wxDefaultPosition, wxSize(420, 300),
                                   wxFULL_REPAINT_ON_RESIZE, "questions");
    auto* histogram = new wxBoxSizer(wxVERTICAL);
    histogram->Add(m_histogramPlot, 1, wxEXPAND);
    histogram->Add(createSaveButtons(page, kSaveHistogramPngID, kSaveHistogramSvgID), 0, wxEXPAND | wxTOP, 8);
    auto* figures = new wxBoxSizer(wxVERTICAL);
    figures->Add(m_figuresPlot, 1, wxEXPAND);
    figures->Add(createSaveButtons(page, kSaveFiguresPngID, kSaveFiguresSvgID), 0, wxEXPAND | wxTOP, 8);
    auto* sizer = new wxBoxSizer(wxHORIZONTAL);
    sizer->Add(histogram, 2, wxEXPAND | wxALL, 8);
    sizer->Add(figures, 3, wxEXPAND | wxALL, 8);
    page->SetSizer(sizer);
    return page;
}

wxSizer* CResultsFrame::createSaveButtons(wxWindow* parent, int pngID, int svgID)
{
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->AddStretchSpacer(1);
    row->Add(new wxButton(parent, pngID, _("Save as &PNG...")), 0, wxLEFT, 8);
    row->Add(new wxButton(parent, svgID, _("Save as S&VG...")), 0, wxLEFT, 8);
    return row;
}

bool CResultsFrame::initialize(CAssessmentMgr* assessment, const wxString& file, const wxString& storeUrl)
{
    m_assessment = assessment;
    m_file = file;
    m_results.reset(new CAssessmentResults(assessment, file, storeUrl));
    SetTitle(wxString::Format(_("Results of %s"), wxFileName(file).GetFullName()) + " - Evalon");
    const bool read = refresh();
    m_timer.Start(kRefreshInterval);
    return read;
}

bool CResultsFrame::initialize(std::unique_ptr<CAssessmentMgr> assessment, const wxString& file,
                               const wxString& storeUrl)
{
    m_ownAssessment = std::move(assessment);
    return initialize(m_ownAssessment.get(), file, storeUrl);
}

bool CResultsFrame::refresh()
{
    if (!m_results)
        return false;
    m_readFailed = !m_results->read();
    m_readError = m_readFailed ? m_results->getLastError() : wxString();
    m_readAt = wxDateTime::Now().FormatISOTime();
    TransferDataToWindow();
    return !m_readFailed;
}

bool CResultsFrame::TransferDataToWindow()
{
    if (!m_results)
        return true;
    m_includeEarlier->SetValue(m_results->getIncludeEarlierVersions());
    showSummary();
    showAttempts();
    showQuestions();
    showPlots();
    const int seconds = kRefreshInterval / 1000;
    // TRANSLATORS: %s are the results store ("the results store sqlite:...") and the time it was read.
    SetStatusText(wxString::Format(wxPLURAL("%s, read at %s; read again every %d seconds.",
                                            "%s, read at %s; read again every %d seconds.", seconds),
                                   m_results->getStoreDescription(), m_readAt, seconds));
    return true;
}

bool CResultsFrame::TransferDataFromWindow()
{
    if (m_results)
        m_results->setIncludeEarlierVersions(m_includeEarlier->GetValue());
    return true;
}

std::optional<unsigned> CResultsFrame::passMark() const
{
    return m_assessment ? m_assessment->getDeliveryOptions()->passMark() : std::nullopt;
}

// The summary's last line with a pass mark: how many of the submitted
// attempts passed.
wxString CResultsFrame::passedLine() const
{
    const std::optional<unsigned> mark = passMark();
    if (!mark)
        return wxString();
    return "\n" + wxString::FromUTF8(CStatisticsReport::passedText(m_results->getAttempts(), *mark));
}

void CResultsFrame::showSummary()
{
    const STestStatistics& test = m_results->getStatistics().test();
    const wxString dot = wxString::FromUTF8("   ·   ");
    // Each figure with its name, translated as a whole; the dots between them are no words.
    m_summary->SetLabel(
        wxString::Format(wxPLURAL("%u submitted attempts", "%u submitted attempts", test.m_attempts),
                         test.m_attempts) +
        dot + wxString::Format(_("mean %s"), figure(test.m_mean, 1, "%")) + dot +
        wxString::Format(_("median %s"), figure(test.m_median, 1, "%")) + dot +
        wxString::Format(_("standard deviation %s"), figure(test.m_standardDeviation, 1, "%")) + "\n" +
        wxString::Format(_("lowest %s"), figure(test.m_lowest, 1, "%")) + dot +
        wxString::Format(_("highest %s"), figure(test.m_highest, 1, "%")) + dot +
        wxString::Format(_("Cronbach's alpha %s"), figure(test.m_cronbachAlpha, 3)) + dot +
        wxString::Format(_("standard error of measurement %s questions"), figure(test.m_standardError, 2)) +
        passedLine());
    wxString notes;
    if (m_readFailed)
        notes = m_readError + "\n";
    for (const std::string& note : m_results->getStatistics().notes())
        notes += fromUtf8(note) + "\n";
    notes.Trim();
    m_notes->SetForegroundColour(m_readFailed ? wxColour(0xb0, 0x20, 0x20) : wxColour(0x80, 0x50, 0x00));
    m_notes->SetLabel(notes);
    m_notes->Wrap(GetClientSize().x - 40);
    m_notes->Show(!notes.empty());
    m_summary->GetParent()->Layout();
}

void CResultsFrame::showAttempts()
{
    const std::optional<unsigned> mark = passMark();
    std::vector<CSortableListCtrl::SRow> rows;
    const wxDateTime from = m_fromCheck->GetValue() ? m_fromDate->GetValue().GetDateOnly() : wxDateTime();
    const wxDateTime to = m_toCheck->GetValue() ? m_toDate->GetValue().GetDateOnly() : wxDateTime();
    for (const CAttempt& attempt : m_results->getAttempts())
    {
        const wxDateTime when = localTimeOf(attempt);
        if ((from.IsValid() || to.IsValid()) && !when.IsValid())
            continue;
        if ((from.IsValid() && when.GetDateOnly() < from) || (to.IsValid() && when.GetDateOnly() > to))
            continue;
        const bool submitted = attempt.m_status == CAttempt::eSubmitted;
        const bool current = attempt.m_assessmentFingerprint == m_results->getFingerprint();
        wxString status = submitted
                              ? _("submitted")
                              : wxString::Format(_("in progress, at question %u"), attempt.m_currentPage + 1);
        if (!current)
            // TRANSLATORS: %s is "submitted" or "in progress, at question 3".
            status = wxString::Format(_("%s, earlier version of the assessment"), status);
        const long long duration = submitted ? CStatisticsReport::durationSeconds(attempt) : -1;
        CSortableListCtrl::SRow row;
        row.m_key = fromUtf8(attempt.m_id);
        // Against the pass mark of now: attempts keep their score, not the mark.
        wxString passed;
        if (mark && submitted)
            passed = attempt.passed(*mark) ? _("yes") : _("no");
        row.m_cells = {fromUtf8(attempt.m_taker),
                       when.IsValid() ? shownTime(when) : wxString(),
                       fromUtf8(CStatisticsReport::durationText(duration)),
                       submitted ? wxString::Format("%u%%", attempt.m_score) : wxString::FromUTF8("–"),
                       status,
                       passed};
        row.m_numbers = {kNoNumber,
                         when.IsValid() ? double(when.GetTicks()) : kNoNumber,
                         duration >= 0 ? double(duration) : kNoNumber,
                         submitted ? double(attempt.m_score) : kNoNumber,
                         kNoNumber,
                         kNoNumber};
        rows.push_back(row);
    }
    m_attempts->setRows(std::move(rows));
}

void CResultsFrame::showQuestions()
{
    std::vector<CSortableListCtrl::SRow> rows;
    for (const SQuestionStatistics& question : m_results->getStatistics().questions())
    {
        CSortableListCtrl::SRow row;
        row.m_key = wxString::Format("%u", question.m_position);
        row.m_cells = {wxString::Format("%u", question.m_position + 1),
                       question.m_fingerprint.empty() ? _("(no question)")
                                                      : oneLine(question.m_questionText),
                       wxString::Format("%u", question.m_attempts),
                       figure(question.m_facility, 2),
                       figure(question.m_standardDeviation, 2),
                       figure(question.m_discrimination, 2),
                       fromUtf8(CStatisticsReport::answerCountText(question)),
                       fromUtf8(CStatisticsReport::flagText(question))};
        row.m_numbers = {double(question.m_position + 1),
                         kNoNumber,
                         double(question.m_attempts),
                         numberOr(question.m_facility),
                         numberOr(question.m_standardDeviation),
                         numberOr(question.m_discrimination),
                         kNoNumber,
                         kNoNumber};
        rows.push_back(row);
    }
    m_questions->setRows(std::move(rows));
    if (selectedQuestion() < 0 && !m_results->getStatistics().questions().empty())
        m_questions->selectKey("0");
}

void CResultsFrame::showPlots()
{
    m_histogramPlot->setChart(CStatisticsPlots::scoreHistogram(m_results->getStatistics()));
    m_figuresPlot->setChart(CStatisticsPlots::questionFigures(m_results->getStatistics()));
    showAnswerPlot();
}

int CResultsFrame::selectedQuestion() const
{
    long position = -1;
    const wxString key = m_questions->getSelectedKey();
    return !key.empty() && key.ToLong(&position) ? int(position) : -1;
}

void CResultsFrame::showAnswerPlot()
{
    const std::vector<SQuestionStatistics>& questions = m_results->getStatistics().questions();
    const int position = selectedQuestion();
    if (position >= 0 && size_t(position) < questions.size())
        m_answerPlot->setChart(CStatisticsPlots::answerShares(questions[size_t(position)]));
    else
    {
        CStatisticsPlots::SBarChart empty;
        empty.m_title = _("Share of takers choosing each answer").utf8_string();
        empty.m_emptyText =
            (questions.empty() ? _("The assessment has no questions") : _("Choose a question above"))
                .utf8_string();
        m_answerPlot->setChart(empty);
    }
}

void CResultsFrame::OnRefresh(wxCommandEvent&)
{
    refresh();
}

void CResultsFrame::OnTimer(wxTimerEvent&)
{
    refresh();
}

void CResultsFrame::OnIncludeEarlier(wxCommandEvent&)
{
    TransferDataFromWindow();
    TransferDataToWindow();
}

void CResultsFrame::OnDateFilter(wxCommandEvent&)
{
    showAttempts();
}

void CResultsFrame::OnDateChanged(wxDateEvent& event)
{
    // Choosing a date turns its filter on.
    (event.GetId() == kFromDateID ? m_fromCheck : m_toCheck)->SetValue(true);
    showAttempts();
}

void CResultsFrame::OnUpdateDelete(wxUpdateUIEvent& event)
{
    event.Enable(m_attempts && !m_attempts->getSelectedKey().empty());
}

void CResultsFrame::OnDeleteAttempt(wxCommandEvent&)
{
    const wxString id = m_attempts->getSelectedKey();
    const long index = m_attempts->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
    if (id.empty() || index < 0)
        return;
    const wxString question =
        // TRANSLATORS: %s are the taker's name and when the attempt was submitted.
        wxString::Format(_("Delete the attempt of %s (%s)?\n\nIts answers are removed from the results store "
                           "for good and no longer count in the statistics."),
                         m_attempts->GetItemText(index, 0), m_attempts->GetItemText(index, 1));
    if (!CHostMessages::confirm(question, this, true))
        return;
    if (!m_results->deleteAttempt(id.utf8_string()))
    {
        CHostMessages::error(m_results->getLastError(), this);
        return;
    }
    TransferDataToWindow();
}

void CResultsFrame::OnAttemptsColumn(wxListEvent& event)
{
    m_attempts->sortBy(event.GetColumn());
}

void CResultsFrame::OnQuestionsColumn(wxListEvent& event)
{
    m_questions->sortBy(event.GetColumn());
}

void CResultsFrame::OnQuestionSelected(wxListEvent&)
{
    showAnswerPlot();
}

void CResultsFrame::OnQuestionActivated(wxListEvent& event)
{
    long position = -1;
    if (!m_questions->getKeyAt(event.GetIndex()).ToLong(&position) || position < 0 ||
        unsigned(position) >= m_assessment->getCount())
        return;
    CEVAssessmentMgrDataDlg dialog(this);
    dialog.initialize(m_assessment, m_assessment->getDataAtIndex(unsigned(position)));
    dialog.ShowModal();
    // An edited question is another question: its figures start afresh, and
    // the attempts are read again against the assessment's new version.
    refresh();
}

void CResultsFrame::OnSavePlot(wxCommandEvent& event)
{
    const int id = event.GetId();
    CPlotPanel* plot = id == kSaveAnswerPngID || id == kSaveAnswerSvgID         ? m_answerPlot
                       : id == kSaveHistogramPngID || id == kSaveHistogramSvgID ? m_histogramPlot
                                                                                : m_figuresPlot;
    savePlot(plot, id == kSaveAnswerSvgID || id == kSaveHistogramSvgID || id == kSaveFiguresSvgID);
}

void CResultsFrame::savePlot(CPlotPanel* plot, bool svg)
{
    const wxString extension = svg ? "svg" : "png";
    const wxString suggested = wxFileName(m_file).GetName() + "-" + plot->GetName() + "." + extension;
    wxFileDialog dialog(this, svg ? _("Save the Plot as SVG") : _("Save the Plot as PNG"),
                        wxFileName(m_file).GetPath(), suggested,
                        svg ? _("SVG pictures (*.svg)|*.svg") : _("PNG pictures (*.png)|*.png"),
                        wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() != wxID_OK)
        return;
    wxString error;
    if (!(svg ? plot->saveSvg(dialog.GetPath(), &error) : plot->savePng(dialog.GetPath(), &error)))
        CHostMessages::error(error, this);
}

void CResultsFrame::OnExportCsv(wxCommandEvent&)
{
    exportReport(false);
}

void CResultsFrame::OnExportHtml(wxCommandEvent&)
{
    exportReport(true);
}

void CResultsFrame::exportReport(bool html)
{
    const wxFileName file(m_file);
    wxFileDialog dialog(this, html ? _("Export the HTML Report") : _("Export the Statistics as CSV"),
                        file.GetPath(), file.GetName() + (html ? "-report.html" : "-statistics.csv"),
                        html ? _("HTML files (*.html)|*.html") : _("CSV files (*.csv)|*.csv"),
                        wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() != wxID_OK)
        return;
    wxString path = dialog.GetPath();
    if (wxFileName(path).GetExt().empty())
        path += html ? ".html" : ".csv";
    std::string error;
    if (!CStatisticsReport::write(m_results->getStatistics(), m_results->getAttempts(),
                                  file.GetFullName().utf8_string(), path.utf8_string(), &error, passMark()))
        CHostMessages::error(fromUtf8(error), this);
    else
        SetStatusText(wxString::Format(_("Written to %s."), path));
}
