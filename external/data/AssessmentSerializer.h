#pragma once

#include "external/data/EvalonDataExport.h"
#include "external/data/QuestionData.h"
#include "external/data/WriterBase.h"
#include "external/data/XMLSerializer.h"

#include <set>
#include <vector>

class CAssessmentMgr;
class CDeliveryOptions;
class CEVAttributes;
class CEVFontInfo;
class CEVImageSelections;
class CQuestionData;

/// Reads and writes an assessment file (.eva): the attributes and the ordered
/// entries, each naming its question's identifier and question file. Question
/// file names are stored relative to the assessment file's folder when they lie
/// below it.
class EVALON_DATA_EXPORT CAssessmentSerializer : public CXMLSerializer, public CWriterBase
{
public:
    /// The version written into, and required of, an assessment file.
    // Version 2 added the delivery options; a file without them is written
    // as version 1, so that older programs still read it.
    static const long kFormatVersion = 2;
    static const long kOldestFormatVersion = 1;

    /// A reader and writer of the file `path` for `assessment`, which must
    /// outlive it. Question files are found relative to the assessment
    /// file's folder.
    CAssessmentSerializer(CAssessmentMgr* assessment, const wxString& path);

    /// Writes the assessment file only (not the question files).
    bool store() override;
    /// Writes every question file, then the assessment file; stops at the first
    /// failure.
    bool storeWithQuestions();
    /// Replaces the assessment with the file's content, loading every question
    /// file it names. On failure the assessment is left as it was.
    bool load();

    /// An entry whose question file could not be read by loadPartially().
    struct SUnreadable
    {
        int questionID;
        wxString file;   ///< as the assessment file names it
        wxString reason; ///< why the question file cannot be read
    };
    /// Like load(), but an entry whose question file is missing or damaged is
    /// kept: its question is placeholderFor() the file, and `unreadable` lists
    /// it. Fails only when the assessment file itself cannot be read.
    bool loadPartially(std::vector<SUnreadable>* unreadable);
    /// The question standing in for an unreadable question file: the text
    /// "(missing: FILE)", no answers, stored in `resolvedFile`.
    static CQuestionData placeholderFor(const wxString& file, const wxString& resolvedFile);
    /// Question files storeWithQuestions() leaves as they are (for entries
    /// whose question could not be read and is only a placeholder).
    void setQuestionsNotWritten(const std::set<int>& ids) { m_notWritten = ids; }

    /// The whole assessment as the text store() would write, for comparing.
    static wxString toText(CAssessmentMgr& assessment, const wxString& path);

private:
    static std::unique_ptr<wxXmlDocument> buildDocument(CAssessmentMgr& assessment, const wxString& path);
    bool readAttributes(const wxXmlNode* node, CEVAttributes* attributes);
    bool readDelivery(const wxXmlNode* node, CDeliveryOptions* delivery);
    bool readOptionalLong(const wxXmlNode* node, const wxString& name, long min, long max, long* value);
    bool readFont(const wxXmlNode* node, CEVFontInfo* font);
    bool readFlag(const wxXmlNode* node, const wxString& name, bool* value);
    bool readImage(const wxXmlNode* node, CEVImageSelections* images, bool* seen);
    bool readQuestion(int id, const wxString& file, CQuestionData* question);

    bool loadEntries(std::vector<SUnreadable>* unreadable);

    CAssessmentMgr* m_assessment;
    std::set<int> m_notWritten;
};
