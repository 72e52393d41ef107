#include "external/data/AssessmentsMgr.h"

#include "external/data/AssessmentMgr.h"
#include "external/data/AssessmentSerializer.h"
#include "external/data/XMLSerializer.h"

#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/translation.h>
#include <wx/xml/xml.h>

#include <set>
#include <vector>

namespace
{
const char* const kAssessmentExtension = "eva";

// The list file: <assessments version="1"> with one <assessment file="..."/>
// per listed file, named relative to the list file's folder when below it.
class CAssessmentListFile : public CXMLSerializer
{
public:
    static const long kFormatVersion = 1;

    using CXMLSerializer::CXMLSerializer;

    bool read(std::vector<wxString>* files)
    {
        std::unique_ptr<wxXmlDocument> document = readDocument("assessments", kFormatVersion);
        if (!document)
        {
            return false;
        }
        std::set<wxString> seen;
        for (const wxXmlNode* node = document->GetRoot()->GetChildren(); node; node = node->GetNext())
        {
            if (node->GetType() != wxXML_ELEMENT_NODE || node->GetName() != "assessment")
            {
                continue;
            }
            wxString file;
            if (!readAttribute(node, "file", &file))
            {
                return false;
            }
            if (file.empty())
            {
                return fail(_("an <assessment> has an empty file name"));
            }
            const wxString absolute = resolvedPath(file, getFolder());
            if (!seen.insert(absolute).second)
            {
                return fail(wxString::Format(_("lists %s twice"), absolute));
            }
            files->push_back(absolute);
        }
        return true;
    }

    bool write(const CAssessmentsMgrDataArray& entries)
    {
        std::unique_ptr<wxXmlDocument> document = newDocument("assessments", kFormatVersion);
        for (const CAssessmentsMgrData* entry : entries)
        {
            addElement(document->GetRoot(), "assessment")
                ->AddAttribute("file", storedPath(entry->getAssessmentFileName(), getFolder()));
        }
        return writeDocument(*document);
    }
};
} // namespace

CAssessmentsMgr::~CAssessmentsMgr()
{
    for (CAssessmentsMgrData* entry : m_entries)
    {
        delete entry;
    }
}

bool CAssessmentsMgr::load(const wxString& listFile, wxString* error)
{
    std::vector<wxString> files;
    if (wxFileExists(listFile) || wxDirExists(listFile))
    {
        CAssessmentListFile reader(listFile);
        if (!reader.read(&files))
        {
            m_lastError = reader.getLastError();
            if (error != nullptr)
            {
                *error = m_lastError;
            }
            return false;
        }
    }
    for (CAssessmentsMgrData* entry : m_entries)
    {
        delete entry;
    }
    m_entries.Clear();
    for (const wxString& file : files)
    {
        m_entries.Add(new CAssessmentsMgrData(file));
    }
    m_listFile = listFile;
    m_lastError.clear();
    return true;
}

bool CAssessmentsMgr::store(wxString* error) const
{
    wxString reason;
    if (m_listFile.empty())
    {
        reason = _("no list file is set");
    }
    else
    {
        CAssessmentListFile writer(m_listFile);
        if (writer.write(m_entries))
        {
            return true;
        }
        reason = writer.getLastError();
    }
    if (error != nullptr)
    {
        *error = reason;
    }
    return false;
}

wxString CAssessmentsMgr::getFolder() const
{
    return m_listFile.empty() ? wxGetCwd() : CXMLSerializer::folderOf(m_listFile);
}

CAssessmentsMgrData* CAssessmentsMgr::getDataAtIndex(int index)
{
    return index >= 0 && index < getCount() ? m_entries[index] : nullptr;
}

int CAssessmentsMgr::createNewAssessment(const char* name)
{
    return createNewAssessment(name == nullptr ? wxString() : wxString::FromUTF8(name));
}

int CAssessmentsMgr::createNewAssessment(const wxString& name)
{
    m_lastError.clear();
    const wxString file = name.empty() ? freshFileName() : absolutePath(name, true);
    if (wxFileExists(file) || wxDirExists(file))
    {
        // Never overwrite an author's work.
        m_lastError = file + ": already exists";
        return -1;
    }
    CAssessmentMgr empty;
    *empty.getAttributes() = m_newAttributes;
    CAssessmentSerializer writer(&empty, file);
    if (!writer.store())
    {
        m_lastError = writer.getLastError();
        return -1;
    }
    m_entries.Add(new CAssessmentsMgrData(file));
    storeIfBacked();
    return getCount() - 1;
}

int CAssessmentsMgr::addExisting(const wxString& fileName)
{
    m_lastError.clear();
    const wxString file = absolutePath(fileName, false);
    if (isListed(file))
    {
        return -1;
    }
    m_entries.Add(new CAssessmentsMgrData(file));
    storeIfBacked();
    return getCount() - 1;
}

bool CAssessmentsMgr::removeAtIndex(int index)
{
    if (index < 0 || index >= getCount())
    {
        return false;
    }
    m_lastError.clear();
    delete m_entries[index];
    m_entries.RemoveAt(index);
    storeIfBacked();
    return true;
}

bool CAssessmentsMgr::storeIfBacked()
{
    if (m_listFile.empty())
    {
        return true;
    }
    return store(&m_lastError);
}

wxString CAssessmentsMgr::absolutePath(const wxString& name, bool addExtension) const
{
    wxFileName file(name);
    if (addExtension && !file.HasExt())
    {
        file.SetExt(kAssessmentExtension);
    }
    file.MakeAbsolute(getFolder());
    return file.GetFullPath();
}

wxString CAssessmentsMgr::freshFileName() const
{
    const wxString folder = getFolder();
    for (unsigned number = 1;; ++number)
    {
        wxFileName file(folder, wxString::Format("Assessment %u", number), kAssessmentExtension);
        const wxString path = file.GetFullPath();
        if (!wxFileExists(path) && !wxDirExists(path) && !isListed(path))
        {
            return path;
        }
    }
}

bool CAssessmentsMgr::isListed(const wxString& file) const
{
    for (const CAssessmentsMgrData* entry : m_entries)
    {
        if (entry->getAssessmentFileName() == file)
        {
            return true;
        }
    }
    return false;
}
