#pragma once

#include "external/data/EVImageSelections.h"

#include <wx/string.h>

#include <vector>

class CAssessmentMgr;

// What stands in the way of taking an assessment, found before a taker meets
// it: questions without a right answer or with too many, empty answers, the
// same question twice, question files that could not be read, pictures that
// are missing, not pictures or too large, and texts too faint against their
// backgrounds (WCAG contrast). Each problem names its place, so that the
// author can be taken there.
class CAssessmentCheck
{
public:
    enum eSeverity
    {
        eWarning,
        eError
    };
    struct SProblem
    {
        eSeverity severity;
        // The question's position from 1, or 0 when the problem is a picture's.
        unsigned questionPosition;
        // The picture concerned, or eNoImage when the problem is a question's
        // or the whole assessment's.
        CEVImageSelections::imageID picture;
        // What is wrong and what to do, in words.
        wxString text;
    };

    explicit CAssessmentCheck(CAssessmentMgr* assessment) : m_assessment(assessment) {}

    // An entry whose question file could not be read when the assessment was
    // opened (its position from 1 and the reason).
    void addUnreadableEntry(unsigned position, const wxString& reason);
    // Whether the contrast is measured too; it needs the toolkit (a display).
    void setMeasureContrast(bool measure) { m_measureContrast = measure; }

    // Finds the problems anew, in the order of the assessment: questions
    // first, then pictures, then contrast.
    const std::vector<SProblem>& run();
    const std::vector<SProblem>& getProblems() const { return m_problems; }
    bool hasErrors() const;

    // Where the problem is: "question 3", a picture's label, or "assessment".
    static wxString placeOf(const SProblem& problem);
    // One line: "error: question 3: ..." or "warning: Question Background: ...".
    static wxString describe(const SProblem& problem);
    // Every problem, one line each.
    wxString describeAll() const;

private:
    void checkQuestions();
    void checkPictures();
    void checkContrast();
    void addQuestionProblem(eSeverity severity, unsigned position, const wxString& text);
    void addPictureProblem(eSeverity severity, CEVImageSelections::imageID picture, const wxString& text);

    CAssessmentMgr* m_assessment;
    std::vector<std::pair<unsigned, wxString>> m_unreadable;
    bool m_measureContrast = false;
    std::vector<SProblem> m_problems;
};
