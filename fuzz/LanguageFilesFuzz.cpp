// The caption index, language and message files: any file reads as lines of valid UTF-8
// without line breaks, each at most 4096 characters, and the caption index built from them
// has a record per five lines with names trimmed of blanks and control characters. Reading
// only the first lines gives that many and says whether more follow.

#include "FuzzSupport.h"

#include "base/TextDecoding.h"
#include "rules/language/LanguageFiles.h"

namespace {

std::size_t characters(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return count;
}

bool trimmedName(const std::string& name) {
    return name.empty() || (static_cast<unsigned char>(name.front()) > ' ' &&
                            static_cast<unsigned char>(name.back()) > ' ');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace powerball;
    namespace lf = LanguageFiles;
    const auto file = fuzz::writeScratch("Power_xx.txt", fuzz::bytes(data, size));
    const std::vector<std::string> lines = lf::readLines(file, 1 << 16).lines;
    const std::size_t half = lines.size() / 2;
    const lf::FileLines first = lf::readLines(file, half);
    FUZZ_CHECK(first.lines.size() == half);
    FUZZ_CHECK(first.more == (lines.size() > half));
    for (const std::string& line : lines) {
        FUZZ_CHECK(TextDecoding::isValidUtf8(line));
        FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
        FUZZ_CHECK(characters(line) <= lf::kMaxLineCharacters);
    }

    const std::vector<lf::CaptionRecord> records = lf::captionRecords(lines);
    FUZZ_CHECK(records.size() == (lines.size() + lf::kRecordLines - 1) / lf::kRecordLines);
    for (const lf::CaptionRecord& record : records)
        FUZZ_CHECK(trimmedName(record.window) && trimmedName(record.control));

    if (!records.empty()) {
        lf::CaptionMatcher matcher(records);
        const auto found = matcher.match(records.front().window, records.front().control);
        FUZZ_CHECK(found && *found == 0);
        FUZZ_CHECK(matcher.firstRecordOf(records.back().window).has_value());
    }
    return 0;
}
