#include "external/data/AssessmentSerializer.h"

#include "external/data/AssessmentMgr.h"

CAssessmentSerializer::CAssessmentSerializer(CAssessmentMgr* assessment, const wxString& path)
    : CXMLSerializer(path), m_assessment(assessment)
{
}

bool CAssessmentSerializer::store()
{
    return fail("not written yet");
}

bool CAssessmentSerializer::storeWithQuestions()
{
    return fail("not written yet");
}

bool CAssessmentSerializer::load()
{
    return fail("not read yet");
}

wxString CAssessmentSerializer::toText(CAssessmentMgr&, const wxString&)
{
    return wxString();
}
