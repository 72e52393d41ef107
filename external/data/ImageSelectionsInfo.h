#pragma once

#include "external/data/EvalonDataExport.h"

#include <wx/string.h>

// The picture chosen for one of an assessment's thirteen images: a label for
// the author, the path as stored (relative to the working directory the host
// runs the assessment in, or absolute) and the absolute path it resolved to at
// the last CEVImageSelections::updateAbsolutePaths().
class EVALON_DATA_EXPORT CImageSelectionsInfo
{
public:
    CImageSelectionsInfo() = default;
    explicit CImageSelectionsInfo(const wxString& label) : m_label(label) {}

    wxString getLabel() const { return m_label; }
    wxString getRelativePath() const { return m_relativePath; }
    void setRelativePath(const wxString& path) { m_relativePath = path; }
    // Empty when no picture is chosen.
    wxString getAbsolutePath() const { return m_absolutePath; }
    void setAbsolutePath(const wxString& path) { m_absolutePath = path; }

    bool operator==(const CImageSelectionsInfo& other) const;

private:
    wxString m_label;
    wxString m_relativePath;
    wxString m_absolutePath;
};
