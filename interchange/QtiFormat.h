#pragma once

#include "interchange/EvalonInterchangeExport.h"

#include "interchange/BankItem.h"
#include "interchange/ExportItem.h"

#include <wx/arrstr.h>

#include <string>
#include <vector>

class CImportReport;

/// IMS QTI items with one choice interaction, in version 2.1 (camel-case
/// elements such as `<assessmentItem>`) and 3.0 (the same model in kebab-case
/// elements with a "qti-" prefix, such as `<qti-assessment-item>`). One item per
/// file; a bank is a folder of them, usually with a content package manifest
/// (imsmanifest.xml) that gives their order.
class EVALON_INTERCHANGE_EXPORT CQtiFormat
{
public:
    /// The two versions read and written.
    enum eVersion
    {
        eQti21,
        eQti30
    };

    /// Reads one item file, of either version; appends its item (refused or
    /// not) or reports the file as refused when it is no item at all.
    static void read(const std::string& bytes, const wxString& file, std::vector<CBankItem>* items,
                     CImportReport* report);
    /// The item files of a bank folder: those the manifest lists, in its
    /// order, then the other XML files of the folder and below, by name.
    static wxArrayString itemFiles(const wxString& folder);
    /// The item files among `names` (relative, '/' between folders) in the
    /// order of a bank: those the manifest (empty when there is none) lists as
    /// items, in its order, then the other XML files by name; the manifest
    /// and the other resources it lists are left out.
    static wxArrayString itemOrder(const std::string& manifest, const wxArrayString& names);

    /// One item file: a choice interaction with the question as its prompt.
    static std::string writeItem(const CExportItem& item, eVersion version);
    /// The content package manifest listing the items' files.
    static std::string writeManifest(const std::vector<CExportItem>& items, eVersion version);
    /// The name of an item's file within the folder: its identifier and ".xml".
    static wxString fileName(const CExportItem& item);

    /// An element or attribute name of version 2.1 as `version` spells it:
    /// "choiceInteraction" -> "qti-choice-interaction", "maxChoices" -> "max-choices".
    static wxString element(const wxString& name, eVersion version);
    /// The same for an attribute name.
    static wxString attribute(const wxString& name, eVersion version);
};
