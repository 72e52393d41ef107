#include "app/PlotPanel.h"

#include "external/data/FileBytes.h"
#include "results/PlotScene.h"

#include <wx/dcbuffer.h>
#include <wx/dcgraph.h>
#include <wx/dcmemory.h>
#include <wx/dcsvg.h>
#include <wx/filename.h>
#include <wx/intl.h>
#include <wx/log.h>
#include <wx/mstream.h>

wxBEGIN_EVENT_TABLE(CPlotPanel, wxPanel)
    EVT_PAINT(CPlotPanel::OnPaint)
wxEND_EVENT_TABLE()

namespace
{
wxColour colourOf(std::uint32_t colour)
{
    return wxColour((colour >> 16) & 0xff, (colour >> 8) & 0xff, colour & 0xff);
}

wxFont fontOf(const SPlotShape& shape)
{
    // The scene's sizes are CSS pixels, as in the SVG: 0.75 points each.
    return wxFont(wxFontInfo(shape.m_fontSize * 0.75)
                      .Family(wxFONTFAMILY_SWISS)
                      .Weight(shape.m_bold ? wxFONTWEIGHT_BOLD : wxFONTWEIGHT_NORMAL));
}

void paintText(wxDC& dc, const SPlotShape& shape)
{
    dc.SetFont(fontOf(shape));
    dc.SetTextForeground(colourOf(shape.m_colour));
    wxCoord width = 0, height = 0, descent = 0;
    const wxString text = wxString::FromUTF8(shape.m_text.c_str());
    dc.GetTextExtent(text, &width, &height, &descent);
    double x = shape.m_x;
    if (shape.m_anchor == SPlotShape::eMiddle)
        x -= width / 2.0;
    else if (shape.m_anchor == SPlotShape::eEnd)
        x -= width;
    // The scene gives the baseline; the toolkit draws from the top.
    dc.DrawText(text, wxRound(x), wxRound(shape.m_y - (height - descent)));
}
} // namespace

CPlotPanel::CPlotPanel(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size, long style,
                       const wxString& name)
{
    zeroInit();
    // Painted whole on every paint: nothing for the toolkit to erase first.
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Create(parent, id, pos, size, style, name);
    createControls();
}

CPlotPanel::~CPlotPanel() = default;

void CPlotPanel::zeroInit()
{
}

bool CPlotPanel::createControls()
{
    SetMinSize(wxSize(320, 220));
    return true;
}

void CPlotPanel::setChart(const CStatisticsPlots::SBarChart& chart)
{
    m_chart = chart;
    Refresh();
}

CPlotScene CPlotPanel::getScene() const
{
    const wxSize size = GetClientSize();
    return CStatisticsPlots::layOut(m_chart, size.x, size.y);
}

void CPlotPanel::paint(wxDC& dc, const CPlotScene& scene)
{
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    for (const SPlotShape& shape : scene.shapes())
    {
        switch (shape.m_kind)
        {
        case SPlotShape::eRectangle:
            dc.SetPen(*wxTRANSPARENT_PEN);
            dc.SetBrush(wxBrush(colourOf(shape.m_colour)));
            dc.DrawRectangle(wxRound(shape.m_x), wxRound(shape.m_y), wxRound(shape.m_x2 - shape.m_x),
                             wxRound(shape.m_y2 - shape.m_y));
            break;
        case SPlotShape::eLine:
            dc.SetPen(wxPen(colourOf(shape.m_colour), wxRound(shape.m_lineWidth),
                            shape.m_dashed ? wxPENSTYLE_SHORT_DASH : wxPENSTYLE_SOLID));
            dc.DrawLine(wxRound(shape.m_x), wxRound(shape.m_y), wxRound(shape.m_x2), wxRound(shape.m_y2));
            break;
        case SPlotShape::eText:
            paintText(dc, shape);
            break;
        }
    }
}

void CPlotPanel::OnPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC paintDC(this);
    wxGCDC dc(paintDC);
    paint(dc, getScene());
}

bool CPlotPanel::savePng(const wxString& path, wxString* error) const
{
    const CPlotScene scene = getScene();
    wxBitmap bitmap(wxMax(1, int(scene.width())), wxMax(1, int(scene.height())), 24);
    {
        wxMemoryDC memoryDC(bitmap);
        wxGCDC dc(memoryDC);
        paint(dc, scene);
    }
    wxMemoryOutputStream stream;
    wxLogNull quiet;
    if (!bitmap.ConvertToImage().SaveFile(stream, wxBITMAP_TYPE_PNG))
    {
        *error = wxString::Format(_("The plot cannot be saved as %s: the PNG could not be made."), path);
        return false;
    }
    std::string bytes(stream.GetLength(), '\0');
    stream.CopyTo(bytes.data(), bytes.size());
    wxString reason;
    if (!CFileBytes::replace(path, bytes, &reason))
    {
        // TRANSLATORS: %s are the file and the reason it cannot be written.
        *error = wxString::Format(_("The plot cannot be saved as %s: %s."), path, reason);
        return false;
    }
    return true;
}

bool CPlotPanel::saveSvg(const wxString& path, wxString* error) const
{
    const CPlotScene scene = getScene();
    wxLogNull quiet;
    // wxSVGFileDC writes its file as it goes: it writes a temporary file
    // beside the target, which then replaces it.
    const wxString temporary = wxFileName::CreateTempFileName(path);
    bool written = !temporary.empty();
    if (written)
    {
        wxSVGFileDC dc(temporary, wxRound(scene.width()), wxRound(scene.height()), 72, "Plot");
        paint(dc, scene);
        written = dc.IsOk();
    }
    if (!written || !wxRenameFile(temporary, path, true))
    {
        *error = wxString::Format(_("The plot cannot be saved as %s: %s."), path, wxSysErrorMsgStr());
        if (!temporary.empty())
            wxRemoveFile(temporary);
        return false;
    }
    return true;
}
