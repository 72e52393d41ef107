#pragma once

#include "external/widgets/EvalonWidgetsExport.h"

#include <wx/bitmap.h>
#include <wx/control.h>
#include <wx/image.h>

/// A push button drawn from three pictures with a checked state: the cold
/// picture normally, the hot one while the pointer is over it or it has the
/// keyboard focus, the checked one while checked; the focus also draws a ring
/// (kFocusRingWidth dark pixels outside, as many light ones inside). A click (or Space while it has
/// the focus) toggles the checked state, then sends wxEVT_BUTTON with the
/// button's identifier. Its size is the cold picture's size; without pictures it
/// draws a plain box, ticked when checked, at kFallbackSize.
class EVALON_WIDGETS_EXPORT CVeltoCheckedButton : public wxControl
{
public:
    /// The width and height, in pixels, of a button without pictures.
    static const int kFallbackSize = 40;
    /// The width, in pixels, of each of the focus ring's two bands.
    static const int kFocusRingWidth = 2;
    /// Whether the button has the keyboard focus (and draws the ring).
    bool isFocused() const { return m_focused; }

    /// An unchecked button without pictures; the label is not drawn (the
    /// pictures carry the button's face). The arguments are the toolkit's.
    CVeltoCheckedButton(wxWindow* parent, wxWindowID id, const wxString& label = wxEmptyString,
                        const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                        long style = 0);

    /// Any picture may be empty (no picture chosen): an empty hot or checked
    /// picture falls back to the cold one, an empty cold one to the plain box.
    /// Resizes the button to the cold picture. Returns true.
    bool setImages(wxImage cold, wxImage hot, wxImage checked);
    /// `repaintNow` true repaints at once (Refresh + Update); false only marks the
    /// button for the next paint. Sends no event.
    void setChecked(bool checked, bool repaintNow);
    /// Whether the button is checked.
    bool isChecked() const { return m_checked; }
    /// Whether the hot picture shows (pointer over the button, or focus).
    bool isHot() const { return m_hot; }

    /// The button takes the keyboard focus, also by Tab.
    ///@{
    bool AcceptsFocus() const override { return true; }
    bool AcceptsFocusFromKeyboard() const override { return true; }
    ///@}
    /// The theme's defaults, asked of GTK once: every paint asks for them.
    wxVisualAttributes GetDefaultAttributes() const override;

protected:
    /// The cold picture's size, or kFallbackSize square without one.
    wxSize DoGetBestSize() const override;

private:
    void toggleAndNotify();
    void setHot(bool hot);
    const wxBitmap* currentBitmap() const;
    void drawFallback(wxDC& dc) const;
    void drawFocusRing(wxDC& dc) const;

    void OnPaint(wxPaintEvent& event);
    void OnEraseBackground(wxEraseEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnEnter(wxMouseEvent& event);
    void OnLeave(wxMouseEvent& event);
    void OnFocusChanged(wxFocusEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnKeyUp(wxKeyEvent& event);

    wxBitmap m_cold;
    wxBitmap m_hotBitmap;
    wxBitmap m_checkedBitmap;
    // The pictures the bitmaps were made from.
    wxImage m_coldImage;
    wxImage m_hotImage;
    wxImage m_checkedImage;
    bool m_checked = false;
    bool m_hot = false;
    bool m_pressed = false;
    bool m_pointerInside = false;
    bool m_focused = false;
    bool m_spaceDown = false;

    wxDECLARE_EVENT_TABLE();
};
