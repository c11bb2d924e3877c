#include "ServedFile.h"

#include <algorithm>
#include <ctime>
#include <fstream>
#include <iterator>

namespace powerball::server {

namespace {

bool liesInside(const std::filesystem::path& path, const std::filesystem::path& folder) {
    const std::filesystem::path relative = path.lexically_relative(folder);
    return !relative.empty() && *relative.begin() != "..";
}

} // namespace

bool ServedFile::isSafeName(const std::string& name) {
    const auto allowed = [](unsigned char c) {
        return std::isalnum(c) != 0 || c == '.' || c == '_' || c == '-' || c == ' ';
    };
    return !name.empty() && name.size() <= 255 && name.front() != '.' &&
           std::all_of(name.begin(), name.end(), allowed);
}

std::optional<ServedFile> ServedFile::find(const std::filesystem::path& folder,
                                           const std::string& name) {
    if (!isSafeName(name))
        return std::nullopt;
    std::error_code error;
    // A link is followed only as far as the folder reaches: the real path must lie inside.
    const std::filesystem::path realFolder = std::filesystem::canonical(folder, error);
    if (error)
        return std::nullopt;
    const std::filesystem::path path = std::filesystem::canonical(folder / name, error);
    if (error || !liesInside(path, realFolder) || !std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    const auto writeTime = std::filesystem::last_write_time(path, error);
    std::ifstream input(path, std::ios::binary);
    if (error || !input)
        return std::nullopt;
    ServedFile file;
    file.content.assign(std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>());
    if (input.bad())
        return std::nullopt;
    file.contentType = name.ends_with(".txt") ? "text/plain" : "application/octet-stream";
    file.lastModified = httpDate(std::chrono::file_clock::to_sys(writeTime));
    return file;
}

std::string httpDate(std::chrono::system_clock::time_point time) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(time);
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char text[64];
    std::strftime(text, sizeof text, "%a, %d %b %Y %H:%M:%S GMT", &utc);
    return text;
}

} // namespace powerball::server
