#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

namespace powerball::server {

// A file that the server hands out from one of its folders, found by the last segment of
// the request path. Only plain names are looked up: letters, digits, '.', '_', '-' and
// spaces, not starting with a dot, so no request can reach outside the folder; and only
// regular files whose real path lies inside the folder, so no link leads out of it.
struct ServedFile {
    std::string content;
    std::string contentType;
    std::string lastModified; // HTTP date of the file's last change

    static bool isSafeName(const std::string& name);
    static std::optional<ServedFile> find(const std::filesystem::path& folder,
                                          const std::string& name);
};

std::string httpDate(std::chrono::system_clock::time_point time);

} // namespace powerball::server
