// The one table of formats as the file dialogs and the command line see it:
// each filter of a dialog stands for the format it names.

#include "tests/support/WxTest.h"

#include "interchange/BankFormats.h"

#include <wx/tokenzr.h>

namespace
{
// The labels of a dialog's filters ("GIFT (*.gift;*.txt)|*.gift;*.txt|...").
std::vector<wxString> filterLabels(const wxString& filters)
{
    const wxArrayString parts = wxSplit(filters, '|', '\0');
    std::vector<wxString> labels;
    for (size_t index = 0; index < parts.size(); index += 2)
        labels.push_back(parts[index]);
    return labels;
}
} // namespace

TEST(BankFormats, EachImportFilterReadsTheFormatItNames)
{
    const std::vector<wxString> labels = filterLabels(CBankFormats::importFilters());
    const std::vector<wxString> expected = {"Question banks (*.gift;*.txt;*.xml;*.zip;*.csv)",
                                            "GIFT (*.gift;*.txt)",
                                            "Moodle XML (*.xml)",
                                            "QTI item or package (*.xml;*.zip)",
                                            "Aiken (*.txt)",
                                            "CSV (*.csv)",
                                            "All files (*)"};
    EXPECT_EQ(labels, expected);
    const CQuestionImporter::eFormat formats[] = {CQuestionImporter::eDetect,    CQuestionImporter::eGift,
                                                  CQuestionImporter::eMoodleXml, CQuestionImporter::eQti,
                                                  CQuestionImporter::eAiken,     CQuestionImporter::eCsv,
                                                  CQuestionImporter::eDetect};
    for (int index = 0; index < static_cast<int>(WXSIZEOF(formats)); ++index)
        EXPECT_EQ(CBankFormats::importFilterFormat(index), formats[index]) << labels[index];
}

TEST(BankFormats, EachExportFilterAndWordWritesItsFormat)
{
    EXPECT_EQ(filterLabels(CBankFormats::exportFilters()),
              (std::vector<wxString>{"GIFT (*.gift)", "Moodle XML (*.xml)", "QTI 2.1 package (a folder)",
                                     "QTI 3.0 package (a folder)", "CSV (*.csv)"}));
    const std::vector<const CBankFormats::SFormat*> written = CBankFormats::writtenFormats();
    ASSERT_EQ(written.size(), 5u);
    for (const CBankFormats::SFormat* format : written)
    {
        CQuestionExporter::eFormat parsed = CQuestionExporter::eCsv;
        ASSERT_TRUE(CQuestionExporter::parseFormat(wxString(format->m_word).Upper(), &parsed));
        EXPECT_EQ(parsed, format->m_writer);
    }
    CQuestionExporter::eFormat unused;
    EXPECT_FALSE(CQuestionExporter::parseFormat("aiken", &unused)); // read, never written
}
