#pragma once

#include "external/data/AssessmentsMgrData.h"
#include "external/data/EVAttributes.h"
#include "external/data/EvalonDataExport.h"

/// The list of assessment files a host manages, kept in a list file of its own
/// (see docs/file-formats.md). When a list file is set, every change is written
/// to it at once.
class EVALON_DATA_EXPORT CAssessmentsMgr
{
public:
    CAssessmentsMgr() = default;
    ~CAssessmentsMgr();
    CAssessmentsMgr(const CAssessmentsMgr&) = delete;
    CAssessmentsMgr& operator=(const CAssessmentsMgr&) = delete;

    /// Reads the list from `listFile` and keeps that file for later writes. A
    /// missing file gives an empty list and is not an error. False, with the
    /// reason in `error` (naming the file), when the file cannot be read.
    bool load(const wxString& listFile, wxString* error = nullptr);
    /// Writes the list to its list file through a temporary file.
    bool store(wxString* error = nullptr) const;
    /// The list file that changes are written to; empty keeps the list in
    /// memory only.
    ///@{
    wxString getListFileName() const { return m_listFile; }
    void setListFileName(const wxString& listFile) { m_listFile = listFile; }
    ///@}
    /// Where new assessment files go: the list file's folder (or the current
    /// working directory when there is no list file).
    wxString getFolder() const;

    /// The entries, in list order.
    CAssessmentsMgrDataArray* getDataCollection() { return &m_entries; }
    /// The number of entries.
    int getCount() const { return static_cast<int>(m_entries.GetCount()); }
    /// The entry at `index`, or null outside the list.
    CAssessmentsMgrData* getDataAtIndex(int index);

    /// Creates an empty assessment file and lists it; returns its index, or -1
    /// on failure. A null or empty name picks a fresh unique name
    /// ("Assessment 1.eva", "Assessment 2.eva" ...) in getFolder(); a relative
    /// name is taken relative to getFolder(), and a name without an extension
    /// gets ".eva". An existing file is never overwritten (-1; getLastError()
    /// says why).
    ///@{
    int createNewAssessment(const char* name);
    int createNewAssessment(const wxString& name);
    ///@}
    /// The attributes a new assessment file is written with (by default the
    /// empty ones: no pictures).
    ///@{
    const CEVAttributes& getNewAssessmentAttributes() const { return m_newAttributes; }
    void setNewAssessmentAttributes(const CEVAttributes& attributes) { m_newAttributes = attributes; }
    ///@}
    /// Lists an existing file; returns its index, or -1 if it is already listed.
    int addExisting(const wxString& fileName);
    /// Removes the entry only; the file itself is never deleted.
    bool removeAtIndex(int index);

    /// Why the last operation failed; empty after a success.
    wxString getLastError() const { return m_lastError; }

private:
    bool storeIfBacked();
    // `name` made absolute against getFolder().
    wxString absolutePath(const wxString& name, bool addExtension) const;
    // "Assessment N.eva" in getFolder(), neither on disk nor listed.
    wxString freshFileName() const;
    bool isListed(const wxString& file) const;

    CAssessmentsMgrDataArray m_entries;
    wxString m_listFile;
    wxString m_lastError;
    CEVAttributes m_newAttributes;
};
