#include "external/data/QuestionDataSerializer.h"

CQuestionDataSerializer::CQuestionDataSerializer(CQuestionData* question, const wxString& path)
    : CXMLSerializer(path), m_question(question)
{
}

bool CQuestionDataSerializer::store()
{
    return fail("not written yet");
}

bool CQuestionDataSerializer::load()
{
    return fail("not read yet");
}
