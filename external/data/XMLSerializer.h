#pragma once

#include "external/data/EvalonDataExport.h"

#include <wx/string.h>

#include <memory>

class wxXmlDocument;
class wxXmlNode;

/// Shared machinery of our XML files: UTF-8, a root element with a "version"
/// attribute, writing through a temporary file and a rename (so an interrupted
/// or failed write leaves the old file intact), and reading that refuses a
/// missing, empty, truncated, non-XML or wrong-version file with a message that
/// names the file and the reason.
class EVALON_DATA_EXPORT CXMLSerializer
{
public:
    /// Reads and writes the file `path`.
    explicit CXMLSerializer(const wxString& path);
    virtual ~CXMLSerializer();

    /// The file read and written.
    wxString getPath() const { return m_path; }
    /// The absolute folder of getPath(), and of any path.
    ///@{
    wxString getFolder() const { return folderOf(m_path); }
    static wxString folderOf(const wxString& path);
    ///@}
    /// Why the last operation failed; empty after a success.
    wxString getLastError() const { return m_lastError; }

    /// `text` as our files hold it: without the characters XML 1.0 cannot
    /// hold in any form (controls other than tab, line feed and carriage
    /// return; surrogates; U+FFFE, U+FFFF). Writing leaves them out.
    static wxString storableText(const wxString& text);

protected:
    /// Writes `document` to the path; false (old file intact) on failure.
    bool writeDocument(wxXmlDocument& document);
    /// Loads and checks the root element's name and version. Null on failure.
    std::unique_ptr<wxXmlDocument> readDocument(const wxString& rootName, long version);
    /// The same for a format whose reader also takes older versions; the
    /// version found goes to `readVersion` when given.
    std::unique_ptr<wxXmlDocument> readDocument(const wxString& rootName, long oldestVersion, long newestVersion,
                                                long* readVersion = nullptr);
    /// Records a failure as "<path>: <reason>" and returns false.
    bool fail(const wxString& reason);

    /// A UTF-8 document whose root element is `rootName` with a "version"
    /// attribute.
    static std::unique_ptr<wxXmlDocument> newDocument(const wxString& rootName, long version);
    /// Appends an element to `parent`, with `text` as its content when not empty.
    static wxXmlNode* addElement(wxXmlNode* parent, const wxString& name, const wxString& text = wxString());
    /// The document exactly as writeDocument() puts it on disk.
    static wxString documentText(wxXmlDocument& document);
    /// Reads the integer attribute `name` of `node`, refusing (through fail())
    /// a missing attribute, a non-number and a value outside min to max.
    bool readLong(const wxXmlNode* node, const wxString& name, long min, long max, long* value);
    /// Reads the attribute `name` of `node`; fails when it is missing.
    bool readAttribute(const wxXmlNode* node, const wxString& name, wxString* value);

    /// How a file is named in a file kept in `folder`: relative, with '/'
    /// separators, when it lies below the folder; otherwise absolute.
    static wxString storedPath(const wxString& file, const wxString& folder);
    /// The absolute path of a name read from a file kept in `folder`.
    static wxString resolvedPath(const wxString& stored, const wxString& folder);

private:
    wxString m_path;
    wxString m_lastError;
};
