#include "generator/NumberListFile.h"

#include "draws/UpdateAnswer.h"

#include <cerrno>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

namespace powerball {

namespace {

[[noreturn]] void fail(const std::filesystem::path& file) {
    throw std::system_error(errno ? errno : EIO, std::generic_category(), file.string());
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string decodeUtf16(const std::string& bytes, bool bigEndian) {
    std::string out;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto b0 = static_cast<unsigned char>(bytes[i]);
        const auto b1 = static_cast<unsigned char>(bytes[i + 1]);
        char32_t unit = bigEndian ? (b0 << 8 | b1) : (b1 << 8 | b0);
        if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
            const auto c0 = static_cast<unsigned char>(bytes[i + 2]);
            const auto c1 = static_cast<unsigned char>(bytes[i + 3]);
            const char32_t low = bigEndian ? (c0 << 8 | c1) : (c1 << 8 | c0);
            if (low >= 0xDC00 && low < 0xE000) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            } else {
                unit = 0xFFFD;
            }
        } else if (unit >= 0xD800 && unit < 0xE000) {
            unit = 0xFFFD;
        }
        appendUtf8(out, unit);
    }
    return out;
}

} // namespace

std::string NumberListFile::decode(const std::string& bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF"))
        return decodeAnswerText(std::string_view(bytes).substr(3));
    if (bytes.starts_with("\xFF\xFE"))
        return decodeUtf16(bytes.substr(2), false);
    if (bytes.starts_with("\xFE\xFF"))
        return decodeUtf16(bytes.substr(2), true);
    return decodeAnswerText(bytes);
}

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
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out)
        fail(file);
}

void NumberListFile::load(const std::filesystem::path& file, NumberListBoxes& boxes) {
    errno = 0;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        fail(file);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        fail(file);
    const std::string text = decode(bytes);

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
