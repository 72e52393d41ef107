#pragma once

#include "interchange/EvalonInterchangeExport.h"

#include "interchange/QuestionExporter.h"
#include "interchange/QuestionImporter.h"

#include <vector>

/// The one table of the question-bank formats, which the importer, the
/// exporter, the file dialogs and the command line all read: each format's
/// name, the word that names it on the command line, the file patterns of its
/// banks, and how it is read and written.
class EVALON_INTERCHANGE_EXPORT CBankFormats
{
public:
    /// One format.
    struct SFormat
    {
        const char* m_word;                  ///< on the command line: "gift", "moodle"...
        const char* m_label;                 ///< the name authors know: "Moodle XML"
        const char* m_patterns;              ///< of its files in a file dialog: "*.gift;*.txt"
        CQuestionImporter::eFormat m_reader; ///< how its banks are read
        bool m_written;                      ///< whether it is written as well
        CQuestionExporter::eFormat m_writer; ///< how it is written, when it is
        const char* m_extension;             ///< of the file written; empty: a folder
    };

    /// Every format, in the order the dialogs offer them.
    static const std::vector<SFormat>& all();
    /// The format the command line calls `word` (case ignored); null when none.
    static const SFormat* find(const wxString& word);
    /// The format written as `writer`.
    static const SFormat& written(CQuestionExporter::eFormat writer);
    /// The formats written, in the order of the export dialog's filters.
    static std::vector<const SFormat*> writtenFormats();

    /// The words of the formats written: "gift, moodle, qti21, qti30 or csv".
    static wxString writtenWords();
    /// The formats read, with their files: "GIFT (*.gift;*.txt), ..., CSV (*.csv)".
    static wxString readLabels();
    /// The import dialog's filters: every bank first, then one per format
    /// read, then all files.
    static wxString importFilters();
    /// The reader the import dialog's filter `index` stands for; eDetect for
    /// the filters of every bank and of all files.
    static CQuestionImporter::eFormat importFilterFormat(int index);
    /// The export dialog's filters, one per format written.
    static wxString exportFilters();
};
