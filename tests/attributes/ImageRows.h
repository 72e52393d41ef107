#pragma once

#include "external/data/EVImageSelections.h"
#include "tests/support/WxTest.h"

#include <vector>

// Where each image is edited: its page (1 or 2) and the identifiers of its
// row's path box and browse button, rows in page order.
struct SImageRow
{
    CEVImageSelections::imageID image;
    int page;
    int pathBoxID;
    int buttonID;
};

inline const std::vector<SImageRow>& imageRows()
{
    static const std::vector<SImageRow> rows{
        {CEVImageSelections::eQuestionBackground, 1, 1, 2},
        {CEVImageSelections::eAnswerButtonCold, 1, 4, 5},
        {CEVImageSelections::eAnswerButtonHot, 1, 7, 8},
        {CEVImageSelections::eAnswerButtonChecked, 1, 10, 11},
        {CEVImageSelections::eAnswersSubmittalBackground, 1, 13, 14},
        {CEVImageSelections::eReviewBackground, 1, 16, 17},
        {CEVImageSelections::eCongratulationsBackground, 1, 19, 20},
        {CEVImageSelections::ePreviousCold, 2, 0, 1},
        {CEVImageSelections::ePreviousHot, 2, 2, 3},
        {CEVImageSelections::eNextCold, 2, 4, 5},
        {CEVImageSelections::eNextHot, 2, 6, 7},
        {CEVImageSelections::eSubmitCold, 2, 8, 9},
        {CEVImageSelections::eSubmitHot, 2, 10, 11},
    };
    return rows;
}

// "old/<image>.jpg" for every image, so that any write shows.
inline wxString oldPath(CEVImageSelections::imageID image)
{
    return wxString::Format("old/%d.jpg", int(image));
}

inline void setOldPaths(CEVImageSelections& selections)
{
    for (const SImageRow& row : imageRows())
        selections.getImageSelectionsInfoFor(row.image)->setRelativePath(oldPath(row.image));
}

inline wxString relativePathOf(CEVImageSelections& selections, CEVImageSelections::imageID image)
{
    return selections.getImageSelectionsInfoFor(image)->getRelativePath();
}
