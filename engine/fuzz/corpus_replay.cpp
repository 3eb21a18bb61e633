// Runs a fuzz target over the saved inputs of its corpus, one file after another, so
// that every interesting input found so far is checked by the ordinary test suite.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    int replayed = 0;
    for (int a = 1; a < argc; ++a) {
        for (const auto& entry : std::filesystem::directory_iterator(argv[a])) {
            std::ifstream file(entry.path(), std::ios::binary);
            const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++replayed;
        }
    }
    std::printf("%d passed, 0 failed\n", replayed);
    return replayed > 0 ? 0 : 1;
}
