// The Moodle XML reader on arbitrary bytes; what must hold is in BankFuzzer.h.
#include "fuzz/BankFuzzer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return evfuzz::fuzzBank(data, size, CQuestionImporter::eMoodleXml, CQuestionExporter::eMoodleXml);
}
