#pragma once

#include "interchange/EvalonInterchangeExport.h"

#include "interchange/BankItem.h"
#include "interchange/ExportItem.h"

#include <vector>

class CImportReport;

/// GIFT, the plain-text question format: questions separated by blank lines,
/// "::title::", an answer block in braces with "=" for the right answer, "~"
/// for the others, "~%n%" for weights, "#" for an answer's feedback and
/// "####" for the general feedback; "//" starts a comment line; "\" escapes
/// the format's own characters and "\n" is a new line.
class EVALON_INTERCHANGE_EXPORT CGiftFormat
{
public:
    /// Appends one item per question of `text` (read from `file`), refused
    /// items included; notices about the file go to `report`.
    static void read(const wxString& text, const wxString& file, std::vector<CBankItem>* items,
                     CImportReport* report);
    /// One block per item, separated by blank lines.
    static wxString write(const std::vector<CExportItem>& items);

    /// `text` with the format's escapes undone.
    static wxString unescape(const wxString& text);
    /// `text` with the format's own characters and new lines escaped.
    static wxString escape(const wxString& text);
};
