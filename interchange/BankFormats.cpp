#include "interchange/BankFormats.h"

#include <wx/intl.h>

#include <set>

namespace
{

const std::vector<CBankFormats::SFormat> kFormats = {
    {"gift", wxTRANSLATE("GIFT"), "*.gift;*.txt", CQuestionImporter::eGift, true, CQuestionExporter::eGift,
     "gift"},
    {"moodle", wxTRANSLATE("Moodle XML"), "*.xml", CQuestionImporter::eMoodleXml, true,
     CQuestionExporter::eMoodleXml, "xml"},
    {"qti21", wxTRANSLATE("QTI 2.1"), "*.xml;*.zip", CQuestionImporter::eQti, true, CQuestionExporter::eQti21,
     ""},
    {"qti30", wxTRANSLATE("QTI 3.0"), "*.xml;*.zip", CQuestionImporter::eQti, true, CQuestionExporter::eQti30,
     ""},
    {"aiken", wxTRANSLATE("Aiken"), "*.txt", CQuestionImporter::eAiken, false, CQuestionExporter::eGift, ""},
    {"csv", wxTRANSLATE("CSV"), "*.csv", CQuestionImporter::eCsv, true, CQuestionExporter::eCsv, "csv"},
};

wxString filter(const wxString& label, const wxString& patterns)
{
    return label + " (" + patterns + ")|" + patterns;
}

// The filters of the import dialog after the first, which reads every bank.
std::vector<const CBankFormats::SFormat*> importChoices()
{
    // QTI 2.1 and 3.0 are read alike: one filter serves both.
    std::vector<const CBankFormats::SFormat*> choices;
    for (const CBankFormats::SFormat& format : kFormats)
    {
        if (format.m_writer != CQuestionExporter::eQti30 || !format.m_written)
        {
            choices.push_back(&format);
        }
    }
    return choices;
}

wxString importLabel(const CBankFormats::SFormat& format)
{
    return format.m_reader == CQuestionImporter::eQti ? _("QTI item or package")
                                                      : wxGetTranslation(format.m_label);
}

} // namespace

const std::vector<CBankFormats::SFormat>& CBankFormats::all()
{
    return kFormats;
}

const CBankFormats::SFormat* CBankFormats::find(const wxString& word)
{
    for (const SFormat& format : kFormats)
    {
        if (word.CmpNoCase(format.m_word) == 0)
        {
            return &format;
        }
    }
    return nullptr;
}

const CBankFormats::SFormat& CBankFormats::written(CQuestionExporter::eFormat writer)
{
    for (const SFormat& format : kFormats)
    {
        if (format.m_written && format.m_writer == writer)
        {
            return format;
        }
    }
    return kFormats.front();
}

std::vector<const CBankFormats::SFormat*> CBankFormats::writtenFormats()
{
    std::vector<const SFormat*> formats;
    for (const SFormat& format : kFormats)
    {
        if (format.m_written)
        {
            formats.push_back(&format);
        }
    }
    return formats;
}

wxString CBankFormats::writtenWords()
{
    const std::vector<const SFormat*> formats = writtenFormats();
    wxString words;
    for (size_t index = 0; index + 1 < formats.size(); ++index)
    {
        words += (index == 0 ? "" : ", ") + wxString(formats[index]->m_word);
    }
    // TRANSLATORS: the last two of a list, such as "gift, moodle or csv"
    return formats.size() < 2 ? words + formats.back()->m_word
                              : wxString::Format(_("%s or %s"), words, formats.back()->m_word);
}

wxString CBankFormats::readLabels()
{
    wxString labels;
    for (const SFormat* format : importChoices())
    {
        labels += (labels.empty() ? "" : ", ") + importLabel(*format) + " (" + format->m_patterns + ")";
    }
    return wxString::Format(_("%s, or a zip of them"), labels);
}

wxString CBankFormats::importFilters()
{
    std::set<wxString> seen;
    wxString every;
    for (const SFormat& format : kFormats)
    {
        for (const wxString& pattern : wxSplit(format.m_patterns, ';'))
        {
            if (seen.insert(pattern).second)
            {
                every += (every.empty() ? "" : ";") + pattern;
            }
        }
    }
    wxString filters = filter(_("Question banks"), every);
    for (const SFormat* format : importChoices())
    {
        filters += "|" + filter(importLabel(*format), format->m_patterns);
    }
    return filters + "|" + filter(_("All files"), "*");
}

CQuestionImporter::eFormat CBankFormats::importFilterFormat(int index)
{
    const std::vector<const SFormat*> choices = importChoices();
    return index >= 1 && index <= static_cast<int>(choices.size()) ? choices[index - 1]->m_reader
                                                                   : CQuestionImporter::eDetect;
}

wxString CBankFormats::exportFilters()
{
    wxString filters;
    for (const SFormat* format : writtenFormats())
    {
        // QTI is written to a folder, which no pattern names.
        const wxString label = wxGetTranslation(format->m_label);
        const wxString filterText = *format->m_extension
                                        ? filter(label, "*." + wxString(format->m_extension))
                                        : wxString::Format(_("%s package (a folder)"), label) + "|*";
        filters += (filters.empty() ? "" : "|") + filterText;
    }
    return filters;
}
