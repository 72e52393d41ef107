#pragma once

#include "results/EvalonResultsExport.h"

#include <string>

class CAssessmentMgr;
class CQuestionData;

/// SHA-256 fingerprints, in lower-case hex, that tell an assessment or a
/// question apart from an edited version of it: over the question's text, its
/// answers and its correct answers, each field length-prefixed so that no two
/// different questions give the same input.
class EVALON_RESULTS_EXPORT CFingerprint
{
public:
    /// A question's fingerprint; the file name, reference text and category
    /// do not take part (moving or annotating a question keeps its results).
    static std::string ofQuestion(const CQuestionData& question);
    /// The fingerprints of every question in the assessment's order, hashed
    /// again; an entry naming no question takes part as an empty mark.
    static std::string ofAssessment(CAssessmentMgr& assessment);
    /// The SHA-256 of `bytes`, in hex.
    static std::string sha256(const std::string& bytes);
};
