#pragma once

#include "interchange/EvalonInterchangeExport.h"

#include "interchange/BankItem.h"
#include "interchange/ExportItem.h"

#include <string>
#include <vector>

class CImportReport;

/// Moodle XML: a `<quiz>` of `<question>` elements; "multichoice" questions with
/// `<single>`, answers with a percent "fraction" and `<generalfeedback>`, and
/// "truefalse" questions. Texts carry a format: HTML is reduced to text,
/// plain text is kept as it is.
class EVALON_INTERCHANGE_EXPORT CMoodleXmlFormat
{
public:
    /// Appends one item per question of the file (refused ones included);
    /// a file that cannot be read is reported as refused.
    static void read(const std::string& bytes, const wxString& file, std::vector<CBankItem>* items,
                     CImportReport* report);
    /// Writes texts as plain text, so that they read back exactly.
    static std::string write(const std::vector<CExportItem>& items);
};
