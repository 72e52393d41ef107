#include "external/widgets/VeltoStaticCtrl.h"

#include <wx/dcclient.h>
#include <wx/graphics.h>

#include <algorithm>
#include <cstring>
#include <unordered_map>

const char kVeltoStaticCtrlNameStr[] = "veltoStaticCtrl";

namespace
{

// The largest window X11 can show, either way. Text beyond it could never be
// seen, so it is not laid out either: that bounds the work for huge labels.
const int kMaxExtent = 32767;

// Breaks a text into lines no wider than a width, at blanks; a word wider than
// a whole line is cut where it must. Words are measured once each and a cut
// measures a few pieces about as long as the one it keeps, so the work grows
// linearly with the text; it stops at `maxLines`.
class CLineWrapper
{
public:
    CLineWrapper(const wxWindow& window, int spaceWidth, int letterWidth, int maxWidth, int maxLines)
        : m_window(window), m_font(window.GetFont()), m_maxWidth(maxWidth), m_maxLines(maxLines),
          m_spaceWidth(spaceWidth), m_letterWidth(std::max(1, letterWidth))
    {
    }

    static constexpr const char* kLetters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

    wxArrayString wrap(const wxString& text)
    {
        size_t start = 0;
        while (start <= text.length() && !full())
        {
            size_t end = text.find('\n', start);
            if (end == wxString::npos)
                end = text.length();
            wrapParagraph(text, start, end);
            start = end + 1;
        }
        return m_lines;
    }

    int widestLine() const { return m_widest; }

private:
    // Longer words are not remembered: they are usually cut.
    static const size_t kShortWord = 64;

    bool full() const { return int(m_lines.size()) >= m_maxLines; }

    // With the font given: asking the window for its font each time costs
    // more than the measuring.
    int measure(const wxString& text) const
    {
        int width = 0;
        m_window.GetTextExtent(text, &width, nullptr, nullptr, nullptr, &m_font);
        return width;
    }

    int measureShortWord(const wxString& word)
    {
        auto known = m_wordWidths.find(word);
        if (known != m_wordWidths.end())
            return known->second;
        const int width = measure(word);
        m_wordWidths.emplace(word, width);
        return width;
    }

    // Blanks before a paragraph's first word are kept (indentation), blanks
    // between words are kept within a line and dropped where it breaks.
    void wrapParagraph(const wxString& text, size_t pos, size_t end)
    {
        if (end > pos && text[end - 1] == '\r')
            --end;
        if (fitsWhole(text, pos, end))
            return;
        size_t indent = 0;
        while (pos < end && text[pos] == ' ')
            ++indent, ++pos;
        if (pos < end && int(indent) * m_spaceWidth < m_maxWidth)
        {
            m_line = wxString(indent, ' ');
            m_lineWidth = int(indent) * m_spaceWidth;
        }
        while (pos < end && !full())
        {
            size_t blanks = 0;
            while (pos < end && text[pos] == ' ')
                ++blanks, ++pos;
            if (pos == end)
                break;
            const size_t wordStart = pos;
            while (pos < end && text[pos] != ' ')
                ++pos;
            placeWord(text, wordStart, pos, m_lineHasWords ? blanks : 0);
        }
        if (!full())
            emitLine();
    }

    // Most texts on a page are a line long: a paragraph that fits is measured
    // once, not word by word. Only tried where the average letter says it may
    // fit, so that a long paragraph is not measured whole in vain.
    bool fitsWhole(const wxString& text, size_t pos, size_t end)
    {
        while (end > pos && text[end - 1] == ' ') // dropped at the end of a line anyway
            --end;
        const size_t length = end - pos;
        if (length == 0 || m_lineHasWords || length > 2 * size_t(m_maxWidth) / size_t(m_letterWidth) + 1)
            return false;
        const wxString line = text.substr(pos, length);
        const int width = measure(line);
        if (width > m_maxWidth)
            return false;
        appendToLine(line, width);
        emitLine();
        return true;
    }

    void placeWord(const wxString& text, size_t pos, size_t end, size_t blanks)
    {
        const int gap = int(blanks) * m_spaceWidth;
        const int room = m_maxWidth - m_lineWidth - gap;
        const size_t length = end - pos;
        if (length <= kShortWord)
        {
            const wxString word = text.substr(pos, length);
            const int width = measureShortWord(word);
            if (width <= room)
            {
                appendToLine(wxString(blanks, ' ') + word, gap + width);
                return;
            }
            if (width <= m_maxWidth)
            {
                if (m_lineHasWords)
                    emitLine();
                clearLine();
                appendToLine(word, width);
                return;
            }
        }
        else if (room > 0 && fittingLength(text, pos, end, room) == length)
        {
            const wxString word = text.substr(pos, length);
            appendToLine(wxString(blanks, ' ') + word, gap + measure(word));
            return;
        }
        if (m_lineHasWords)
            emitLine();
        else
            clearLine(); // an indentation that leaves no room goes
        cutOnFreshLines(text, pos, end);
    }

    // Fills whole lines with the word, the last piece staying open for the
    // words that follow.
    void cutOnFreshLines(const wxString& text, size_t pos, size_t end)
    {
        while (pos < end && !full())
        {
            const size_t length = std::max<size_t>(1, fittingLength(text, pos, end, m_maxWidth));
            const wxString piece = text.substr(pos, length);
            appendToLine(piece, measure(piece));
            pos += length;
            if (pos < end)
                emitLine();
        }
    }

    // The longest start of text[pos, end) no wider than `room`. Each guess is
    // interpolated from the widths measured so far (every third one halves the
    // interval, in case the guesses creep), so that a few measurements of about
    // the answer's length suffice.
    size_t fittingLength(const wxString& text, size_t pos, size_t end, int room) const
    {
        const size_t available = end - pos;
        size_t fits = 0; // the longest start known to fit...
        int fitsWidth = 0;
        size_t tooLong = available + 1; // ...and the shortest known not to
        int tooLongWidth = -1;          // (not measured yet)
        size_t guess =
            std::clamp<size_t>(size_t(room) / size_t(m_letterWidth), 1, std::max<size_t>(1, available));
        for (int step = 1; tooLong - fits > 1; ++step)
        {
            const int width = measure(text.substr(pos, guess));
            if (width <= room)
                fits = guess, fitsWidth = width;
            else
                tooLong = guess, tooLongWidth = width;
            if (tooLong - fits <= 1)
                break;
            if (tooLongWidth < 0) // no upper width yet: extrapolate, within reason
                guess = fitsWidth > 0 ? fits * size_t(room) / size_t(fitsWidth) + 1 : 2 * fits + 16;
            else if (step % 3 == 0)
                guess = fits + (tooLong - fits) / 2;
            else
                guess = fits + size_t(room - fitsWidth) * (tooLong - fits) / size_t(tooLongWidth - fitsWidth);
            guess = std::clamp(guess, fits + 1, std::min(tooLong - 1, 8 * fits + 64));
        }
        return fits;
    }

    void appendToLine(const wxString& text, int width)
    {
        m_line += text;
        m_lineWidth += width;
        m_lineHasWords = true;
    }

    void emitLine()
    {
        m_lines.Add(m_line);
        m_widest = std::max(m_widest, m_lineWidth);
        clearLine();
    }

    void clearLine()
    {
        m_line.clear();
        m_lineWidth = 0;
        m_lineHasWords = false;
    }

    const wxWindow& m_window;
    const wxFont m_font;
    const int m_maxWidth;
    const int m_maxLines;
    const int m_spaceWidth;
    const int m_letterWidth; // on average, for the first guess at a cut
    std::unordered_map<wxString, int> m_wordWidths;
    wxArrayString m_lines;
    wxString m_line;
    int m_lineWidth = 0;
    bool m_lineHasWords = false;
    int m_widest = 0;
};

} // namespace

wxBEGIN_EVENT_TABLE(CVeltoStaticCtrl, wxControl)
    EVT_PAINT(CVeltoStaticCtrl::OnPaint)
    EVT_ERASE_BACKGROUND(CVeltoStaticCtrl::OnEraseBackground)
wxEND_EVENT_TABLE()

CVeltoStaticCtrl::CVeltoStaticCtrl(wxWindow* parent, wxWindowID id, const wxString& label, const wxPoint& pos,
                                   const wxSize& size, long style, const wxString& name)
{
    // No background of its own: the toolkit draws the parent's picture first,
    // and only the letters are painted over it.
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Create(parent, id, pos, size, style, wxDefaultValidator, name);
    if (size.x > 0)
        m_fixedWidth = std::min(unsigned(size.x), unsigned(kMaxExtent));
    wxControl::SetLabel(label);
    rewrap();
}

void CVeltoStaticCtrl::setWidth(unsigned width)
{
    const unsigned fixed = std::clamp(width, 1u, unsigned(kMaxExtent));
    // The label and the font re-wrap at the fixed width themselves, so at an
    // unchanged width the lines are current: a page turn sets the labels and
    // then lays them out at the width they already have.
    if (fixed == m_fixedWidth && m_wrapped)
    {
        SetInitialSize(DoGetBestSize());
        return;
    }
    m_fixedWidth = fixed;
    rewrap();
}

void CVeltoStaticCtrl::measureFont() const
{
    if (m_fontLineHeight)
        return;
    const wxFont font = GetFont();
    int x = 0, y = 0;
    GetTextExtent("Ag", nullptr, &y, nullptr, nullptr, &font);
    m_fontLineHeight = std::max(1, y);
    GetTextExtent(" ", &x, nullptr, nullptr, nullptr, &font);
    m_spaceWidth = x;
    GetTextExtent(CLineWrapper::kLetters, &x, nullptr, nullptr, nullptr, &font);
    m_letterWidth = std::max(1, x / int(strlen(CLineWrapper::kLetters)));
}

wxVisualAttributes CVeltoStaticCtrl::GetDefaultAttributes() const
{
    // The same for every text; GTK works them out from its style sheets each
    // time it is asked, and every paint asks.
    static const wxVisualAttributes defaults = wxControl::GetDefaultAttributes();
    return defaults;
}

wxSize CVeltoStaticCtrl::measureWrapped(unsigned width) const
{
    measureFont();
    const int lineHeight = m_fontLineHeight;
    const int maxWidth = width ? int(std::min(width, unsigned(kMaxExtent))) : kMaxExtent;
    CLineWrapper wrapper(*this, m_spaceWidth, m_letterWidth, maxWidth, kMaxExtent / lineHeight + 1);
    const wxString label = GetLabel();
    const int lines = label.empty() ? 1 : std::max(1, int(wrapper.wrap(label).size()));
    return wxSize(width ? int(width) : wrapper.widestLine(), lines * lineHeight);
}

void CVeltoStaticCtrl::SetLabel(const wxString& label)
{
    wxControl::SetLabel(label);
    rewrap();
}

bool CVeltoStaticCtrl::SetFont(const wxFont& font)
{
    // The toolkit tells fonts apart by their sizes in pixels, measured on a
    // screen context at each comparison; a page turn sets the same font on
    // every text again. The description names face, size, style and lines.
    if (m_font.IsOk() && font.IsOk() && font.GetNativeFontInfoDesc() == m_font.GetNativeFontInfoDesc())
        return false;
    if (!wxControl::SetFont(font))
        return false;
    m_fontLineHeight = 0;
    rewrap();
    return true;
}

// The fixed width (or the widest line) by as many lines as the label takes;
// an empty label still takes one line, so that a layout does not jump when
// the text arrives.
wxSize CVeltoStaticCtrl::DoGetBestSize() const
{
    const int lines = std::max(1, int(m_lines.size()));
    const int width = m_fixedWidth ? int(m_fixedWidth) : std::max(1, m_widestLine);
    return wxSize(width, std::min(kMaxExtent, lines * m_lineHeight));
}

void CVeltoStaticCtrl::rewrap()
{
    if (!GetHandle()) // SetFont during creation: the label comes next
        return;
    measureFont();
    m_lineHeight = m_fontLineHeight;
    const int maxWidth = m_fixedWidth ? int(m_fixedWidth) : kMaxExtent;
    CLineWrapper wrapper(*this, m_spaceWidth, m_letterWidth, maxWidth, kMaxExtent / m_lineHeight + 1);
    // Drawn as given: an '&' is a letter like any other in a text to read.
    const wxString label = GetLabel();
    m_lines = label.empty() ? wxArrayString() : wrapper.wrap(label);
    m_widestLine = wrapper.widestLine();
    m_wrapped = true;
    InvalidateBestSize();
    SetInitialSize(DoGetBestSize());
    Refresh();
}

void CVeltoStaticCtrl::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    // Only the lines in the damaged area: a long text has thousands.
    const wxRect damaged = GetUpdateClientRect();
    const int first = std::max(0, damaged.GetTop() / m_lineHeight);
    const int last = std::min(int(m_lines.size()) - 1, damaged.GetBottom() / m_lineHeight);
    // Straight through the graphics context where there is one: the device
    // context would measure every line again to track what it has drawn.
    if (wxGraphicsContext* graphics = dc.GetGraphicsContext())
    {
        graphics->SetFont(GetFont(), GetForegroundColour());
        for (int line = first; line <= last; ++line)
            graphics->DrawText(m_lines[line], 0, line * m_lineHeight);
        return;
    }
    dc.SetFont(GetFont());
    dc.SetTextForeground(GetForegroundColour());
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    for (int line = first; line <= last; ++line)
        dc.DrawText(m_lines[line], 0, line * m_lineHeight);
}

void CVeltoStaticCtrl::OnEraseBackground(wxEraseEvent&)
{
    // Nothing: the parent's background shows around the letters.
}
