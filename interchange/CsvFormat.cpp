#include "interchange/CsvFormat.h"

#include "interchange/ImportReport.h"
#include "interchange/ItemMapper.h"

#include <wx/intl.h>

#include <map>

namespace
{

const char* const kCategoryKeys[] = {"trueFalse", "singleAnswer", "multipleAnswers"};

// One record and the line it starts on; `m_error` when it is damaged.
struct SRecord
{
    std::vector<wxString> m_fields;
    unsigned m_line = 0;
    wxString m_error;
};

// Splits text into records as RFC 4180 says: comma-separated fields, a field
// in double quotes may hold commas, line breaks and doubled quotes; records
// end with CRLF or LF.
class CCsvReader
{
public:
    explicit CCsvReader(const wxString& text) : m_text(text) {}

    bool next(SRecord* record)
    {
        if (m_at >= m_text.length())
        {
            return false;
        }
        *record = SRecord();
        record->m_line = m_line;
        wxString field;
        bool quoted = false;
        while (m_at < m_text.length())
        {
            const wxUniChar c = m_text[m_at++];
            if (quoted)
            {
                if (c == '"' && m_at < m_text.length() && m_text[m_at] == '"')
                {
                    field += c;
                    ++m_at;
                }
                else if (c == '"')
                {
                    quoted = false;
                    if (m_at < m_text.length() && m_text[m_at] != ',' && m_text[m_at] != '\r' &&
                        m_text[m_at] != '\n')
                    {
                        record->m_error = _("text follows the closing quote of a field");
                    }
                }
                else
                {
                    m_line += c == '\n' ? 1 : 0;
                    field += c;
                }
            }
            else if (c == '"' && field.empty())
            {
                quoted = true;
            }
            else if (c == ',')
            {
                record->m_fields.push_back(field);
                field.clear();
            }
            else if (c == '\n' || c == '\r')
            {
                if (c == '\r' && m_at < m_text.length() && m_text[m_at] == '\n')
                {
                    ++m_at;
                }
                ++m_line;
                break;
            }
            else
            {
                field += c;
            }
        }
        if (quoted)
        {
            record->m_error = _("a quoted field is not closed before the end of the file");
        }
        record->m_fields.push_back(field);
        return true;
    }

private:
    wxString m_text;
    size_t m_at = 0;
    unsigned m_line = 1;
};

bool isBlank(const SRecord& record)
{
    for (const wxString& field : record.m_fields)
    {
        if (!field.empty())
        {
            return false;
        }
    }
    return true;
}

wxString trimmed(const wxString& text)
{
    return wxString(text).Trim(true).Trim(false);
}

// The category a field names: a label, a key or a number; -1 for an empty
// field, -2 for a name we do not know.
int categoryOf(const wxString& field)
{
    const wxString name = trimmed(field);
    if (name.empty())
    {
        return -1;
    }
    const wxArrayString labels = CQuestionData::categoryTypeLabels();
    for (unsigned category = 0; category < labels.size(); ++category)
    {
        if (name.CmpNoCase(labels[category]) == 0 || name.CmpNoCase(kCategoryKeys[category]) == 0 ||
            name == wxString::Format("%u", category))
        {
            return static_cast<int>(category);
        }
    }
    return -2;
}

// Where each of our columns stands in the header.
class CCsvColumns
{
public:
    bool read(const SRecord& header, const wxString& file, CImportReport* report)
    {
        for (size_t index = 0; index < header.m_fields.size(); ++index)
        {
            const wxString name = trimmed(header.m_fields[index]).Upper();
            if (name.length() == 1 && name[0] >= 'A' && name[0] <= 'Z')
            {
                m_answers[static_cast<unsigned>(name[0].GetValue() - 'A')] = index;
            }
            else if (name == "QUESTION" || name == "CATEGORY" || name == "CORRECT" || name == "REFERENCE")
            {
                m_named[name] = index;
            }
            // The other common layout: questionname, questiontext, A, B...,
            // then "Answer 1", "Answer 2"... each holding one right letter.
            else if (name == "QUESTIONNAME" || name == "QUESTIONTEXT")
            {
                m_named[name == "QUESTIONNAME" ? "TITLE" : "QUESTION"] = index;
            }
            else if (name.StartsWith("ANSWER ") && name.Mid(7).IsNumber())
            {
                m_rightLetters.push_back(index);
            }
            else if (!name.empty())
            {
                report->add(CImportReport::eNotice, CItemSource(file, header.m_line),
                            wxString::Format(_("column \"%s\" is not one of ours: its values are not kept"),
                                             trimmed(header.m_fields[index])));
            }
        }
        return m_named.count("QUESTION") > 0 && (m_named.count("CORRECT") > 0 || !m_rightLetters.empty()) &&
               !m_answers.empty();
    }

    wxString field(const SRecord& record, const wxString& name) const
    {
        const auto found = m_named.find(name);
        wxString value = found == m_named.end() ? wxString() : at(record, found->second);
        if (name == "CORRECT")
        {
            for (size_t column : m_rightLetters)
            {
                value += (value.empty() ? "" : ",") + at(record, column);
            }
        }
        return value;
    }

    // The answers by letter index; empty ones after the last answer left out.
    std::map<unsigned, wxString> answers(const SRecord& record) const
    {
        std::map<unsigned, wxString> answers;
        for (const auto& [letter, column] : m_answers)
        {
            answers[letter] = at(record, column);
        }
        while (!answers.empty() && answers.rbegin()->second.empty())
        {
            answers.erase(std::prev(answers.end()));
        }
        return answers;
    }

    size_t count() const { return m_named.size() + m_answers.size() + m_rightLetters.size(); }

private:
    static wxString at(const SRecord& record, size_t column)
    {
        return column < record.m_fields.size() ? record.m_fields[column] : wxString();
    }

    std::map<wxString, size_t> m_named;
    std::map<unsigned, size_t> m_answers;
    std::vector<size_t> m_rightLetters;
};

// The indexes the correct letters name ("B", "A,C", "a c"); false and
// `error` when the field holds something else.
bool readLetters(const wxString& field, std::vector<unsigned>* indexes, wxString* error)
{
    for (wxUniChar c : field.Upper())
    {
        if (c >= 'A' && c <= 'Z')
        {
            indexes->push_back(static_cast<unsigned>(c.GetValue() - 'A'));
        }
        else if (c != ',' && c != ';' && c != ' ' && c != '/' && c != '\t')
        {
            *error = wxString::Format(_("the correct letters \"%s\" are not letters A to J"), field);
            return false;
        }
    }
    return true;
}

void readRow(const SRecord& record, const CCsvColumns& columns, CBankItem* item)
{
    item->m_text = columns.field(record, "QUESTION");
    item->m_feedback = columns.field(record, "REFERENCE");
    item->m_source.m_title = trimmed(columns.field(record, "TITLE"));
    if (item->m_source.m_title.empty())
    {
        item->m_source.m_title = CItemSource::titleFromText(item->m_text);
    }
    if (!record.m_error.empty())
    {
        item->m_refusal = record.m_error;
        return;
    }
    if (record.m_fields.size() > columns.count())
    {
        for (size_t index = columns.count(); index < record.m_fields.size(); ++index)
        {
            if (!record.m_fields[index].empty())
            {
                item->addChange(_("values beyond the last column dropped"));
            }
        }
    }
    item->m_declaredCategory = categoryOf(columns.field(record, "CATEGORY"));
    if (item->m_declaredCategory == -2)
    {
        item->m_refusal =
            wxString::Format(_("unknown category \"%s\""), trimmed(columns.field(record, "CATEGORY")));
        return;
    }
    std::map<unsigned, wxString> answers = columns.answers(record);
    if (answers.empty() && item->m_declaredCategory == CQuestionData::eTrueFalse)
    {
        answers = {{0, "True"}, {1, "False"}};
    }
    const unsigned count = answers.empty() ? 0 : answers.rbegin()->first + 1;
    for (unsigned index = 0; index < count; ++index)
    {
        item->addAnswer(answers.count(index) ? answers[index] : wxString(), 0);
    }
    std::vector<unsigned> right;
    wxString error;
    if (!readLetters(columns.field(record, "CORRECT"), &right, &error))
    {
        item->m_refusal = error;
        return;
    }
    for (unsigned index : right)
    {
        // Without answers the mapping refuses the row for that reason.
        if (index >= count && count > 0)
        {
            item->m_refusal =
                wxString::Format(_("the correct letter %s names no answer"), CItemMapper::letter(index));
            return;
        }
        if (index < count)
        {
            item->m_answers[index].m_weight = 100;
        }
    }
    item->m_cardinality = right.size() > 1 ? CBankItem::eMultiple : CBankItem::eSingle;
}

wxString quoted(const wxString& field)
{
    if (field.find_first_of(",\"\r\n") == wxString::npos)
    {
        return field;
    }
    wxString text = field;
    text.Replace("\"", "\"\"");
    return "\"" + text + "\"";
}

wxString line(const std::vector<wxString>& fields)
{
    wxString text;
    for (size_t index = 0; index < fields.size(); ++index)
    {
        text += (index > 0 ? "," : "") + quoted(fields[index]);
    }
    return text + "\r\n";
}

} // namespace

wxArrayString CCsvFormat::columns()
{
    wxArrayString names;
    names.Add("Question");
    names.Add("Category");
    for (unsigned index = 0; index < CQuestionData::kMaxAnswers; ++index)
    {
        names.Add(CItemMapper::letter(index));
    }
    names.Add("Correct");
    names.Add("Reference");
    return names;
}

void CCsvFormat::read(const wxString& text, const wxString& file, std::vector<CBankItem>* items,
                      CImportReport* report)
{
    CCsvReader reader(text);
    SRecord record;
    while (reader.next(&record) && isBlank(record))
    {
    }
    CCsvColumns layout;
    if (record.m_fields.empty() || !layout.read(record, file, report))
    {
        report->add(CImportReport::eRefused, CItemSource(file, record.m_line),
                    wxString::Format(_("the first line is not the header of our columns: %s (or of %s)"),
                                     wxJoin(columns(), ',', '\0'),
                                     "questionname,questiontext,A,B,...,Answer 1,Answer 2..."));
        return;
    }
    while (reader.next(&record))
    {
        if (isBlank(record))
        {
            continue;
        }
        items->emplace_back();
        items->back().m_source = CItemSource(file, record.m_line);
        readRow(record, layout, &items->back());
    }
}

wxString CCsvFormat::write(const std::vector<CExportItem>& items)
{
    const wxArrayString header = columns();
    wxString text = line(std::vector<wxString>(header.begin(), header.end()));
    const wxArrayString labels = CQuestionData::categoryTypeLabels();
    for (const CExportItem& item : items)
    {
        const CQuestionData& question = *item.m_question;
        std::vector<wxString> fields = {question.getQuestion(), labels[question.getCategoryType()]};
        for (unsigned index = 0; index < CQuestionData::kMaxAnswers; ++index)
        {
            fields.push_back(index < question.getNumAnswers() ? question.getAnswer(index) : wxString());
        }
        wxString letters;
        for (unsigned index = 0; index < question.getNumAnswers(); ++index)
        {
            if (CItemMapper::exportWeight(question, index) > 0)
            {
                letters += (letters.empty() ? "" : ",") + CItemMapper::letter(index);
            }
        }
        fields.push_back(letters);
        fields.push_back(question.getReferenceText());
        text += line(fields);
    }
    return text;
}
