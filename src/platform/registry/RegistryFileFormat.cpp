#include "platform/registry/RegistryFileFormat.h"

#include "base/TextParsing.h"

#include "base/QuotedExcerpt.h"
#include "base/TextDecoding.h"

#include <cctype>
#include <charconv>
#include <vector>

namespace powerball {

namespace {

constexpr std::string_view kVersion5Header = "Windows Registry Editor Version 5.00";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kHexLineWidth = 76;

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           MemoryRegistryStore::sameName(text.substr(0, prefix.size()), prefix);
}

struct Line {
    std::string text;
    int number;
};

// Splits the text into lines and joins the continuation lines of long hex values, which end
// in a backslash.
std::vector<Line> logicalLines(std::string_view text) {
    std::vector<Line> lines;
    int number = 0;
    bool continues = false;
    for (const std::string_view line : splitLines(text)) {
        ++number;
        const std::string_view content = continues ? trimmed(line) : line;
        if (continues)
            lines.back().text += content;
        else
            lines.push_back({std::string(content), number});
        continues = !trimmed(content).empty() && trimmed(content).back() == '\\';
        if (continues) {
            std::string& joined = lines.back().text;
            joined.resize(joined.find_last_of('\\'));
        }
    }
    return lines;
}

// Reads the quoted string at the start of `text` and leaves `text` after its closing quote.
std::string quoted(std::string_view& text, int line) {
    std::string out;
    std::size_t k = 1;
    for (; k < text.size() && text[k] != '"'; ++k) {
        if (text[k] == '\\') {
            if (++k == text.size() || (text[k] != '\\' && text[k] != '"'))
                throw RegistryFormatError(line, "a backslash in a string must be doubled");
        }
        out += text[k];
    }
    if (k == text.size())
        throw RegistryFormatError(line, "a string has no closing quote");
    text.remove_prefix(k + 1);
    return out;
}

std::vector<std::uint8_t> hexBytes(std::string_view text, int line) {
    std::vector<std::uint8_t> bytes;
    text = trimmed(text);
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view token = trimmed(text.substr(0, comma));
        unsigned value = 0;
        const auto [end, error] =
            std::from_chars(token.data(), token.data() + token.size(), value, 16);
        if (token.empty() || token.size() > 2 || error != std::errc{} ||
            end != token.data() + token.size())
            throw RegistryFormatError(line, quotedExcerpt(token) + " is not a hex byte");
        bytes.push_back(static_cast<std::uint8_t>(value));
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
        if (trimmed(text).empty())
            throw RegistryFormatError(line, "a hex list ends in a comma");
    }
    return bytes;
}

RegistryValue valueData(std::string_view text, int line) {
    if (text.starts_with('"')) {
        std::string string = quoted(text, line);
        if (!trimmed(text).empty())
            throw RegistryFormatError(line, "text after the closing quote");
        return {static_cast<std::uint32_t>(RegistryType::String),
                std::vector<std::uint8_t>(string.begin(), string.end())};
    }
    if (startsWithIgnoringCase(text, "dword:")) {
        const std::string_view digits = trimmed(text.substr(6));
        std::uint32_t value = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
        if (digits.empty() || digits.size() > 8 || error != std::errc{} ||
            end != digits.data() + digits.size())
            throw RegistryFormatError(line, "a dword needs one to eight hex digits");
        return {static_cast<std::uint32_t>(RegistryType::Integer),
                {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                 static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)}};
    }
    if (startsWithIgnoringCase(text, "hex:"))
        return {static_cast<std::uint32_t>(RegistryType::Binary), hexBytes(text.substr(4), line)};
    if (startsWithIgnoringCase(text, "hex(")) {
        const std::size_t close = text.find("):");
        std::uint32_t type = 0;
        const char* first = text.data() + 4;
        const char* last = close == std::string_view::npos ? first : text.data() + close;
        const auto [end, error] = std::from_chars(first, last, type, 16);
        if (first == last || error != std::errc{} || end != last)
            throw RegistryFormatError(line, "a hex value needs a type: hex(n):");
        return {type, hexBytes(text.substr(close + 2), line)};
    }
    if (trimmed(text) == "-")
        throw RegistryFormatError(line, "removing values is not supported here");
    throw RegistryFormatError(line, "a value must be a string, dword: or hex:");
}

void parseValueLine(MemoryRegistryStore& content, const std::string* key, std::string_view text,
                    int line) {
    if (!key)
        throw RegistryFormatError(line, "a value before the first [key]");
    std::string name;
    if (text.starts_with('@'))
        text.remove_prefix(1);
    else if (text.starts_with('"'))
        name = quoted(text, line);
    else // read as a quote, its first byte would be lost, maybe half a UTF-8 character
        throw RegistryFormatError(line, "a value name must be quoted or @");
    text = trimmed(text);
    if (!text.starts_with('='))
        throw RegistryFormatError(line, "a value name must be followed by =");
    content.setValue(*key, name, valueData(trimmed(text.substr(1)), line));
}

void appendQuoted(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    out += '"';
}

// Quoted strings carry everything but line breaks and nulls, as long as it is UTF-8.
bool fitsInQuotes(const std::vector<std::uint8_t>& data) {
    const std::string_view text(reinterpret_cast<const char*>(data.data()), data.size());
    return text.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos &&
           TextDecoding::isValidUtf8(text);
}

void appendHex(std::string& out, std::size_t lineStart, const std::vector<std::uint8_t>& data) {
    static constexpr char kDigits[] = "0123456789abcdef";
    for (std::size_t k = 0; k < data.size(); ++k) {
        if (out.size() - lineStart + 3 > kHexLineWidth) {
            out += '\\';
            out += kLineEnd;
            lineStart = out.size();
            out += "  ";
        }
        out += kDigits[data[k] >> 4];
        out += kDigits[data[k] & 0xF];
        if (k + 1 < data.size())
            out += ',';
    }
}

void appendValue(std::string& out, const MemoryRegistryStore::Entry& entry) {
    const std::size_t lineStart = out.size();
    if (entry.name.empty())
        out += '@';
    else
        appendQuoted(out, entry.name);
    out += '=';
    const RegistryValue& value = entry.value;
    if (value.is(RegistryType::String) && fitsInQuotes(value.data)) {
        appendQuoted(out, std::string_view(reinterpret_cast<const char*>(value.data.data()),
                                           value.data.size()));
    } else if (value.is(RegistryType::Integer) && value.data.size() == 4) {
        char digits[9];
        const std::uint32_t number = static_cast<std::uint32_t>(value.data[0]) |
                                     static_cast<std::uint32_t>(value.data[1]) << 8 |
                                     static_cast<std::uint32_t>(value.data[2]) << 16 |
                                     static_cast<std::uint32_t>(value.data[3]) << 24;
        auto [end, error] = std::to_chars(digits, digits + 8, number, 16);
        out += "dword:";
        out.append(8 - static_cast<std::size_t>(end - digits), '0');
        out.append(digits, end);
    } else {
        if (value.is(RegistryType::Binary)) {
            out += "hex:";
        } else {
            char digits[8];
            auto [end, error] = std::to_chars(digits, digits + 8, value.type, 16);
            out += "hex(";
            out.append(digits, end);
            out += "):";
        }
        appendHex(out, lineStart, value.data);
    }
    out += kLineEnd;
}

} // namespace

RegistryFormatError::RegistryFormatError(int line, const std::string& reason)
    : std::runtime_error("line " + std::to_string(line) + ": " + reason), m_line(line) {}

MemoryRegistryStore RegistryFileFormat::parse(std::string_view bytes) {
    std::string text = TextDecoding::toUtf8(bytes);
    // Some editors pad a file with NUL characters at its end; they hold nothing.
    while (!text.empty() && text.back() == '\0')
        text.pop_back();
    MemoryRegistryStore content;
    bool headerSeen = false;
    std::string key;
    bool inKey = false;
    for (const Line& line : logicalLines(text)) {
        const std::string_view body = trimmed(line.text);
        if (body.empty() || body.starts_with(';'))
            continue;
        if (!headerSeen) {
            if (body != kHeader && body != kVersion5Header)
                throw RegistryFormatError(line.number, "not a registry file (no REGEDIT4 line)");
            headerSeen = true;
        } else if (body.starts_with('[')) {
            if (!body.ends_with(']') || body.size() < 3)
                throw RegistryFormatError(line.number, "a key must be written as [name]");
            if (body[1] == '-')
                throw RegistryFormatError(line.number, "removing keys is not supported here");
            key = std::string(body.substr(1, body.size() - 2));
            inKey = true;
            content.createKey(key);
        } else {
            parseValueLine(content, inKey ? &key : nullptr, body, line.number);
        }
    }
    return content;
}

std::string RegistryFileFormat::format(const MemoryRegistryStore& content) {
    std::string out(kHeader);
    out += kLineEnd;
    for (const MemoryRegistryStore::Key& key : content.keys()) {
        out += kLineEnd;
        out += '[';
        out += key.path;
        out += ']';
        out += kLineEnd;
        for (const MemoryRegistryStore::Entry& entry : key.values)
            appendValue(out, entry);
    }
    return out;
}

} // namespace powerball
