#pragma once

#include "external/data/EVImageSelections.h"

#include <wx/image.h>
#include <wx/string.h>

#include <map>

class CEVAttributes;

// The pictures of an assessment, each file decoded once: page turns then
// only look pictures up. A picture that cannot be had is reported by the
// image's label and its file.
class CImageCache
{
public:
    // Fills `image` with the picture `attributes` select for `id`; eNoImage
    // gives an empty picture (the buttons draw their own face then). False,
    // with the reason in getLastError(), when no picture is chosen or its file
    // cannot be read.
    bool getImage(CEVAttributes* attributes, CEVImageSelections::imageID id, wxImage* image);
    wxString getLastError() const { return m_lastError; }
    // How many files were decoded since construction (or clear()); refused
    // files are not decoded.
    unsigned getNumDecoded() const { return m_numDecoded; }
    void clear();

private:
    bool load(const wxString& label, const wxString& path, wxImage* image);

    std::map<wxString, wxImage> m_images; // by absolute path
    wxString m_lastError;
    unsigned m_numDecoded = 0;
};
