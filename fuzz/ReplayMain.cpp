// Runs a fuzz target's entry point once on every file named on the command
// line or found in a folder named there, without fuzzing: the regression run
// of the corpus and of every crash input found so far, for any compiler.
#include "fuzz/FuzzSupport.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace
{
std::vector<std::filesystem::path> inputsIn(const std::filesystem::path& place)
{
    std::vector<std::filesystem::path> inputs;
    if (std::filesystem::is_directory(place))
    {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(place))
        {
            // README files and dotfiles describe a folder; they are not inputs.
            const std::string name = entry.path().filename().string();
            if (entry.is_regular_file() && name[0] != '.' && name != "README.md")
            {
                inputs.push_back(entry.path());
            }
        }
        std::sort(inputs.begin(), inputs.end());
    }
    else
    {
        inputs.push_back(place);
    }
    return inputs;
}
} // namespace

int main(int argc, char** argv)
{
    int replayed = 0;
    for (int arg = 1; arg < argc; ++arg)
    {
        for (const auto& input : inputsIn(argv[arg]))
        {
            std::ifstream file(input, std::ios::binary);
            if (!file)
            {
                std::fprintf(stderr, "cannot read %s\n", input.c_str());
                return 1;
            }
            const std::vector<char> bytes((std::istreambuf_iterator<char>(file)),
                                          std::istreambuf_iterator<char>());
            std::fprintf(stderr, "replaying %s\n", input.c_str());
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
            ++replayed;
        }
    }
    std::printf("%d inputs replayed\n", replayed);
    return replayed > 0 ? 0 : 1;
}
