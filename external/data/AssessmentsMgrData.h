#pragma once

#include "external/data/EvalonDataExport.h"

#include <wx/dynarray.h>
#include <wx/string.h>

/// One assessment file in the host's list.
class EVALON_DATA_EXPORT CAssessmentsMgrData
{
public:
    CAssessmentsMgrData() = default;
    /// An entry for the assessment file `fileName` (a full path).
    explicit CAssessmentsMgrData(const wxString& fileName) : m_fileName(fileName) {}

    /// The full path of the assessment file.
    ///@{
    wxString getAssessmentFileName() const { return m_fileName; }
    void setAssessmentFileName(const wxString& fileName) { m_fileName = fileName; }
    ///@}

private:
    wxString m_fileName;
};

/// The entries of a CAssessmentsMgr, owned by it.
WX_DEFINE_ARRAY_PTR(CAssessmentsMgrData*, CAssessmentsMgrDataArray);
