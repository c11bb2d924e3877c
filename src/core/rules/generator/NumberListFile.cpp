#include "rules/generator/NumberListFile.h"

#include "base/FileReading.h"
#include "base/TextDecoding.h"

#include <cerrno>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

namespace powerball {

namespace {

// Far more than 69 numbers with their weights ever take.
constexpr std::size_t kMaxListBytes = 1024 * 1024;

[[noreturn]] void fail(const std::filesystem::path& file) {
    throw std::system_error(errno ? errno : EIO, std::generic_category(), file.string());
}

} // namespace

void NumberListFile::save(const std::filesystem::path& file, NumberListBoxes& boxes) {
    errno = 0;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out)
        fail(file);
    std::string text;
    for (int n = 1; n <= NumberListBoxes::kHighest; ++n) {
        if (boxes.isTicked(n)) {
            if (boxes.weight(n).empty())
                boxes.setWeight(n, "1");
            text += boxes.weight(n);
        }
        text += "\r\n";
    }
    // A first weight that begins with U+FEFF would read back as a byte-order mark and be
    // lost; a mark in front keeps it.
    if (text.starts_with("\xEF\xBB\xBF"))
        text.insert(0, "\xEF\xBB\xBF");
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out)
        fail(file);
}

void NumberListFile::load(const std::filesystem::path& file, NumberListBoxes& boxes) {
    // A FIFO or a device in the list's place is refused at once instead of blocking.
    const std::string text = TextDecoding::toUtf8(readFileBytes(file, kMaxListBytes));

    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        std::string line =
            text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    NumberListBoxes loaded = boxes;
    for (int n = 1; n <= NumberListBoxes::kHighest; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        const std::string line = i < lines.size() ? lines[i] : std::string();
        loaded.setTicked(n, !line.empty());
        loaded.setWeight(n, line.empty() ? std::string("1") : line);
    }
    boxes = std::move(loaded);
}

} // namespace powerball
