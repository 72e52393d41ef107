#include "external/widgets/VeltoCheckedButton.h"

#include <wx/dcclient.h>
#include <wx/settings.h>

#include <algorithm>

namespace
{

// A border only when the caller asks for one: the pictures are the whole look.
long withoutDefaultBorder(long style)
{
    return (style & wxBORDER_MASK) ? style : style | wxBORDER_NONE;
}

// A page turn gives every button the pictures it already has: the same data
// means the same pixels (a picture changed through wxImage's operations gets
// data of its own), so the bitmap made from them last time still holds.
void updateBitmap(const wxImage& image, wxImage& shown, wxBitmap& bitmap)
{
    if (image.IsSameAs(shown) && image.IsOk() == bitmap.IsOk())
        return;
    shown = image;
    bitmap = image.IsOk() ? wxBitmap(image) : wxNullBitmap;
}

} // namespace

wxBEGIN_EVENT_TABLE(CVeltoCheckedButton, wxControl)
    EVT_PAINT(CVeltoCheckedButton::OnPaint)
    EVT_ERASE_BACKGROUND(CVeltoCheckedButton::OnEraseBackground)
    EVT_LEFT_DOWN(CVeltoCheckedButton::OnLeftDown)
    EVT_LEFT_DCLICK(CVeltoCheckedButton::OnLeftDown)
    EVT_LEFT_UP(CVeltoCheckedButton::OnLeftUp)
    EVT_ENTER_WINDOW(CVeltoCheckedButton::OnEnter)
    EVT_LEAVE_WINDOW(CVeltoCheckedButton::OnLeave)
    EVT_SET_FOCUS(CVeltoCheckedButton::OnFocusChanged)
    EVT_KILL_FOCUS(CVeltoCheckedButton::OnFocusChanged)
    EVT_KEY_DOWN(CVeltoCheckedButton::OnKeyDown)
    EVT_KEY_UP(CVeltoCheckedButton::OnKeyUp)
wxEND_EVENT_TABLE()

CVeltoCheckedButton::CVeltoCheckedButton(wxWindow* parent, wxWindowID id, const wxString& label,
                                         const wxPoint& pos, const wxSize& size, long style)
{
    // The button paints only its picture: where the picture is transparent
    // (round buttons), the toolkit shows the parent's background.
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Create(parent, id, pos, size, withoutDefaultBorder(style), wxDefaultValidator, "veltoCheckedButton");
    SetLabel(label);
    SetInitialSize(size);
}

bool CVeltoCheckedButton::setImages(wxImage cold, wxImage hot, wxImage checked)
{
    updateBitmap(cold, m_coldImage, m_cold);
    updateBitmap(hot, m_hotImage, m_hotBitmap);
    updateBitmap(checked, m_checkedImage, m_checkedBitmap);
    InvalidateBestSize();
    SetInitialSize(DoGetBestSize());
    Refresh();
    return true;
}

void CVeltoCheckedButton::setChecked(bool checked, bool repaintNow)
{
    if (checked == m_checked)
        return;
    m_checked = checked;
    Refresh();
    if (repaintNow)
        Update();
}

wxVisualAttributes CVeltoCheckedButton::GetDefaultAttributes() const
{
    // The same for every button; GTK works them out from its style sheets
    // each time it is asked, and every paint asks three times.
    static const wxVisualAttributes defaults = wxControl::GetDefaultAttributes();
    return defaults;
}

wxSize CVeltoCheckedButton::DoGetBestSize() const
{
    return m_cold.IsOk() ? m_cold.GetSize() : wxSize(kFallbackSize, kFallbackSize);
}

void CVeltoCheckedButton::toggleAndNotify()
{
    m_checked = !m_checked;
    Refresh();
    wxCommandEvent event(wxEVT_BUTTON, GetId());
    event.SetEventObject(this);
    event.SetInt(m_checked ? 1 : 0);
    // Last: a handler may change this button or even destroy it.
    HandleWindowEvent(event);
}

void CVeltoCheckedButton::setHot(bool hot)
{
    if (hot == m_hot)
        return;
    m_hot = hot;
    Refresh();
}

// Without a cold picture the plain box is drawn; a missing hot or checked
// picture shows the next one that applies.
const wxBitmap* CVeltoCheckedButton::currentBitmap() const
{
    if (!m_cold.IsOk())
        return nullptr;
    if (m_checked && m_checkedBitmap.IsOk())
        return &m_checkedBitmap;
    if (m_hot && m_hotBitmap.IsOk())
        return &m_hotBitmap;
    return &m_cold;
}

// A rounded box with a border, thicker and in the highlight colour while hot,
// with a tick while checked.
void CVeltoCheckedButton::drawFallback(wxDC& dc) const
{
    const wxSize size = GetClientSize();
    const int side = std::min(size.x, size.y);
    const int border = std::max(2, side / 16) + (m_hot ? 1 : 0);
    const wxRect box = wxRect(size).Deflate(border);
    const wxColour ink = wxSystemSettings::GetColour(m_hot ? wxSYS_COLOUR_HIGHLIGHT : wxSYS_COLOUR_BTNTEXT);

    dc.SetPen(wxPen(ink, border));
    dc.SetBrush(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW)));
    dc.DrawRoundedRectangle(box, std::max(2, side / 6));
    if (!m_checked)
        return;

    wxPen tickPen(ink, std::max(2, side / 10));
    tickPen.SetCap(wxCAP_ROUND);
    tickPen.SetJoin(wxJOIN_ROUND);
    dc.SetPen(tickPen);
    const wxPoint tick[] = {
        wxPoint(box.x + box.width * 22 / 100, box.y + box.height * 52 / 100),
        wxPoint(box.x + box.width * 42 / 100, box.y + box.height * 72 / 100),
        wxPoint(box.x + box.width * 78 / 100, box.y + box.height * 28 / 100),
    };
    dc.DrawLines(WXSIZEOF(tick), tick);
}

void CVeltoCheckedButton::OnPaint(wxPaintEvent&)
{
    // A plain wxPaintDC: a buffered one would paint over the parent's
    // background around the picture.
    wxPaintDC dc(this);
    const wxBitmap* bitmap = currentBitmap();
    if (!bitmap)
    {
        drawFallback(dc);
        drawFocusRing(dc);
        return;
    }
    const wxSize client = GetClientSize();
    const wxSize picture = bitmap->GetSize();
    dc.DrawBitmap(*bitmap, (client.x - picture.x) / 2, (client.y - picture.y) / 2, true);
    drawFocusRing(dc);
}

// The pictures show hover and checked; the focus gets a ring of its own, dark
// outside and light inside, so that it shows on any picture and a checked,
// focused answer differs from a checked one the pointer rests on.
void CVeltoCheckedButton::drawFocusRing(wxDC& dc) const
{
    if (!m_focused)
        return;
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    const wxRect outer(GetClientSize());
    dc.SetPen(wxPen(*wxBLACK, kFocusRingWidth));
    dc.DrawRectangle(outer.Deflate(kFocusRingWidth / 2, kFocusRingWidth / 2));
    dc.SetPen(wxPen(*wxWHITE, kFocusRingWidth));
    dc.DrawRectangle(outer.Deflate(kFocusRingWidth + kFocusRingWidth / 2, kFocusRingWidth + kFocusRingWidth / 2));
}

void CVeltoCheckedButton::OnEraseBackground(wxEraseEvent&)
{
    // Nothing: the parent's background shows where the picture leaves room.
}

void CVeltoCheckedButton::OnLeftDown(wxMouseEvent&)
{
    m_pressed = true;
    if (!HasFocus())
        SetFocus();
}

// A click is a press and a release both inside the button; GTK keeps sending
// the pointer's events to the pressed window until the release.
void CVeltoCheckedButton::OnLeftUp(wxMouseEvent& event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    if (wasPressed && GetClientRect().Contains(event.GetPosition()))
        toggleAndNotify();
}

void CVeltoCheckedButton::OnEnter(wxMouseEvent& event)
{
    m_pointerInside = true;
    setHot(true);
    event.Skip();
}

void CVeltoCheckedButton::OnLeave(wxMouseEvent& event)
{
    m_pointerInside = false;
    setHot(m_focused);
    event.Skip();
}

void CVeltoCheckedButton::OnFocusChanged(wxFocusEvent& event)
{
    m_focused = event.GetEventType() == wxEVT_SET_FOCUS;
    Refresh(); // the ring comes or goes even when the picture stays hot
    m_spaceDown = false; // a release after the focus came back is no press
    setHot(m_focused || m_pointerInside);
    event.Skip();
}

namespace
{

bool isPlainSpace(const wxKeyEvent& event)
{
    const int key = event.GetKeyCode();
    return (key == WXK_SPACE || key == WXK_NUMPAD_SPACE) && !event.HasAnyModifiers();
}

} // namespace

// Space acts as a click: pressed, then released. Toggling on the release also
// makes a held key (the X server repeats only the press) toggle once.
void CVeltoCheckedButton::OnKeyDown(wxKeyEvent& event)
{
    if (!isPlainSpace(event))
    {
        event.Skip(); // Tab and the rest go on to navigation
        return;
    }
    m_spaceDown = true;
}

void CVeltoCheckedButton::OnKeyUp(wxKeyEvent& event)
{
    if (!isPlainSpace(event) || !m_spaceDown)
    {
        event.Skip();
        return;
    }
    m_spaceDown = false;
    toggleAndNotify();
}
