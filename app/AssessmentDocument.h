#pragma once

#include "external/data/AssessmentMgr.h"
#include "external/data/AssessmentSerializer.h"

#include <wx/string.h>

#include <map>
#include <set>
#include <utility>
#include <vector>

// An assessment file opened by the host: the assessment, its path, and the
// state last read or written, so that unsaved changes can be told.
class CAssessmentDocument
{
public:
    CAssessmentDocument() = default;
    CAssessmentDocument(const CAssessmentDocument&) = delete;
    CAssessmentDocument& operator=(const CAssessmentDocument&) = delete;

    // Reads the assessment and its question files. The process's working
    // directory becomes the file's folder first, as the assessment's pictures
    // are named relative to it (and the pictures an author chooses are made
    // relative to it). Question files that are missing or damaged do not
    // stop it: their entries hold placeholders (see getUnreadable()). False,
    // with the reason in getLastError(), when the assessment file itself
    // cannot be read.
    bool open(const wxString& path);
    // The entries whose question file could not be read and which still hold
    // their placeholder (neither removed nor pointed at another file), by
    // position from 1. Saving leaves their question files alone.
    std::vector<std::pair<unsigned, CAssessmentSerializer::SUnreadable>> getUnreadable();
    // One message listing the question files the last open() could not read;
    // empty when it read them all.
    wxString describeUnreadable() const;
    // Points the entry at `index` (from 0) at the question file `path`, read
    // into its question. False, with the reason in getLastError().
    bool pointEntryAt(unsigned index, const wxString& path);
    // Writes a new assessment file with the default look and opens it; never
    // overwrites a file. `notice` says why there are no pictures when the
    // default look cannot be had.
    bool create(const wxString& path, wxString* notice);
    // Writes the question files and the assessment file.
    bool save();
    // Writes them under another name, which the document then has.
    bool saveAs(const wxString& path);
    // Whether the assessment differs from the files as last read or written:
    // its entries, attributes or any question.
    bool isModified();

    CAssessmentMgr* getAssessment() { return &m_assessment; }
    wxString getPath() const { return m_path; }
    wxString getLastError() const { return m_lastError; }

private:
    void rememberSavedState();
    std::map<int, CQuestionData> questionsNow();

    std::set<int> placeholderIDs();

    CAssessmentMgr m_assessment;
    std::vector<CAssessmentSerializer::SUnreadable> m_unreadable;
    wxString m_path;
    wxString m_lastError;
    wxString m_savedText;
    std::map<int, CQuestionData> m_savedQuestions;
};
