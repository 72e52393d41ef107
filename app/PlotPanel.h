#pragma once

#include "results/StatisticsPlots.h"

#include <wx/panel.h>

class CPlotScene;
class wxDC;

// One plot of the results window: a bar chart laid out again for the panel's
// size on every paint, drawn with wxGraphicsContext, and saved as PNG or SVG
// at the size shown.
class CPlotPanel : public wxPanel
{
public:
    CPlotPanel(wxWindow* parent, wxWindowID id = wxID_ANY, const wxPoint& pos = wxDefaultPosition,
               const wxSize& size = wxSize(420, 300), long style = wxFULL_REPAINT_ON_RESIZE,
               const wxString& name = "plot");
    ~CPlotPanel() override;

    void setChart(const CStatisticsPlots::SBarChart& chart);
    const CStatisticsPlots::SBarChart& getChart() const { return m_chart; }
    // The chart laid out for the panel's present size.
    CPlotScene getScene() const;

    // Each writes through a temporary file renamed into place; false, with
    // the reason naming the file in `error`, when that fails.
    bool savePng(const wxString& path, wxString* error) const;
    bool saveSvg(const wxString& path, wxString* error) const;

    // Draws `scene` on `dc`, which should be a wxGCDC for smooth lines.
    static void paint(wxDC& dc, const CPlotScene& scene);

private:
    void zeroInit();
    bool createControls();

    void OnPaint(wxPaintEvent& event);

    CStatisticsPlots::SBarChart m_chart;

    wxDECLARE_EVENT_TABLE();
};
