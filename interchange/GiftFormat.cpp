#include "interchange/GiftFormat.h"

#include "interchange/HtmlText.h"
#include "interchange/ImportReport.h"
#include "interchange/ItemMapper.h"

#include <wx/intl.h>
#include <wx/tokenzr.h>

namespace
{

const wxString kSpecials = "~=#{}:";

// The first `token` at or after `from` that no backslash escapes.
size_t findUnescaped(const wxString& text, const wxString& token, size_t from = 0)
{
    for (size_t i = from; i < text.length(); ++i)
    {
        if (text[i] == '\\')
        {
            ++i;
        }
        else if (text.compare(i, token.length(), token) == 0)
        {
            return i;
        }
    }
    return wxString::npos;
}

wxString trimmed(const wxString& text)
{
    return wxString(text).Trim(true).Trim(false);
}

// Reads the texts of one question: unescaped, and reduced when they are HTML
// (marked so, or unmarked but using tags; "[plain]" and "[markdown]" texts
// are kept as written).
class CGiftTexts
{
public:
    CGiftTexts(const wxString& format, CBankItem* item) : m_format(format), m_item(item) {}
    ~CGiftTexts() { m_html.addChangesTo(m_item); }
    CGiftTexts(const CGiftTexts&) = delete;
    CGiftTexts& operator=(const CGiftTexts&) = delete;

    // An answer or feedback may carry a format marker of its own, which
    // holds for that text only.
    wxString text(const wxString& raw, bool ownMarker = true)
    {
        wxString marked = trimmed(raw);
        wxString format = ownMarker ? takeFormatMarker(&marked) : wxString();
        if (format.empty())
        {
            format = m_format;
        }
        const wxString text = CGiftFormat::unescape(trimmed(marked));
        const bool html =
            format == "html" || ((format.empty() || format == "moodle") && CHtmlText::looksLikeHtml(text));
        return html ? m_html.reduce(text) : text;
    }

    // Removes a leading "[html]", "[moodle]", "[plain]" or "[markdown]" from
    // `text` and returns its name; empty when there is none.
    static wxString takeFormatMarker(wxString* text)
    {
        if (!text->StartsWith("["))
        {
            return wxString();
        }
        const wxString name = text->Mid(1).BeforeFirst(']').Lower();
        if (name == "html" || name == "moodle" || name == "plain" || name == "markdown")
        {
            *text = text->Mid(name.length() + 2);
            return name;
        }
        return wxString();
    }

private:
    wxString m_format;
    CBankItem* m_item;
    CHtmlText m_html;
};

// Splits `text` at `token`, unescaped: what follows goes to `after`.
wxString splitAt(const wxString& text, const wxString& token, wxString* after)
{
    const size_t at = findUnescaped(text, token);
    if (at == wxString::npos)
    {
        after->clear();
        return text;
    }
    *after = text.Mid(at + token.length());
    return text.Left(at);
}

void readTrueFalse(const wxString& head, const wxString& feedbacks, CBankItem* item)
{
    const bool isTrue = head.StartsWith("T");
    item->addAnswer("True", isTrue ? 100 : 0);
    item->addAnswer("False", isTrue ? 0 : 100);
    if (!trimmed(feedbacks).empty())
    {
        item->addChange(_("answer feedback dropped"));
    }
}

void readChoices(const wxString& block, CGiftTexts& texts, CBankItem* item)
{
    size_t at = findUnescaped(block, "=");
    const size_t tilde = findUnescaped(block, "~");
    at = std::min(at, tilde);
    if (!trimmed(block.Left(at)).empty())
    {
        item->m_refusal = _("the answer block does not start with = or ~");
        return;
    }
    item->m_cardinality =
        findUnescaped(block, "=") == wxString::npos ? CBankItem::eMultiple : CBankItem::eSingle;
    while (at < block.length())
    {
        const bool right = block[at] == '=';
        const size_t next = std::min(findUnescaped(block, "=", at + 1), findUnescaped(block, "~", at + 1));
        wxString answer = trimmed(block.Mid(at + 1, next == wxString::npos ? wxString::npos : next - at - 1));
        at = next;
        double weight = right ? 100 : 0;
        if (answer.StartsWith("%"))
        {
            const size_t close = answer.find('%', 1);
            if (close == wxString::npos || !CItemMapper::parseWeight(answer.Mid(1, close - 1), &weight))
            {
                item->m_refusal =
                    wxString::Format(_("the weight of answer %s is not a number between %% signs"),
                                     CItemMapper::letter(item->m_answers.size()));
                return;
            }
            answer = answer.Mid(close + 1);
        }
        wxString feedback;
        answer = splitAt(answer, "#", &feedback);
        if (!trimmed(feedback).empty())
        {
            item->addChange(_("answer feedback dropped"));
        }
        item->addAnswer(texts.text(answer), weight);
    }
}

// The answer block, general feedback already taken off.
void readBlock(wxString block, CGiftTexts& texts, CBankItem* item)
{
    block = trimmed(block);
    if (block.empty())
    {
        item->m_refusal = _("it has no answers (an essay question)");
        return;
    }
    if (block.StartsWith("#"))
    {
        item->m_refusal = _("a numerical question, not multiple choice");
        return;
    }
    wxString feedbacks;
    const wxString head = trimmed(splitAt(block, "#", &feedbacks)).Upper();
    if (head == "T" || head == "TRUE" || head == "F" || head == "FALSE")
    {
        readTrueFalse(head, feedbacks, item);
    }
    else if (findUnescaped(block, "~") != wxString::npos)
    {
        readChoices(block, texts, item);
    }
    else if (findUnescaped(block, "->") != wxString::npos)
    {
        item->m_refusal = _("a matching question, not multiple choice");
    }
    else
    {
        item->m_refusal = _("a short-answer question, not multiple choice");
    }
}

// Reads one question into `item`, which has its source set.
void readQuestion(wxString text, CBankItem* item)
{
    text = trimmed(text);
    if (text.StartsWith("::"))
    {
        const size_t end = findUnescaped(text, "::", 2);
        if (end == wxString::npos)
        {
            item->m_refusal = _("the title is not closed with ::");
            return;
        }
        item->m_source.m_title = trimmed(CGiftFormat::unescape(text.Mid(2, end - 2)));
        text = trimmed(text.Mid(end + 2));
    }
    // The question's marker holds for all its texts that have none of their own.
    const wxString format = CGiftTexts::takeFormatMarker(&text);
    CGiftTexts texts(format, item);
    const size_t open = findUnescaped(text, "{");
    const size_t close = open == wxString::npos ? open : findUnescaped(text, "}", open + 1);
    if (open == wxString::npos || close == wxString::npos)
    {
        item->m_text = texts.text(text.Left(open), false);
        if (item->m_source.m_title.empty())
        {
            item->m_source.m_title = CItemSource::titleFromText(item->m_text);
        }
        item->m_refusal = open == wxString::npos ? _("a description, not a question (it has no answer block)")
                                                 : _("the answer block opened with { is not closed with }");
        return;
    }
    item->m_text = texts.text(text.Left(open), false);
    const wxString rest = texts.text(text.Mid(close + 1), false);
    if (!rest.empty())
    {
        item->m_text += " _____ " + rest;
        item->addChange(_("the answers stood inside the text: a blank marks their place"));
    }
    if (item->m_source.m_title.empty())
    {
        item->m_source.m_title = CItemSource::titleFromText(item->m_text);
    }
    wxString feedback;
    const wxString block = splitAt(text.Mid(open + 1, close - open - 1), "####", &feedback);
    item->m_feedback = texts.text(feedback);
    readBlock(block, texts, item);
}

// Collects the lines of one question and hands the question on at its end.
class CGiftChunks
{
public:
    CGiftChunks(const wxString& file, std::vector<CBankItem>* items, CImportReport* report)
        : m_file(file), m_items(items), m_report(report)
    {
    }

    void addLine(const wxString& line, unsigned number)
    {
        const wxString content = trimmed(line);
        if (content.StartsWith("//"))
        {
            return;
        }
        if (content.empty())
        {
            finish();
            return;
        }
        if (m_lines.empty() && content.StartsWith("$CATEGORY:"))
        {
            m_report->add(CImportReport::eNotice, CItemSource(m_file, number),
                          wxString::Format(_("bank category not kept: %s"), trimmed(content.Mid(10))));
            return;
        }
        if (m_lines.empty())
        {
            m_first = number;
        }
        m_lines += (m_lines.empty() ? "" : "\n") + line;
    }

    void finish()
    {
        if (!m_lines.empty())
        {
            m_items->emplace_back();
            m_items->back().m_source = CItemSource(m_file, m_first);
            readQuestion(m_lines, &m_items->back());
            m_lines.clear();
        }
    }

private:
    wxString m_file;
    std::vector<CBankItem>* m_items;
    CImportReport* m_report;
    wxString m_lines;
    unsigned m_first = 0;
};

wxString answerLine(const CQuestionData& question, unsigned index)
{
    const double weight = CItemMapper::exportWeight(question, index);
    wxString marker = "~";
    if (question.getCategoryType() == CQuestionData::eMultipleAnswers)
    {
        marker += "%" + CItemMapper::weightText(weight) + "%";
    }
    else if (weight > 0)
    {
        marker = "=";
    }
    // An answer that starts like a format marker gets one, which keeps it as written.
    const wxString answer = question.getAnswer(index);
    return "\t" + marker + (answer.StartsWith("[") ? "[plain]" : "") + CGiftFormat::escape(answer) + "\n";
}

// "[plain]" keeps texts that a reader would take for HTML (or for a format
// marker) exactly as they are.
bool needsPlainMarker(const CQuestionData& question)
{
    bool html = CHtmlText::looksLikeHtml(question.getQuestion()) ||
                CHtmlText::looksLikeHtml(question.getReferenceText()) ||
                question.getQuestion().StartsWith("[");
    for (unsigned index = 0; index < question.getNumAnswers(); ++index)
    {
        html = html || CHtmlText::looksLikeHtml(question.getAnswer(index));
    }
    return html;
}

} // namespace

wxString CGiftFormat::unescape(const wxString& text)
{
    wxString result;
    result.reserve(text.length());
    for (size_t i = 0; i < text.length(); ++i)
    {
        const wxUniChar c = text[i];
        if (c == '\\' && i + 1 < text.length())
        {
            const wxUniChar next = text[i + 1];
            if (next == 'n')
            {
                result += '\n';
                ++i;
                continue;
            }
            if (next == '\\' || kSpecials.Find(next) != wxNOT_FOUND)
            {
                result += next;
                ++i;
                continue;
            }
        }
        result += c;
    }
    return result;
}

wxString CGiftFormat::escape(const wxString& text)
{
    wxString result;
    result.reserve(text.length() + 8);
    for (wxUniChar c : text)
    {
        if (c == '\n')
        {
            result += "\\n";
            continue;
        }
        if (c == '\\' || kSpecials.Find(c) != wxNOT_FOUND)
        {
            result += '\\';
        }
        result += c;
    }
    return result;
}

void CGiftFormat::read(const wxString& text, const wxString& file, std::vector<CBankItem>* items,
                       CImportReport* report)
{
    CGiftChunks chunks(file, items, report);
    wxStringTokenizer lines(text, "\n", wxTOKEN_RET_EMPTY_ALL);
    unsigned number = 0;
    while (lines.HasMoreTokens())
    {
        wxString line = lines.GetNextToken();
        if (line.EndsWith("\r"))
        {
            line.RemoveLast();
        }
        chunks.addLine(line, ++number);
    }
    chunks.finish();
}

wxString CGiftFormat::write(const std::vector<CExportItem>& items)
{
    wxString text;
    for (const CExportItem& item : items)
    {
        const CQuestionData& question = *item.m_question;
        text += "::" + escape(item.m_title) + "::" + (needsPlainMarker(question) ? "[plain]" : "") +
                escape(question.getQuestion()) + "{";
        if (CItemMapper::isTrueFalse(question))
        {
            text += CItemMapper::exportWeight(question, 0) > 0 ? "TRUE\n" : "FALSE\n";
        }
        else
        {
            text += "\n";
            for (unsigned index = 0; index < question.getNumAnswers(); ++index)
            {
                text += answerLine(question, index);
            }
        }
        if (!question.getReferenceText().empty())
        {
            text += "\t####" + escape(question.getReferenceText()) + "\n";
        }
        text += "}\n\n";
    }
    return text;
}
