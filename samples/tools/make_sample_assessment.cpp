// Writes the bundled sample assessment, "The Solar System", with the data
// library's own serializer:
//
//     make_sample_assessment [FOLDER]      (default: samples/sample)
//
// FOLDER/solar-system.eva names ten question files in FOLDER/questions and the
// thirteen pictures in FOLDER/pictures (made by make_sample_pictures), all by
// paths relative to FOLDER, so that the sample can be copied anywhere whole.

#include "external/data/AssessmentMgr.h"
#include "external/data/AssessmentSerializer.h"

#include <wx/filename.h>
#include <wx/init.h>

#include <cstdio>
#include <initializer_list>
#include <vector>

namespace
{

struct SQuestion
{
    const char* file;
    CQuestionData::eCategoryType category;
    const char* question;
    std::vector<const char*> answers;
    std::vector<int> correct;
    const char* reference;
};

// Easy first, the ten-answer question last.
const std::vector<SQuestion> kQuestions = {
    {"01-the-sun.itm",
     CQuestionData::eTrueFalse,
     "The Sun is a star.",
     {"True", "False"},
     {0},
     "The Sun is a yellow dwarf, an ordinary star of the main sequence. It holds 99.8 percent of the mass "
     "of the solar system and is about 109 times as wide as the Earth."},
    {"02-closest-planet.itm",
     CQuestionData::eSingleAnswer,
     "Which planet is closest to the Sun?",
     {"Venus", "Mercury", "Earth", "Mars"},
     {1},
     "Mercury circles the Sun at an average of 58 million kilometres, once every 88 days."},
    {"03-sunlight.itm",
     CQuestionData::eSingleAnswer,
     "How long does sunlight take to reach the Earth?",
     {"About 8 seconds", "About 8 minutes", "About 8 hours"},
     {1},
     "Light crosses the 150 million kilometres from the Sun to the Earth in about 8 minutes and 20 "
     "seconds."},
    {"04-largest-planet.itm",
     CQuestionData::eSingleAnswer,
     "Which is the largest planet of the solar system?",
     {"Saturn", "Neptune", "Jupiter", "Uranus", "Earth"},
     {2},
     "Jupiter is more than twice as massive as all the other planets together; eleven Earths would fit "
     "across its face."},
    {"05-rings.itm",
     CQuestionData::eMultipleAnswers,
     "Which of these planets have rings?",
     {"Jupiter", "Mars", "Saturn", "Uranus", "Neptune"},
     {0, 2, 3, 4},
     "All four giant planets have rings. Saturn's are bright ice and easy to see; those of Jupiter, Uranus "
     "and Neptune are dark and faint. Mars has none."},
    {"06-hottest-planet.itm",
     CQuestionData::eTrueFalse,
     "Venus is the hottest planet, although Mercury is closer to the Sun.",
     {"True", "False"},
     {0},
     "The thick carbon dioxide air of Venus traps the Sun's heat: its surface stays near 465 degrees "
     "Celsius, day and night, hotter than the day side of Mercury."},
    {"07-farthest-planet.itm",
     CQuestionData::eSingleAnswer,
     "Which of these two planets is farther from the Sun?",
     {"Uranus", "Neptune"},
     {1},
     "Neptune, the eighth planet, orbits about 4.5 billion kilometres from the Sun; Uranus about 2.9 "
     "billion."},
    {"08-no-moons.itm",
     CQuestionData::eMultipleAnswers,
     "Which planets have no moon at all?",
     {"Mercury", "Venus", "Earth", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune"},
     {0, 1},
     "Only Mercury and Venus have no moon. The Earth has one, Mars two, and the giant planets have dozens "
     "each."},
    {"09-day-on-mars.itm",
     CQuestionData::eTrueFalse,
     "A day on Mars lasts about as long as a day on Earth.",
     {"True", "False"},
     {0},
     "Mars turns once in 24 hours and 37 minutes, only a little longer than the Earth."},
    {"10-planets.itm",
     CQuestionData::eMultipleAnswers,
     "Which of these bodies are planets of the solar system?",
     {"Mercury", "Ceres", "Venus", "Pluto", "Earth", "The Moon", "Mars", "Titan", "Jupiter", "Neptune"},
     {0, 2, 4, 6, 8, 9},
     "The solar system has eight planets: Mercury, Venus, Earth, Mars, Jupiter, Saturn, Uranus and Neptune. "
     "Ceres and Pluto are dwarf planets; the Moon and Titan are moons of the Earth and of Saturn."},
};

struct SPicture
{
    CEVImageSelections::imageID id;
    const char* file;
};

const SPicture kPictures[] = {
    {CEVImageSelections::eQuestionBackground, "pictures/question-background.jpg"},
    {CEVImageSelections::eAnswerButtonCold, "pictures/answer-cold.jpg"},
    {CEVImageSelections::eAnswerButtonHot, "pictures/answer-hot.jpg"},
    {CEVImageSelections::eAnswerButtonChecked, "pictures/answer-checked.jpg"},
    {CEVImageSelections::ePreviousCold, "pictures/previous-cold.jpg"},
    {CEVImageSelections::ePreviousHot, "pictures/previous-hot.jpg"},
    {CEVImageSelections::eNextCold, "pictures/next-cold.jpg"},
    {CEVImageSelections::eNextHot, "pictures/next-hot.jpg"},
    {CEVImageSelections::eSubmitCold, "pictures/submit-cold.jpg"},
    {CEVImageSelections::eSubmitHot, "pictures/submit-hot.jpg"},
    {CEVImageSelections::eAnswersSubmittalBackground, "pictures/submit-background.jpg"},
    {CEVImageSelections::eReviewBackground, "pictures/review-background.jpg"},
    {CEVImageSelections::eCongratulationsBackground, "pictures/congratulations-background.jpg"},
};

CQuestionData makeQuestion(const SQuestion& source, const wxString& folder)
{
    CQuestionData question;
    question.setCategoryType(source.category);
    question.setQuestion(source.question);
    question.setNumAnswers(int(source.answers.size()));
    for (unsigned i = 0; i < source.answers.size(); ++i)
        question.setAnswer(i, source.answers[i]);
    wxArrayInt correct;
    for (int index : source.correct)
        correct.Add(index);
    question.setCorrectAnswerIndexes(&correct);
    question.setReferenceText(source.reference);
    question.setFileNameReference(wxFileName(folder + "/questions", source.file).GetFullPath());
    return question;
}

void setAttributes(CEVAttributes& attributes)
{
    // A warm white that reads well on the pictures' night blue.
    CEVFontInfo* font = attributes.getFontInfo();
    font->setFontFaceName("DejaVu Sans");
    font->setFontSize(20);
    font->setStyle(false, false, false);
    font->setFontColour(wxColour(246, 243, 232));
    for (const SPicture& picture : kPictures)
        attributes.getImageSelections()->getImageSelectionsInfoFor(picture.id)->setRelativePath(picture.file);
}

bool writeSample(const wxString& folder)
{
    const wxString questions = folder + "/questions";
    if (!wxFileName::DirExists(questions) &&
        !wxFileName::Mkdir(questions, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL))
    {
        fprintf(stderr, "make_sample_assessment: cannot create %s\n", questions.utf8_string().c_str());
        return false;
    }
    CAssessmentMgr assessment;
    setAttributes(*assessment.getAttributes());
    for (const SQuestion& source : kQuestions)
    {
        CQuestionData question = makeQuestion(source, folder);
        CAssessmentMgrData entry(assessment.getQuestionDataMgr()->addQuestion(question));
        assessment.addData(entry);
    }
    const wxString path = wxFileName(folder, "solar-system.eva").GetFullPath();
    CAssessmentSerializer writer(&assessment, path);
    if (!writer.storeWithQuestions())
    {
        fprintf(stderr, "make_sample_assessment: %s\n", writer.getLastError().utf8_string().c_str());
        return false;
    }
    printf("%s\n", path.utf8_string().c_str());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    wxInitializer initializer(argc, argv);
    if (!initializer.IsOk())
        return 1;
    wxFileName folder = wxFileName::DirName(argc > 1 ? wxString(argv[1]) : wxString("samples/sample"));
    folder.MakeAbsolute();
    return writeSample(folder.GetPath()) ? 0 : 1;
}
