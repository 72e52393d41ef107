#include "interchange/QuestionExporter.h"

#include "external/data/AssessmentMgr.h"
#include "external/data/FileBytes.h"
#include "interchange/BankFile.h"
#include "interchange/BankFormats.h"
#include "interchange/CsvFormat.h"
#include "interchange/GiftFormat.h"
#include "interchange/ItemMapper.h"
#include "interchange/MoodleXmlFormat.h"
#include "interchange/QtiFormat.h"
#include "interchange/QuestionImporter.h"

#include <wx/filename.h>
#include <wx/intl.h>

namespace
{

bool isQti(CQuestionExporter::eFormat format)
{
    return format == CQuestionExporter::eQti21 || format == CQuestionExporter::eQti30;
}

// The fields in which two questions differ, by the names an author knows.
wxArrayString differences(const CQuestionData& a, const CQuestionData& b)
{
    wxArrayString fields;
    if (a.getQuestion() != b.getQuestion())
    {
        fields.Add(_("question text"));
    }
    if (a.getNumAnswers() != b.getNumAnswers())
    {
        fields.Add(_("number of answers"));
    }
    for (unsigned index = 0; index < std::min(a.getNumAnswers(), b.getNumAnswers()); ++index)
    {
        if (a.getAnswer(index) != b.getAnswer(index))
        {
            fields.Add(wxString::Format(_("answer %s"), CItemMapper::letter(index)));
        }
    }
    if (a.getCategoryType() != b.getCategoryType())
    {
        fields.Add(_("category"));
    }
    wxArrayInt rightA;
    wxArrayInt rightB;
    a.getCorrectAnswerIndexes(&rightA);
    b.getCorrectAnswerIndexes(&rightB);
    if (rightA != rightB)
    {
        fields.Add(_("correct answers"));
    }
    if (a.getReferenceText() != b.getReferenceText())
    {
        fields.Add(_("reference text"));
    }
    return fields;
}

} // namespace

CQuestionExporter::CQuestionExporter(CImportReport* report) : m_report(report)
{
}

bool CQuestionExporter::parseFormat(const wxString& name, eFormat* format)
{
    const CBankFormats::SFormat* found = CBankFormats::find(name);
    if (found == nullptr || !found->m_written)
    {
        return false;
    }
    *format = found->m_writer;
    return true;
}

wxString CQuestionExporter::formatKey(eFormat format)
{
    return CBankFormats::written(format).m_word;
}

wxString CQuestionExporter::formatLabel(eFormat format)
{
    return wxGetTranslation(CBankFormats::written(format).m_label);
}

wxString CQuestionExporter::extension(eFormat format)
{
    return CBankFormats::written(format).m_extension;
}

std::vector<CExportItem> CQuestionExporter::collect(CAssessmentMgr* assessment, std::vector<size_t>* entries)
{
    std::vector<CExportItem> items;
    for (unsigned index = 0; index < assessment->getCount(); ++index)
    {
        const CQuestionData* question = assessment->getQuestionDataMgr()->getQuestionDataForID(
            assessment->getDataAtIndex(index)->m_questionID);
        CItemSource source(wxString(), 0, wxString::Format(_("entry %u"), index + 1));
        source.m_title = question ? wxFileName(question->getFileNameReference()).GetName() : wxString();
        if (source.m_title.empty())
        {
            source.m_title = wxString::Format(_("Question %u"), index + 1);
        }
        if (question == nullptr)
        {
            m_report->add(CImportReport::eRefused, source, _("the entry names no question"));
        }
        else if (question->getNumAnswers() == 0)
        {
            m_report->add(CImportReport::eRefused, source, _("it has no answers"));
        }
        else if (!CItemMapper::hasCorrectAnswer(*question))
        {
            m_report->add(CImportReport::eRefused, source, _("it has no correct answer"));
        }
        else
        {
            items.push_back(CExportItem{question, source.m_title, wxString::Format("item-%03u", index + 1)});
            entries->push_back(m_report->add(CImportReport::eImported, source));
        }
    }
    return items;
}

bool CQuestionExporter::writeFiles(const std::vector<CExportItem>& items, eFormat format,
                                   const wxString& path, std::vector<std::string>* outputs, wxString* error)
{
    if (!isQti(format))
    {
        if (format == eGift)
        {
            outputs->push_back(CGiftFormat::write(items).utf8_string());
        }
        else if (format == eMoodleXml)
        {
            outputs->push_back(CMoodleXmlFormat::write(items));
        }
        else
        {
            outputs->push_back(CCsvFormat::write(items).utf8_string());
        }
        return CFileBytes::replace(path, outputs->front(), error);
    }
    const CQtiFormat::eVersion version = format == eQti21 ? CQtiFormat::eQti21 : CQtiFormat::eQti30;
    if (!CBankFile::makeFolder(path))
    {
        *error = _("the folder cannot be created");
        return false;
    }
    for (const CExportItem& item : items)
    {
        outputs->push_back(CQtiFormat::writeItem(item, version));
        if (!CFileBytes::replace(wxFileName(path, CQtiFormat::fileName(item)).GetFullPath(), outputs->back(),
                                 error))
        {
            return false;
        }
    }
    return CFileBytes::replace(wxFileName(path, "imsmanifest.xml").GetFullPath(),
                               CQtiFormat::writeManifest(items, version), error);
}

void CQuestionExporter::checkReadBack(const std::vector<CExportItem>& items,
                                      const std::vector<size_t>& entries, eFormat format,
                                      const std::vector<std::string>& outputs)
{
    CImportReport scratch;
    std::vector<CBankItem> readBack;
    for (const std::string& output : outputs)
    {
        CQuestionImporter::readItems(output, CBankFormats::written(format).m_reader, wxString(), &readBack,
                                     &scratch);
    }
    for (size_t index = 0; index < items.size(); ++index)
    {
        CQuestionData question;
        wxArrayString changes;
        wxString why;
        if (index >= readBack.size() || !CItemMapper::toQuestion(readBack[index], &question, &changes, &why))
        {
            m_report->addChange(
                entries[index],
                why.empty()
                    ? wxString::Format(_("it does not read back from %s"), formatLabel(format))
                    : wxString::Format(_("it does not read back from %s: %s"), formatLabel(format), why));
            continue;
        }
        const wxArrayString fields = differences(*items[index].m_question, question);
        if (!fields.empty())
        {
            wxString names;
            for (const wxString& field : fields)
            {
                names += (names.empty() ? "" : ", ") + field;
            }
            m_report->addChange(entries[index], wxString::Format(_("%s does not keep exactly: %s"),
                                                                 formatLabel(format), names));
        }
    }
}

bool CQuestionExporter::write(CAssessmentMgr* assessment, eFormat format, const wxString& path)
{
    std::vector<size_t> entries;
    const std::vector<CExportItem> items = collect(assessment, &entries);
    if (items.empty())
    {
        m_report->add(CImportReport::eNotice, CItemSource(path, 0),
                      _("no question to write: nothing written"));
        return false;
    }
    std::vector<std::string> outputs;
    wxString error;
    if (!writeFiles(items, format, path, &outputs, &error))
    {
        for (size_t entry : entries)
        {
            m_report->refuse(entry, wxString::Format(_("not written: %s: %s"), path, error));
        }
        return false;
    }
    checkReadBack(items, entries, format, outputs);
    return true;
}
