#pragma once

#include "interchange/EvalonInterchangeExport.h"

#include "interchange/ExportItem.h"
#include "interchange/ImportReport.h"

#include <string>
#include <vector>

class CAssessmentMgr;

/// Takes an assessment's questions out to a bank file, entry by entry in the
/// assessment's order. Every question written is read back through the
/// format's own reader, so the report names exactly what the format could not
/// keep; questions that no bank could hold (no answers, none right) are
/// refused.
class EVALON_INTERCHANGE_EXPORT CQuestionExporter
{
public:
    /// The formats written.
    enum eFormat
    {
        eGift,
        eMoodleXml,
        eQti21,
        eQti30,
        eCsv
    };

    /// `report` should be made for CImportReport::eExport.
    explicit CQuestionExporter(CImportReport* report);

    /// Writes to the file `path`; for QTI `path` is a folder (created when
    /// missing) that gets one file per item and a manifest. False when nothing
    /// was written.
    bool write(CAssessmentMgr* assessment, eFormat format, const wxString& path);

    /// "gift", "moodle", "qti21", "qti30", "csv".
    static bool parseFormat(const wxString& name, eFormat* format);
    /// The name parseFormat() reads.
    static wxString formatKey(eFormat format);
    /// The name authors know the format by ("Moodle XML").
    static wxString formatLabel(eFormat format);
    /// The usual extension of the format's files; empty for QTI (a folder).
    static wxString extension(eFormat format);

private:
    std::vector<CExportItem> collect(CAssessmentMgr* assessment, std::vector<size_t>* entries);
    void checkReadBack(const std::vector<CExportItem>& items, const std::vector<size_t>& entries,
                       eFormat format, const std::vector<std::string>& outputs);
    bool writeFiles(const std::vector<CExportItem>& items, eFormat format, const wxString& path,
                    std::vector<std::string>* outputs, wxString* error);

    CImportReport* m_report;
};
