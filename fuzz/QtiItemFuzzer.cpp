// The QTI item reader (2.1 and 3.0) on arbitrary bytes; what must hold is in BankFuzzer.h.
#include "fuzz/BankFuzzer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return evfuzz::fuzzBank(data, size, CQuestionImporter::eQti, CQuestionExporter::eQti30);
}
