#pragma once

#include "external/data/EvalonDataExport.h"
#include "external/data/ImageSelectionsInfo.h"

/// The thirteen pictures an assessment is presented with.
class EVALON_DATA_EXPORT CEVImageSelections
{
public:
    /// The thirteen pictures, in the order the attributes dialog lists them.
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
        eNoImage ///< no picture; not a record
    };
    /// The number of pictures (records).
    static const unsigned kNumImages = eNoImage;

    /// Every picture labelled for the author, none chosen.
    CEVImageSelections();

    /// The record of picture `id`; null for eNoImage and anything out of range.
    ///@{
    CImageSelectionsInfo* getImageSelectionsInfoFor(imageID id);
    const CImageSelectionsInfo* getImageSelectionsInfoFor(imageID id) const;
    ///@}

    /// Resolves every relative path against the process's current working
    /// directory (an absolute path stays as it is; an empty one gives an empty
    /// absolute path). False when the working directory cannot be read.
    bool updateAbsolutePaths();

    /// The stable name of an image in files ("questionBackground" ...), and
    /// back: an empty name for no picture, eNoImage for an unknown name.
    ///@{
    static wxString keyFor(imageID id);
    static imageID idForKey(const wxString& key);
    ///@}

    /// Equal when every record is (see CImageSelectionsInfo::operator==).
    bool operator==(const CEVImageSelections& other) const;

private:
    CImageSelectionsInfo m_infos[kNumImages];
};
