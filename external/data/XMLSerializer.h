#pragma once

#include <wx/string.h>

#include <memory>

class wxXmlDocument;
class wxXmlNode;

// Shared machinery of our XML files: UTF-8, a root element with a "version"
// attribute, writing through a temporary file and a rename (so an interrupted
// or failed write leaves the old file intact), and reading that refuses a
// missing, empty, truncated, non-XML or wrong-version file with a message that
// names the file and the reason.
class CXMLSerializer
{
public:
    explicit CXMLSerializer(const wxString& path);
    virtual ~CXMLSerializer();

    wxString getPath() const { return m_path; }
    // Why the last operation failed; empty after a success.
    wxString getLastError() const { return m_lastError; }

protected:
    // Writes `document` to the path; false (old file intact) on failure.
    bool writeDocument(wxXmlDocument& document);
    // Loads and checks the root element's name and version. Null on failure.
    std::unique_ptr<wxXmlDocument> readDocument(const wxString& rootName, long version);
    // Records a failure as "<path>: <reason>" and returns false.
    bool fail(const wxString& reason);

private:
    wxString m_path;
    wxString m_lastError;
};
