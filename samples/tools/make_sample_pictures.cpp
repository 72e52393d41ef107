// Draws the thirteen pictures of the bundled sample assessment ("The Solar
// System") as JPEG files:
//
//     make_sample_pictures [OUTPUT_FOLDER]      (default: samples/sample/pictures)
//
// It needs a display for the toolkit's fonts; headless, run it under Xvfb:
//     xvfb-run -a build/samples/make_sample_pictures samples/sample/pictures
//
// Every background shares one deep-blue base colour wherever the presentation
// puts a button (the left column of answer buttons and the navigation column at
// the bottom right), so that the buttons' square JPEG corners melt into it.
// Decorations stay dim where texts are drawn, so that the light question text
// keeps a high contrast on every pixel behind it.

#include <wx/app.h>
#include <wx/brush.h>
#include <wx/filename.h>
#include <wx/graphics.h>
#include <wx/image.h>
#include <wx/init.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <random>

namespace
{

const int kBackgroundWidth = 1280;
const int kBackgroundHeight = 800;
const int kAnswerButtonSize = 36;
const int kNavigationWidth = 168;
const int kNavigationHeight = 52;
const int kJpegQuality = 85;

// The palette: night blue, a lighter blue for outlines, warm amber for what is
// active, a cream for headings on pictures.
const wxColour kBase(14, 24, 56);
const wxColour kBaseLight(29, 50, 102);
const wxColour kOutline(143, 166, 217);
const wxColour kAmber(245, 185, 66);
const wxColour kCream(243, 245, 255);
const wxColour kMutedText(190, 204, 236);

// The areas where the presentation places buttons and texts (its layout puts
// the answers in a column from x = 50 and the navigation column 50 pixels from
// the right and bottom edges): decorations keep out of them.
const wxRect kAnswerColumn(0, 0, 130, kBackgroundHeight);
// Where the first lines of the question (and the submit page's count of
// unanswered questions) are written.
const wxRect kTopTextBand(0, 0, kBackgroundWidth / 2, 140);
const wxRect kNavigationColumn(kBackgroundWidth - kNavigationWidth - 80, 520, kNavigationWidth + 80, 280);

using Painter = std::function<void(wxGraphicsContext&, const wxSize&)>;

wxImage paint(const wxSize& size, const wxColour& fill, const Painter& painter)
{
    wxImage image(size);
    image.SetRGB(wxRect(size), fill.Red(), fill.Green(), fill.Blue());
    {
        std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(image));
        gc->SetAntialiasMode(wxANTIALIAS_DEFAULT);
        painter(*gc, size);
    } // the context writes back into the image when it goes
    return image;
}

// A faint, fixed noise that hides the steps of the soft gradients (8 bits
// per channel band visibly on such dark colours).
void dither(wxImage& image, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> offset(-1, 1);
    unsigned char* data = image.GetData();
    const size_t count = size_t(image.GetWidth()) * image.GetHeight() * 3;
    for (size_t i = 0; i < count; ++i)
        data[i] = static_cast<unsigned char>(std::clamp(data[i] + offset(random), 0, 255));
}

bool save(const wxImage& picture, const wxString& folder, const wxString& name)
{
    wxImage copy = picture;
    copy.SetOption(wxIMAGE_OPTION_QUALITY, kJpegQuality);
    const wxString path = wxFileName(folder, name).GetFullPath();
    if (!copy.SaveFile(path, wxBITMAP_TYPE_JPEG))
    {
        fprintf(stderr, "make_sample_pictures: cannot write %s\n", path.utf8_string().c_str());
        return false;
    }
    printf("%s\n", path.utf8_string().c_str());
    return true;
}

wxFont uiFont(int pixelHeight, bool bold)
{
    wxFont font(wxFontInfo().FaceName("DejaVu Sans").Bold(bold));
    font.SetPixelSize(wxSize(0, pixelHeight));
    return font;
}

void drawCentredText(wxGraphicsContext& gc, const wxString& text, const wxFont& font, const wxColour& colour,
                     double centreX, double top)
{
    gc.SetFont(font, colour);
    double width = 0, height = 0;
    gc.GetTextExtent(text, &width, &height);
    gc.DrawText(text, centreX - width / 2, top);
}

// A soft glow: a radial gradient from `colour` (with its alpha) to nothing.
void drawGlow(wxGraphicsContext& gc, double x, double y, double radius, const wxColour& colour)
{
    const wxColour clear(colour.Red(), colour.Green(), colour.Blue(), 0);
    gc.SetBrush(gc.CreateRadialGradientBrush(x, y, x, y, radius, colour, clear));
    gc.SetPen(*wxTRANSPARENT_PEN);
    gc.DrawEllipse(x - radius, y - radius, 2 * radius, 2 * radius);
}

// A starfield that keeps out of the button columns and the top text band; stars are dim enough that
// a light text drawn over one still stands out from it.
void drawStars(wxGraphicsContext& gc, const wxSize& size, unsigned seed, int count)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    gc.SetPen(*wxTRANSPARENT_PEN);
    for (int i = 0; i < count; ++i)
    {
        const double x = unit(random) * size.x;
        const double y = unit(random) * size.y;
        const double radius = 0.6 + unit(random) * 1.1;
        const int level = 60 + int(unit(random) * 40);
        if (kAnswerColumn.Contains(int(x), int(y)) || kNavigationColumn.Contains(int(x), int(y)) ||
            kTopTextBand.Contains(int(x), int(y)))
            continue;
        gc.SetBrush(wxBrush(wxColour(level, level + 6, std::min(255, level + 30))));
        gc.DrawEllipse(x - radius, y - radius, 2 * radius, 2 * radius);
    }
}

// The backdrop every page shares: the base colour, a violet glow in the upper
// right and stars.
void drawSky(wxGraphicsContext& gc, const wxSize& size, unsigned seed)
{
    drawGlow(gc, size.x * 0.8, 0, 560, wxColour(72, 52, 140, 110));
    drawGlow(gc, size.x * 0.45, size.y * 0.35, 420, wxColour(36, 70, 130, 60));
    drawStars(gc, size, seed, 260);
}

// A ringed planet, its lit side towards the upper left.
void drawRingedPlanet(wxGraphicsContext& gc, double x, double y, double radius)
{
    const wxColour ring(214, 180, 130, 120);
    gc.SetBrush(*wxTRANSPARENT_BRUSH);
    // The back half of the ring, then the globe over it, then the front half.
    gc.SetPen(gc.CreatePen(wxGraphicsPenInfo(ring).Width(radius * 0.12)));
    gc.DrawEllipse(x - radius * 1.55, y - radius * 0.36, radius * 3.1, radius * 0.72);

    wxGraphicsGradientStops stops(wxColour(214, 160, 100), wxColour(70, 44, 40));
    stops.Add(wxColour(170, 115, 70), 0.45f);
    gc.SetBrush(gc.CreateRadialGradientBrush(x - radius * 0.4, y - radius * 0.4, x, y, radius * 1.1, stops));
    gc.SetPen(*wxTRANSPARENT_PEN);
    gc.DrawEllipse(x - radius, y - radius, 2 * radius, 2 * radius);

    // The front half of the ring as a polyline: a scaled context would
    // distort the pen's width.
    wxGraphicsPath frontArc = gc.CreatePath();
    const int steps = 64;
    for (int i = 0; i <= steps; ++i)
    {
        const double angle = M_PI * i / steps;
        const double px = x + std::cos(angle) * radius * 1.55;
        const double py = y + std::sin(angle) * radius * 0.36;
        if (i == 0)
            frontArc.MoveToPoint(px, py);
        else
            frontArc.AddLineToPoint(px, py);
    }
    gc.SetPen(gc.CreatePen(wxGraphicsPenInfo(wxColour(230, 196, 146, 170)).Width(radius * 0.12)));
    gc.StrokePath(frontArc);
}

// A small blue planet with a thin atmosphere.
void drawBluePlanet(wxGraphicsContext& gc, double x, double y, double radius)
{
    drawGlow(gc, x, y, radius * 1.5, wxColour(90, 160, 255, 70));
    wxGraphicsGradientStops stops(wxColour(120, 190, 255), wxColour(10, 30, 80));
    stops.Add(wxColour(40, 110, 200), 0.5f);
    gc.SetBrush(
        gc.CreateRadialGradientBrush(x - radius * 0.45, y - radius * 0.45, x, y, radius * 1.15, stops));
    gc.SetPen(*wxTRANSPARENT_PEN);
    gc.DrawEllipse(x - radius, y - radius, 2 * radius, 2 * radius);
}

// A page background: the shared sky with the page's own decorations over it.
wxImage background(unsigned seed, const Painter& decorations)
{
    wxImage image = paint(wxSize(kBackgroundWidth, kBackgroundHeight), kBase,
                          [&](wxGraphicsContext& gc, const wxSize& size)
                          {
                              drawSky(gc, size, seed);
                              decorations(gc, size);
                          });
    dither(image, seed);
    return image;
}

wxImage questionBackground()
{
    return background(7,
                      [](wxGraphicsContext& gc, const wxSize& size)
                      {
                          // Right of the answer texts and above the navigation column.
                          drawRingedPlanet(gc, size.x - 70, 340, 95);
                      });
}

wxImage submitBackground()
{
    return background(11,
                      [](wxGraphicsContext& gc, const wxSize& size)
                      {
                          drawBluePlanet(gc, 250, 610, 70);
                          drawCentredText(gc, "You have reached the end", uiFont(44, true), kCream,
                                          size.x / 2, 190);
                          drawCentredText(gc, "Press Submit to see your score,", uiFont(26, false),
                                          kMutedText, size.x / 2, 280);
                          drawCentredText(gc, "or Previous to look over your answers again.",
                                          uiFont(26, false), kMutedText, size.x / 2, 320);
                      });
}

wxImage reviewBackground()
{
    return background(13,
                      [](wxGraphicsContext& gc, const wxSize& size)
                      {
                          drawCentredText(gc, "Your results", uiFont(44, true), kCream, size.x / 2, 150);
                          // A quiet card behind the score, which the presentation writes at a
                          // quarter of the width and three eighths of the height, with room
                          // for the third line a pass mark adds.
                          gc.SetBrush(wxBrush(wxColour(22, 36, 78)));
                          gc.SetPen(gc.CreatePen(wxGraphicsPenInfo(wxColour(52, 74, 132)).Width(2)));
                          gc.DrawRoundedRectangle(size.x / 4 - 50, size.y * 3 / 8 - 40, size.x / 2 + 100, 235,
                                                  18);
                          drawCentredText(gc, "Press Next to finish.", uiFont(22, false), kMutedText,
                                          size.x / 2, size.y * 3 / 8 + 235);
                          drawRingedPlanet(gc, 190, 640, 60);
                      });
}

wxImage congratulationsBackground()
{
    return background(
        17,
        [](wxGraphicsContext& gc, const wxSize& size)
        {
            // Faint orbits around the title, each with its planet.
            const double cx = size.x / 2, cy = 330;
            const wxColour planets[] = {wxColour(200, 170, 130), wxColour(120, 180, 255),
                                        wxColour(230, 120, 90), wxColour(214, 180, 130)};
            for (int i = 0; i < 4; ++i)
            {
                const double rx = 300 + i * 110, ry = 120 + i * 48;
                gc.SetBrush(*wxTRANSPARENT_BRUSH);
                gc.SetPen(gc.CreatePen(wxGraphicsPenInfo(wxColour(90, 110, 170, 90)).Width(1.5)));
                gc.DrawEllipse(cx - rx, cy - ry, 2 * rx, 2 * ry);
                const double angle = 0.9 + i * 1.7;
                const double px = cx + std::cos(angle) * rx, py = cy + std::sin(angle) * ry;
                gc.SetPen(*wxTRANSPARENT_PEN);
                gc.SetBrush(wxBrush(planets[i]));
                gc.DrawEllipse(px - 8 - i * 2, py - 8 - i * 2, 16 + i * 4, 16 + i * 4);
            }
            drawGlow(gc, cx, cy, 120, wxColour(245, 185, 66, 60));
            drawCentredText(gc, "Congratulations!", uiFont(72, true), kAmber, cx, 270);
            drawCentredText(gc, "You have finished the Solar System quiz.", uiFont(28, false), kCream, cx,
                            380);
            drawCentredText(gc, "Press Enter to close the window.", uiFont(20, false), kMutedText, cx, 650);
        });
}

enum class eAnswerLook
{
    eCold,
    eHot,
    eChecked
};

wxImage answerButton(eAnswerLook look)
{
    const wxSize size(kAnswerButtonSize, kAnswerButtonSize);
    return paint(
        size, kBase,
        [look](wxGraphicsContext& gc, const wxSize& size)
        {
            const double c = size.x / 2.0, r = size.x / 2.0 - 3;
            gc.SetPen(
                gc.CreatePen(wxGraphicsPenInfo(look == eAnswerLook::eCold ? kOutline : kAmber).Width(3)));
            gc.SetBrush(look == eAnswerLook::eHot       ? wxBrush(kBaseLight)
                        : look == eAnswerLook::eChecked ? wxBrush(kAmber)
                                                        : *wxTRANSPARENT_BRUSH);
            gc.DrawEllipse(c - r, c - r, 2 * r, 2 * r);
            if (look != eAnswerLook::eChecked)
                return;
            wxGraphicsPath tick = gc.CreatePath();
            tick.MoveToPoint(c - 7, c + 1);
            tick.AddLineToPoint(c - 2, c + 6);
            tick.AddLineToPoint(c + 8, c - 5);
            gc.SetPen(gc.CreatePen(wxGraphicsPenInfo(kBase).Width(4).Cap(wxCAP_ROUND).Join(wxJOIN_ROUND)));
            gc.StrokePath(tick);
        });
}

enum class eArrow
{
    eNone,
    eLeft,
    eRight
};

// A pill-shaped navigation button with its label and an arrow on the side
// it leads to.
wxImage navigationButton(const wxString& label, eArrow arrow, bool hot, const wxColour& accent)
{
    const wxSize size(kNavigationWidth, kNavigationHeight);
    return paint(
        size, kBase,
        [&](wxGraphicsContext& gc, const wxSize& size)
        {
            const double radius = size.y / 2.0 - 2;
            gc.SetPen(gc.CreatePen(wxGraphicsPenInfo(hot ? accent : accent.ChangeLightness(85)).Width(2)));
            gc.SetBrush(wxBrush(hot ? accent : kBaseLight));
            gc.DrawRoundedRectangle(2, 2, size.x - 4, size.y - 4, radius);

            const wxColour ink = hot ? kBase : kCream;
            const wxFont font = uiFont(21, true);
            gc.SetFont(font, ink);
            double width = 0, height = 0;
            gc.GetTextExtent(label, &width, &height);
            const double arrowSpace = arrow == eArrow::eNone ? 0 : 22;
            const double left = (size.x - width - arrowSpace) / 2;
            const double textX = arrow == eArrow::eLeft ? left + arrowSpace : left;
            gc.DrawText(label, textX, (size.y - height) / 2);

            if (arrow == eArrow::eNone)
                return;
            const double mid = size.y / 2.0;
            const double tip = arrow == eArrow::eLeft ? left : left + width + arrowSpace;
            const double back = arrow == eArrow::eLeft ? tip + 10 : tip - 10;
            wxGraphicsPath path = gc.CreatePath();
            path.MoveToPoint(back, mid - 8);
            path.AddLineToPoint(tip, mid);
            path.AddLineToPoint(back, mid + 8);
            gc.SetPen(gc.CreatePen(wxGraphicsPenInfo(ink).Width(3).Cap(wxCAP_ROUND).Join(wxJOIN_ROUND)));
            gc.StrokePath(path);
        });
}

bool makeAll(const wxString& folder)
{
    if (!wxFileName::DirExists(folder) && !wxFileName::Mkdir(folder, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL))
    {
        fprintf(stderr, "make_sample_pictures: cannot create %s\n", folder.utf8_string().c_str());
        return false;
    }
    const wxColour submitAccent(110, 200, 160);
    return save(questionBackground(), folder, "question-background.jpg") &&
           save(answerButton(eAnswerLook::eCold), folder, "answer-cold.jpg") &&
           save(answerButton(eAnswerLook::eHot), folder, "answer-hot.jpg") &&
           save(answerButton(eAnswerLook::eChecked), folder, "answer-checked.jpg") &&
           save(navigationButton("Previous", eArrow::eLeft, false, kOutline), folder, "previous-cold.jpg") &&
           save(navigationButton("Previous", eArrow::eLeft, true, kAmber), folder, "previous-hot.jpg") &&
           save(navigationButton("Next", eArrow::eRight, false, kOutline), folder, "next-cold.jpg") &&
           save(navigationButton("Next", eArrow::eRight, true, kAmber), folder, "next-hot.jpg") &&
           save(navigationButton("Submit", eArrow::eNone, false, submitAccent), folder, "submit-cold.jpg") &&
           save(navigationButton("Submit", eArrow::eNone, true, submitAccent), folder, "submit-hot.jpg") &&
           save(submitBackground(), folder, "submit-background.jpg") &&
           save(reviewBackground(), folder, "review-background.jpg") &&
           save(congratulationsBackground(), folder, "congratulations-background.jpg");
}

} // namespace

class CPicturesApp : public wxApp
{
public:
    bool OnInit() override
    {
        wxInitAllImageHandlers();
        return true;
    }
    int OnRun() override
    {
        const wxString folder = argc > 1 ? argv[1] : wxString("samples/sample/pictures");
        return makeAll(folder) ? 0 : 1;
    }
};

wxIMPLEMENT_APP(CPicturesApp);
