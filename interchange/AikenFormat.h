#pragma once

#include "interchange/EvalonInterchangeExport.h"

#include "interchange/BankItem.h"

#include <vector>

class CImportReport;

/// Aiken, a plain-text format of one-answer questions: the question on its
/// own line(s), then one line per answer ("A. text" or "A) text"), then
/// "ANSWER: X" naming the right one; blank lines between questions. Read only:
/// it cannot hold several right answers, feedback or true/false questions.
class EVALON_INTERCHANGE_EXPORT CAikenFormat
{
public:
    /// Appends one item per question of `text` (read from `file`), refused
    /// items included.
    static void read(const wxString& text, const wxString& file, std::vector<CBankItem>* items,
                     CImportReport* report);
};
