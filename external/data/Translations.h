#pragma once

#include "external/data/EvalonDataExport.h"

#include <wx/string.h>

/// The texts of the library and of its host in the user's language: one
/// message catalog, "evalon-ui", looked up where our programs and libraries
/// are installed (PREFIX/share/locale/LANG/LC_MESSAGES/evalon-ui.mo) and in
/// the build tree. The English texts are the message identifiers, so a
/// language without a catalog shows English.
class EVALON_DATA_EXPORT CTranslations
{
public:
    /// The name of the catalog.
    static const char* const kCatalogName;

    /// For a host that leaves the choice to us: makes the toolkit's and our
    /// catalog in `language` (a code such as "de" or "fr_CA"; empty: the
    /// system's) the active translations, replacing any. Returns whether a
    /// catalog of ours was found for it (true for an English code, which
    /// needs none). Needs the
    /// application object (the toolkit looks catalogs up through it).
    static bool useLanguage(const wxString& language);

    /// Called by the library's windows before they make their controls: does
    /// what useLanguage() does for the system's language, unless translations
    /// are active already (the host chose the language or its own catalogs).
    static void useSystemLanguageUnlessChosen();

    /// Adds the folders where our catalogs are installed or built to the
    /// toolkit's lookup, once; for a host that makes its own wxTranslations
    /// and adds kCatalogName to it.
    static void addLookupPaths();
};
