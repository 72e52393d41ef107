#pragma once

#include "external/data/EvalonDataExport.h"
#include "external/data/QuestionData.h"
#include "external/data/WriterBase.h"
#include "external/data/XMLSerializer.h"

/// Reads and writes one question file (.itm).
class EVALON_DATA_EXPORT CQuestionDataSerializer : public CXMLSerializer, public CWriterBase
{
public:
    /// The version written into, and required of, a question file.
    static const long kFormatVersion = 1;

    /// A reader and writer of the question file `path` for `question`, which
    /// must outlive it.
    CQuestionDataSerializer(CQuestionData* question, const wxString& path);

    /// Writes the question; false (old file intact) on failure.
    bool store() override;
    /// Replaces the question with the file's content; on failure the question
    /// is left as it was and getLastError() says why.
    bool load();

private:
    CQuestionData* m_question;
};
