// The assessment file reader on arbitrary bytes, in a folder holding question
// files under the names the seeds use: a refused file leaves the assessment
// empty and says why; one that is read writes back to the same text and reads
// back.
#include "fuzz/FuzzSupport.h"

#include "external/data/AssessmentMgr.h"
#include "external/data/AssessmentSerializer.h"

namespace
{
const char kTrueFalse[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<question version=\"1\" category=\"trueFalse\" numAnswers=\"2\">\n"
                          "  <text>The Sun is a star.</text>\n"
                          "  <answer index=\"0\">True</answer>\n"
                          "  <answer index=\"1\">False</answer>\n"
                          "  <correctAnswer index=\"0\"/>\n"
                          "</question>\n";
const char kSingle[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<question version=\"1\" category=\"singleAnswer\" numAnswers=\"3\">\n"
                       "  <text>Which planet is closest to the Sun?</text>\n"
                       "  <answer index=\"0\">Venus</answer>\n"
                       "  <answer index=\"1\">Mercury</answer>\n"
                       "  <answer index=\"2\">Mars</answer>\n"
                       "  <correctAnswer index=\"1\"/>\n"
                       "  <reference>Chapter 2</reference>\n"
                       "</question>\n";
const char kMultiple[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                         "<question version=\"1\" category=\"multipleAnswers\" numAnswers=\"4\">\n"
                         "  <text>Which are planets?</text>\n"
                         "  <answer index=\"0\">Mercury</answer>\n"
                         "  <answer index=\"1\">Ceres</answer>\n"
                         "  <answer index=\"2\">Venus</answer>\n"
                         "  <answer index=\"3\">Pluto</answer>\n"
                         "  <correctAnswer index=\"0\"/>\n"
                         "  <correctAnswer index=\"2\"/>\n"
                         "</question>\n";

// The question files the seeds name: the sample's ten, and three short ones.
const wxString& assessmentFolder()
{
    static const wxString folder = []
    {
        const wxString place = evfuzz::scratchFolder() + "/assessment";
        const char* const names[] = {
            "01-the-sun",        "02-closest-planet",  "03-sunlight", "04-largest-planet", "05-rings",
            "06-hottest-planet", "07-farthest-planet", "08-no-moons", "09-day-on-mars",    "10-planets"};
        const char* const contents[] = {kTrueFalse, kSingle, kMultiple};
        for (size_t index = 0; index < std::size(names); ++index)
        {
            evfuzz::writeText(place + "/questions/" + names[index] + ".itm", contents[index % 3]);
        }
        for (size_t index = 0; index < 3; ++index)
        {
            evfuzz::writeText(place + wxString::Format("/q%zu.itm", index + 1), contents[index]);
        }
        return place;
    }();
    return folder;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const wxString folder = assessmentFolder();
    const wxString input = folder + "/input.eva";
    evfuzz::writeBytes(input, data, size);

    CAssessmentMgr assessment;
    CAssessmentSerializer reader(&assessment, input);
    if (!reader.load())
    {
        if (reader.getLastError().empty() || assessment.getCount() != 0 ||
            assessment.getQuestionDataMgr()->getCount() != 0)
        {
            evfuzz::invariantBroken("a refused assessment file gave no reason or changed the assessment");
        }
        return 0;
    }

    // Written beside the input, so that relative question paths stay the same.
    const wxString copy = folder + "/copy.eva";
    CAssessmentSerializer writer(&assessment, copy);
    if (!writer.store())
    {
        evfuzz::invariantBroken("an assessment that was read cannot be written");
    }
    CAssessmentMgr again;
    CAssessmentSerializer rereader(&again, copy);
    if (!rereader.load())
    {
        evfuzz::invariantBroken("an assessment file we wrote cannot be read");
    }
    if (CAssessmentSerializer::toText(again, copy) != CAssessmentSerializer::toText(assessment, copy))
    {
        evfuzz::invariantBroken("an assessment changed on its way through a file");
    }
    return 0;
}
