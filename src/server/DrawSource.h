#pragma once

#include "base/FileStamp.h"
#include "draws/DrawRecord.h"

#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace powerball::server {

// The draws the server answers from: a draw file or a CSV file, read again whenever the
// file changes, so new draws are served without a restart. A file that cannot be read
// keeps the draws read before.
class DrawSource {
public:
    using Draws = std::shared_ptr<const std::vector<DrawRecord>>;

    // Reads the file once; throws when it cannot be read.
    explicit DrawSource(std::filesystem::path file);

    Draws current();

private:
    Draws read() const;

    std::filesystem::path m_file;
    std::mutex m_mutex;
    Draws m_draws;
    FileStamp m_stamp;
};

} // namespace powerball::server
