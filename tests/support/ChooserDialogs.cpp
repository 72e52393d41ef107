#include "tests/support/ChooserDialogs.h"

#include <dlfcn.h>

namespace
{

// GLib's object property calls, looked up at run time: the GTK headers are not
// needed at build time, and the symbols are already loaded with wxGTK.
using GObjectPropertyFn = void (*)(void* object, const char* firstProperty, ...);
using GObjectUnrefFn = void (*)(void* object);

// Layout of GdkRGBA.
struct SGdkRgba
{
    double red, green, blue, alpha;
};

template <class Fn> Fn glibSymbol(const char* name)
{
    return reinterpret_cast<Fn>(dlsym(RTLD_DEFAULT, name));
}

// Makes `colour` what the dialog reports after OK: GTK reads it back from the
// native colour selection when ShowModal ends, so that is set too.
bool setColourDialogChoice(wxColourDialog* dialog, const wxColour& colour)
{
    dialog->GetColourData().SetColour(colour);
#ifdef __WXGTK__
    static const auto getProperty = glibSymbol<GObjectPropertyFn>("g_object_get");
    static const auto setProperty = glibSymbol<GObjectPropertyFn>("g_object_set");
    static const auto unref = glibSymbol<GObjectUnrefFn>("g_object_unref");
    if (!getProperty || !setProperty || !unref || !dialog->GetHandle())
        return false;

    // The handle is a GtkColorSelectionDialog; ShowModal reads the colour
    // from its GtkColorSelection.
    void* selection = nullptr;
    getProperty(dialog->GetHandle(), "color-selection", &selection, nullptr);
    if (!selection)
        return false;
    SGdkRgba rgba{colour.Red() / 255.0, colour.Green() / 255.0, colour.Blue() / 255.0,
                  colour.Alpha() / 255.0};
    setProperty(selection, "current-rgba", &rgba, nullptr);
    unref(selection);
#endif
    return true;
}

// Answers a chooser dialog: runs the check, then cancels when `chosen` is not
// valid, or lets choose() hand it to the dialog and confirms.
template <class Dialog, class Value, class Choose>
CExpectDialog<Dialog> expectChooser(const Value& chosen, std::function<void(Dialog*)> check, Choose choose)
{
    return CExpectDialog<Dialog>(
        [=](Dialog* dlg)
        {
            if (check)
                check(dlg);
            if (!chosen.IsOk())
                return int(wxID_CANCEL);
            choose(dlg, chosen);
            return int(wxID_OK);
        });
}

} // namespace

CExpectDialog<wxFontDialog> expectFontDialog(const wxFont& chosen, std::function<void(wxFontDialog*)> check)
{
    // The GTK font dialog copies its choice into the font data only in its
    // own response handler, which the hook bypasses: callers read this.
    return expectChooser(
        chosen, check, [](wxFontDialog* dlg, const wxFont& font) { dlg->GetFontData().SetChosenFont(font); });
}

CExpectDialog<wxColourDialog> expectColourDialog(const wxColour& chosen,
                                                 std::function<void(wxColourDialog*)> check)
{
    return expectChooser(chosen, check,
                         [](wxColourDialog* dlg, const wxColour& colour)
                         { EXPECT_TRUE(setColourDialogChoice(dlg, colour)); });
}
