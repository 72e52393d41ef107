#pragma once

#include "interchange/EvalonInterchangeExport.h"

#include <wx/string.h>

#include <string>

/// The bytes of bank files: read whole, written whole through a temporary
/// file and a rename (a failed write leaves the old file as it was), and text
/// formats decoded from UTF-8.
class EVALON_INTERCHANGE_EXPORT CBankFile
{
public:
    /// False and `error` when the file cannot be read.
    static bool readBytes(const wxString& path, std::string* bytes, wxString* error);
    /// False and `error` when the file cannot be written whole.
    static bool writeBytes(const wxString& path, const std::string& bytes, wxString* error);
    /// Creates a folder and its parents when missing; false when that fails.
    static bool makeFolder(const wxString& path);
    /// Decodes UTF-8, a leading byte order mark skipped; false and `error`
    /// when the bytes are not UTF-8.
    static bool decodeUtf8(const std::string& bytes, wxString* text, wxString* error);
    /// Whether `a` comes before `b` when the numbers in them are compared as
    /// numbers ("item-2" before "item-10").
    static bool naturalLess(const wxString& a, const wxString& b);
};
