#include "interchange/AikenFormat.h"

#include "interchange/ItemMapper.h"

#include <wx/intl.h>
#include <wx/tokenzr.h>

namespace
{

const wxUniChar kNoBreakSpace(0xA0);

bool isBlank(wxUniChar c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == kNoBreakSpace || c == 0xFEFF;
}

// `line` without blanks at either end: spaces, tabs, no-break spaces (word
// processors write them after "A."), a carriage return of a CRLF line end.
wxString trimmed(const wxString& line)
{
    size_t first = 0;
    size_t end = line.length();
    while (first < end && isBlank(line[first]))
    {
        ++first;
    }
    while (end > first && isBlank(line[end - 1]))
    {
        --end;
    }
    return line.Mid(first, end - first);
}

// The letter of an answer line ("B. Mars", "B) Mars"), or 0.
wxUniChar answerLetter(const wxString& line)
{
    if (line.length() >= 3 && line[0] >= 'A' && line[0] <= 'Z' && (line[1] == '.' || line[1] == ')') &&
        isBlank(line[2]))
    {
        return line[0];
    }
    return wxUniChar(0u);
}

// The rest of an "ANSWER: B" line after its colon; false for any other line.
// Some banks write "ANSWER : B" or "Answer: B".
bool answerLine(const wxString& line, bool afterAnswers, wxString* rest)
{
    if (line.StartsWith("ANSWER:", rest))
    {
        return true;
    }
    if (!afterAnswers || line.Left(6).Upper() != "ANSWER")
    {
        return false;
    }
    const wxString colon = trimmed(line.Mid(6));
    return colon.StartsWith(":", rest);
}

// Builds the question being read, line by line.
class CAikenQuestion
{
public:
    CAikenQuestion(const wxString& file, std::vector<CBankItem>* items) : m_file(file), m_items(items) {}

    bool isOpen() const { return m_open; }

    void addText(const wxString& line, unsigned number)
    {
        if (!m_open)
        {
            m_item = CBankItem();
            m_item.m_source = CItemSource(m_file, number);
            m_letters.clear();
            m_open = true;
        }
        m_item.m_text += (m_item.m_text.empty() ? "" : "\n") + line;
    }

    void addAnswer(wxUniChar letter, const wxString& text)
    {
        m_letters += letter;
        m_item.addAnswer(trimmed(text), 0);
    }

    // "ANSWER: X" closes the question.
    void close(const wxString& answer)
    {
        const wxString letter = trimmed(answer);
        const int index = letter.length() == 1 ? m_letters.Find(letter[0]) : wxNOT_FOUND;
        if (letter.empty())
        {
            m_item.m_refusal = _("it has no correct answer (ANSWER: names no letter)");
        }
        else if (index == wxNOT_FOUND && letter.find_first_of(",; ") != wxString::npos)
        {
            m_item.m_refusal =
                wxString::Format(_("ANSWER: %s names several answers; Aiken questions have one"), letter);
        }
        else if (index == wxNOT_FOUND)
        {
            m_item.m_refusal =
                wxString::Format(_("it has no correct answer (ANSWER: %s names no answer)"), letter);
        }
        else
        {
            m_item.m_answers[index].m_weight = 100;
        }
        finish();
    }

    // A question that ends without "ANSWER:" is refused.
    void abandon()
    {
        if (m_open)
        {
            m_item.m_refusal =
                m_item.m_answers.empty() ? _("it has no answers") : _("it has no ANSWER: line");
            finish();
        }
    }

private:
    void finish()
    {
        m_item.m_source.m_title = CItemSource::titleFromText(m_item.m_text);
        m_items->push_back(m_item);
        m_open = false;
    }

    wxString m_file;
    std::vector<CBankItem>* m_items;
    CBankItem m_item;
    wxString m_letters;
    bool m_open = false;
};

} // namespace

void CAikenFormat::read(const wxString& text, const wxString& file, std::vector<CBankItem>* items,
                        CImportReport*)
{
    CAikenQuestion question(file, items);
    bool inAnswers = false;
    // CRLF, LF and lone CR line ends, mixed as files pieced together have them.
    wxString normalised = text;
    normalised.Replace("\r\n", "\n");
    normalised.Replace("\r", "\n");
    wxStringTokenizer lines(normalised, "\n", wxTOKEN_RET_EMPTY_ALL);
    unsigned number = 0;
    while (lines.HasMoreTokens())
    {
        const wxString line = trimmed(lines.GetNextToken());
        ++number;
        if (line.empty())
        {
            continue;
        }
        const wxUniChar letter = answerLetter(line);
        wxString answer;
        if (question.isOpen() && answerLine(line, inAnswers, &answer))
        {
            question.close(answer);
            inAnswers = false;
        }
        else if (letter != wxUniChar(0u) && question.isOpen())
        {
            question.addAnswer(letter, line.Mid(2));
            inAnswers = true;
        }
        else
        {
            // Text after the answers starts the next question: the one before
            // lacked its ANSWER: line.
            if (inAnswers)
            {
                question.abandon();
                inAnswers = false;
            }
            question.addText(line, number);
        }
    }
    question.abandon();
}
