// The question file reader on arbitrary bytes: it either refuses the file
// with a reason and leaves the question as it was, or reads a question that
// writes back and reads back the same.
#include "fuzz/FuzzSupport.h"

#include "external/data/QuestionData.h"
#include "external/data/QuestionDataSerializer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const wxString folder = evfuzz::scratchFolder();
    const wxString input = folder + "/input.itm";
    evfuzz::writeBytes(input, data, size);

    CQuestionData question;
    CQuestionDataSerializer reader(&question, input);
    if (!reader.load())
    {
        if (reader.getLastError().empty() || question != CQuestionData())
        {
            evfuzz::invariantBroken("a refused question file gave no reason or changed the question");
        }
        return 0;
    }

    const wxString copy = folder + "/copy.itm";
    CQuestionDataSerializer writer(&question, copy);
    if (!writer.store())
    {
        evfuzz::invariantBroken("a question that was read cannot be written");
    }
    CQuestionData again;
    CQuestionDataSerializer rereader(&again, copy);
    if (!rereader.load())
    {
        evfuzz::invariantBroken("a question file we wrote cannot be read");
    }
    question.setFileNameReference(copy);
    if (again != question)
    {
        evfuzz::invariantBroken("a question changed on its way through a file");
    }
    return 0;
}
