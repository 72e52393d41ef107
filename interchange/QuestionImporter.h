#pragma once

#include "interchange/EvalonInterchangeExport.h"

#include "interchange/BankItem.h"
#include "interchange/ImportReport.h"
#include "interchange/ImportedQuestion.h"

#include <functional>
#include <string>
#include <vector>

class CAssessmentMgr;

/// Brings a question bank into an assessment in two steps: read() reads a
/// bank file of any of our formats, or a folder of QTI items, and maps its
/// questions to ours; addToAssessment() writes each one to a question file of
/// its own and appends it to the assessment. The report tells of every
/// question: imported, changed on the way, or refused and why.
class EVALON_INTERCHANGE_EXPORT CQuestionImporter
{
public:
    /// The formats read.
    enum eFormat
    {
        eDetect, ///< from the file's name and content
        eGift,
        eMoodleXml,
        eQti, ///< one item file, or a folder of them; 2.1 and 3.0 alike
        eAiken,
        eCsv
    };

    /// Called as the work goes on with what is being done and how far it is;
    /// returning false stops the work: nothing is imported, the question
    /// files written so far are removed again, and the assessment is left
    /// as it was.
    using CProgress = std::function<bool(const wxString& stage, unsigned done, unsigned total)>;

    /// Everything the import does goes to `report`, the caller's.
    explicit CQuestionImporter(CImportReport* report);

    /// Null: no progress is told.
    void setProgress(const CProgress& progress) { m_progress = progress; }

    /// Reads a bank (a file, a zip package, or a folder of QTI items) and
    /// appends its questions to questions(). False when it was stopped or
    /// nothing could be read at all (the report says why). The report names
    /// files relative to the folder that holds the bank, and the files of a
    /// package as "bank.zip/inner/file.xml".
    bool read(const wxString& path, eFormat format = eDetect);
    /// The same for a bank held in memory, reported under the name `file`.
    bool readBytes(const std::string& bytes, eFormat format, const wxString& file);

    /// Whether the progress callback stopped the work.
    bool wasStopped() const { return m_stopped; }
    /// The questions read so far, in the banks' order.
    const std::vector<CImportedQuestion>& questions() const { return m_questions; }

    /// Writes each question read so far to a question file in `folder`
    /// (created when missing), named after its title and never over an
    /// existing file, then appends them to `assessment` as questions and
    /// entries, in the bank's order. A question whose file cannot be written
    /// is refused in the report. Returns how many were added; 0 when stopped.
    /// A question whose text and answers are already in the assessment (or
    /// earlier in the same import) is refused as "already in the assessment",
    /// unless setAddDuplicates(true).
    unsigned addToAssessment(CAssessmentMgr* assessment, const wxString& folder);
    void setAddDuplicates(bool add) { m_addDuplicates = add; }
    /// How many questions read so far addToAssessment() would refuse as
    /// already in `assessment`.
    unsigned countAlreadyIn(CAssessmentMgr& assessment) const;

    /// The format a bank is in, from its name and first bytes; eDetect when it
    /// cannot be told.
    static eFormat detectFormat(const wxString& path, const std::string& bytes);
    /// Reads the items of a bank in memory without mapping them.
    static void readItems(const std::string& bytes, eFormat format, const wxString& file,
                          std::vector<CBankItem>* items, CImportReport* report);
    /// A file name for a question, made of its title: letters and digits,
    /// dashes between words, ".itm"; "question.itm" for a title with none.
    static wxString fileNameFor(const wxString& title);

private:
    bool readFolder(const wxString& folder);
    bool readBank(const std::string& bytes, eFormat format, const wxString& file);
    bool readPackage(const std::string& bytes, eFormat format, const wxString& file);
    /// Records that the work was stopped: every question read is refused.
    bool stop();
    static void removeWritten(const std::vector<CQuestionData>& written, const wxString& madeFolder);
    void mapItems(const std::vector<CBankItem>& items);
    bool progress(const wxString& stage, unsigned done, unsigned total) const;
    /// How the report names a file of the bank being read.
    wxString shown(const wxString& file) const;

    CImportReport* m_report;
    CProgress m_progress;
    std::vector<CImportedQuestion> m_questions;
    wxString m_base; ///< the folder holding the bank being read
    wxString m_bank; ///< how the report names the bank being read
    bool m_stopped = false;
    bool m_addDuplicates = false;
};
