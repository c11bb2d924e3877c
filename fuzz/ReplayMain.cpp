// Feeds every file of the folders (or the files) named on the command line to the harness
// once, as libFuzzer would: a crash input that is in the corpus stays fixed.

#include "FuzzSupport.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <vector>

namespace {

int replay(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", file.c_str());
        return 1;
    }
    const std::vector<char> content{std::istreambuf_iterator<char>(in),
                                    std::istreambuf_iterator<char>()};
    // A copy of exactly the input's size, so a read past its end is caught by the sanitizers.
    std::vector<std::uint8_t> data(content.begin(), content.end());
    LLVMFuzzerTestOneInput(data.data(), data.size());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    int failures = 0;
    int count = 0;
    for (int k = 1; k < argc; ++k) {
        const std::filesystem::path argument = argv[k];
        std::vector<std::filesystem::path> files;
        if (std::filesystem::is_directory(argument)) {
            for (const auto& entry : std::filesystem::directory_iterator(argument))
                if (entry.is_regular_file())
                    files.push_back(entry.path());
            std::sort(files.begin(), files.end());
        } else {
            files.push_back(argument);
        }
        for (const auto& file : files) {
            failures += replay(file);
            ++count;
        }
    }
    std::printf("replayed %d inputs\n", count);
    return failures == 0 && count > 0 ? 0 : 1;
}
