// The zip package reader on arbitrary bytes: a package either unpacks within
// its limits (no absolute or climbing names, no more files or bytes than
// allowed, nothing but bank files) or is refused with its reason; what is
// read from it holds as BankFuzzer.h says.
#include "fuzz/BankFuzzer.h"

#include "interchange/BankPackage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    CImportReport report;
    std::vector<CBankPackage::SMember> members;
    const bool unpacked = CBankPackage::unpack(bytes, "bank.zip", &members, &report);
    if (!unpacked && (!members.empty() || !report.hasRefusals()))
    {
        evfuzz::invariantBroken("a refused package gave files, or no reason");
    }
    unsigned long long total = 0;
    for (const CBankPackage::SMember& member : members)
    {
        total += member.m_bytes.size();
        if (member.m_name.StartsWith("/") || member.m_name.Contains("../") || member.m_name.EndsWith("..") ||
            !CBankPackage::isBankName(member.m_name))
        {
            evfuzz::invariantBroken("a package gave a file it should have refused or left packed");
        }
    }
    if (members.size() > CBankPackage::kMaxFiles || total > CBankPackage::kMaxUnpackedBytes)
    {
        evfuzz::invariantBroken("a package gave more than its limits allow");
    }
    return evfuzz::fuzzBank(data, size, CQuestionImporter::eDetect, CQuestionExporter::eQti21);
}
