#pragma once

#include "external/widgets/EvalonWidgetsExport.h"

#include <wx/image.h>
#include <wx/string.h>

/// Loads a picture that comes from elsewhere (an assessment's backgrounds and
/// buttons) so that no file can crash the program, exhaust its memory or put a
/// decoder's warning in front of the user. The file is read whole into memory
/// (so it cannot change between the checks and the decoding), its header is
/// checked, and only then is it decoded.
///
/// Refused, with a reason that names the file: a missing or empty file, a file
/// over kMaxFileBytes, a file that is not a PNG, JPEG, GIF or BMP picture, a
/// header declaring more than kMaxPixels pixels (before any decoding), and a
/// truncated or damaged picture.
class EVALON_WIDGETS_EXPORT CPictureLoader
{
public:
    /// The largest file, in bytes, and the most pixels a picture may declare.
    ///@{
    static const unsigned long long kMaxFileBytes = 64ULL * 1024 * 1024;
    static const unsigned long long kMaxPixels = 50ULL * 1000 * 1000;
    ///@}

    /// Fills `image` with the picture in `path`. On refusal `image` is left as
    /// it was and `error`, when given, says "<path>: <reason>". Nothing is
    /// logged: the caller decides what the user sees.
    static bool load(const wxString& path, wxImage* image, wxString* error = nullptr);
};
