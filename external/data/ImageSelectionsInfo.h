#pragma once

#include "external/data/EvalonDataExport.h"

#include <wx/string.h>
#include <wx/translation.h>

/// The picture chosen for one of an assessment's thirteen images: a label for
/// the author, the path as stored (relative to the working directory the host
/// runs the assessment in, or absolute) and the absolute path it resolved to at
/// the last CEVImageSelections::updateAbsolutePaths().
class EVALON_DATA_EXPORT CImageSelectionsInfo
{
public:
    CImageSelectionsInfo() = default;
    /// No picture chosen yet for the image the author knows as `label`.
    explicit CImageSelectionsInfo(const wxString& label) : m_label(label) {}

    /// The image's name for the author ("Question Background" ...), in the
    /// user's language.
    wxString getLabel() const { return wxGetTranslation(m_label); }
    /// The path as stored in the assessment file; empty when no picture is
    /// chosen. Setting it leaves the absolute path alone until the next
    /// CEVImageSelections::updateAbsolutePaths().
    ///@{
    wxString getRelativePath() const { return m_relativePath; }
    void setRelativePath(const wxString& path) { m_relativePath = path; }
    ///@}
    /// The file to load the picture from; empty when no picture is chosen.
    ///@{
    wxString getAbsolutePath() const { return m_absolutePath; }
    void setAbsolutePath(const wxString& path) { m_absolutePath = path; }
    ///@}

    /// Equal when label and stored path are (the absolute path depends on the
    /// working directory, not on the assessment).
    bool operator==(const CImageSelectionsInfo& other) const;

private:
    wxString m_label;
    wxString m_relativePath;
    wxString m_absolutePath;
};
