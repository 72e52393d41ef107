#pragma once

#include "interchange/EvalonInterchangeExport.h"

#include "interchange/ItemSource.h"

#include <wx/arrstr.h>

#include <vector>

/// One question as a bank format gives it, before it is mapped to our model:
/// texts already reduced to plain text, answers with the weight the format
/// gave them, and what the reader had to leave out.
class EVALON_INTERCHANGE_EXPORT CBankItem
{
public:
    /// How many answers a test taker chooses.
    enum eCardinality
    {
        eSingle,  ///< one answer is chosen
        eMultiple ///< any number of answers is chosen
    };

    /// One answer of the item.
    struct SAnswer
    {
        wxString m_text; ///< the answer as plain text
        /// Percent of the score: 100 right, 0 wrong, negative a penalty; any
        /// positive value counts as right.
        double m_weight = 0;
    };

    CItemSource m_source;                 ///< where the item stands in the bank, and its title
    wxString m_text;                      ///< the question as plain text
    std::vector<SAnswer> m_answers;       ///< in the bank's order, as many as it has
    wxString m_feedback;                  ///< general feedback: our reference text
    eCardinality m_cardinality = eSingle; ///< one answer or several
    /// The category the bank names itself (our own CSV columns), -1 when the
    /// format has no such thing and the mapping decides.
    int m_declaredCategory = -1;
    /// What the reader left out or altered, one phrase each.
    wxArrayString m_changes;
    /// Set when the reader already knows the item cannot be taken (a question
    /// type we cannot hold, a damaged entry): the reason.
    wxString m_refusal;

    /// Appends an answer.
    void addAnswer(const wxString& text, double weight) { m_answers.push_back(SAnswer{text, weight}); }
    /// Records a change once, however many texts of the item it concerns.
    void addChange(const wxString& change)
    {
        if (m_changes.Index(change) == wxNOT_FOUND)
        {
            m_changes.Add(change);
        }
    }
};
