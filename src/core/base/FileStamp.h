#pragma once

#include <cstdint>
#include <filesystem>

namespace powerball {

// What tells a reader that a file changed since it last read it: whether it exists, its
// size and its modification time. The generator's history snapshot and the update server's
// draws both read their file again when its stamp moves.
struct FileStamp {
    bool exists = false;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified{};

    // The stamp as the file stands now; a file that cannot be looked at counts as missing.
    static FileStamp of(const std::filesystem::path& file) {
        std::error_code error;
        FileStamp stamp;
        stamp.size = std::filesystem::file_size(file, error);
        if (error)
            return {};
        stamp.modified = std::filesystem::last_write_time(file, error);
        if (error)
            return {};
        stamp.exists = true;
        return stamp;
    }

    bool operator==(const FileStamp&) const = default;
};

} // namespace powerball
