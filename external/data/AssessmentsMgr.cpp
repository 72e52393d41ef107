#include "external/data/AssessmentsMgr.h"

#include <wx/filefn.h>
#include <wx/filename.h>

CAssessmentsMgr::~CAssessmentsMgr()
{
    for (CAssessmentsMgrData* entry : m_entries)
    {
        delete entry;
    }
}

bool CAssessmentsMgr::load(const wxString&, wxString*)
{
    return false;
}

bool CAssessmentsMgr::store(wxString*) const
{
    return false;
}

wxString CAssessmentsMgr::getFolder() const
{
    return wxGetCwd();
}

CAssessmentsMgrData* CAssessmentsMgr::getDataAtIndex(int index)
{
    return index >= 0 && index < getCount() ? m_entries[index] : nullptr;
}

int CAssessmentsMgr::createNewAssessment(const char* name)
{
    return createNewAssessment(name == nullptr ? wxString() : wxString::FromUTF8(name));
}

int CAssessmentsMgr::createNewAssessment(const wxString&)
{
    return -1;
}

int CAssessmentsMgr::addExisting(const wxString& fileName)
{
    m_entries.Add(new CAssessmentsMgrData(fileName));
    return getCount() - 1;
}

bool CAssessmentsMgr::removeAtIndex(int index)
{
    if (index < 0 || index >= getCount())
    {
        return false;
    }
    delete m_entries[index];
    m_entries.RemoveAt(index);
    return true;
}

bool CAssessmentsMgr::storeIfBacked()
{
    return true;
}
