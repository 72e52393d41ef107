#pragma once

#include "external/data/WriterBase.h"
#include "external/data/XMLSerializer.h"

class CAssessmentMgr;

// Reads and writes an assessment file (.eva): the attributes and the ordered
// entries, each naming its question's identifier and question file. Question
// file names are stored relative to the assessment file's folder when they lie
// below it.
class CAssessmentSerializer : public CXMLSerializer, public CWriterBase
{
public:
    static const long kFormatVersion = 1;

    CAssessmentSerializer(CAssessmentMgr* assessment, const wxString& path);

    // Writes the assessment file only (not the question files).
    bool store() override;
    // Writes every question file, then the assessment file; stops at the first
    // failure.
    bool storeWithQuestions();
    // Replaces the assessment with the file's content, loading every question
    // file it names. On failure the assessment is left as it was.
    bool load();

    // The whole assessment as the text store() would write, for comparing.
    static wxString toText(CAssessmentMgr& assessment, const wxString& path);

private:
    CAssessmentMgr* m_assessment;
};
