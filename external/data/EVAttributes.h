#pragma once

#include "external/data/EVFontInfo.h"
#include "external/data/EVImageSelections.h"
#include "external/data/EvalonDataExport.h"

/// How an assessment is presented: a font with its colour and thirteen pictures.
class EVALON_DATA_EXPORT CEVAttributes
{
public:
    /// The font and its colour.
    ///@{
    CEVFontInfo* getFontInfo() { return &m_fontInfo; }
    const CEVFontInfo* getFontInfo() const { return &m_fontInfo; }
    ///@}
    /// The thirteen pictures.
    ///@{
    CEVImageSelections* getImageSelections() { return &m_imageSelections; }
    const CEVImageSelections* getImageSelections() const { return &m_imageSelections; }
    ///@}

    /// False when the attributes cannot be used for presenting: appends one
    /// line per reason to `reasons` (a picture without a path, a picture whose
    /// file is missing, named by the picture's label; an unusable font).
    /// Reads the absolute paths as the last updateAbsolutePaths() left them.
    bool validateData(wxString* reasons) const;

    /// Equal when font, colour and every picture path are.
    ///@{
    bool operator==(const CEVAttributes& other) const;
    bool operator!=(const CEVAttributes& other) const { return !(*this == other); }
    ///@}

private:
    CEVFontInfo m_fontInfo;
    CEVImageSelections m_imageSelections;
};
