#pragma once

#include "external/data/EvalonDataExport.h"
#include "external/data/ImageSelectionsInfo.h"

// The thirteen pictures an assessment is presented with.
class EVALON_DATA_EXPORT CEVImageSelections
{
public:
    enum imageID
    {
        eQuestionBackground = 0,
        eAnswerButtonCold,
        eAnswerButtonHot,
        eAnswerButtonChecked,
        ePreviousCold,
        ePreviousHot,
        eNextCold,
        eNextHot,
        eSubmitCold,
        eSubmitHot,
        eAnswersSubmittalBackground,
        eReviewBackground,
        eCongratulationsBackground,
        eNoImage // no picture; not a record
    };
    static const unsigned kNumImages = eNoImage;

    CEVImageSelections();

    // Null for eNoImage and anything out of range.
    CImageSelectionsInfo* getImageSelectionsInfoFor(imageID id);
    const CImageSelectionsInfo* getImageSelectionsInfoFor(imageID id) const;

    // Resolves every relative path against the process's current working
    // directory (an absolute path stays as it is; an empty one gives an empty
    // absolute path). False when the working directory cannot be read.
    bool updateAbsolutePaths();

    // The stable name of an image in files ("questionBackground" ...), and back.
    static wxString keyFor(imageID id);
    static imageID idForKey(const wxString& key);

    bool operator==(const CEVImageSelections& other) const;

private:
    CImageSelectionsInfo m_infos[kNumImages];
};
