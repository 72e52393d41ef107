#pragma once

#include "interchange/EvalonInterchangeExport.h"

#include <wx/string.h>

#include <string>

/// Small steps of bank files beyond reading and writing them (CFileBytes):
/// folders, text formats decoded from UTF-8, and the order of item files.
class EVALON_INTERCHANGE_EXPORT CBankFile
{
public:
    /// Creates a folder and its parents when missing; false when that fails.
    static bool makeFolder(const wxString& path);
    /// Decodes UTF-8, a leading byte order mark skipped; false and `error`
    /// when the bytes are not UTF-8.
    static bool decodeUtf8(const std::string& bytes, wxString* text, wxString* error);
    /// Whether `a` comes before `b` when the numbers in them are compared as
    /// numbers ("item-2" before "item-10").
    static bool naturalLess(const wxString& a, const wxString& b);
};
