#pragma once

#include "interchange/EvalonInterchangeExport.h"

#include "interchange/BankItem.h"
#include "interchange/ExportItem.h"

#include <vector>

class CImportReport;

/// Our own CSV columns: Question, Category, A to J (the answers), Correct (the
/// letters of the right answers) and Reference, under a header line naming
/// them; fields quoted as RFC 4180 says, UTF-8. The category is one of the
/// category labels (empty: decided by the answers and correct letters).
class EVALON_INTERCHANGE_EXPORT CCsvFormat
{
public:
    /// Appends one item per record of `text` (read from `file`), refused
    /// records included; a missing header refuses the file in `report`.
    static void read(const wxString& text, const wxString& file, std::vector<CBankItem>* items,
                     CImportReport* report);
    /// The header line and one line per item.
    static wxString write(const std::vector<CExportItem>& items);
    /// The header line's fields.
    static wxArrayString columns();
};
