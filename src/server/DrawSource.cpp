#include "DrawSource.h"

#include "draws/DrawHistory.h"
#include "draws/DrawImport.h"

#include <algorithm>
#include <iostream>

namespace powerball::server {

namespace {

bool isCsv(const std::filesystem::path& file) {
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".csv";
}

} // namespace

DrawSource::DrawSource(std::filesystem::path file) : m_file(std::move(file)) {
    m_stamp = FileStamp::of(m_file);
    m_draws = read();
}

DrawSource::Draws DrawSource::read() const {
    auto draws = std::make_shared<std::vector<DrawRecord>>(
        isCsv(m_file) ? readDrawCsv(m_file) : DrawHistory(m_file).readAll());
    std::stable_sort(draws->begin(), draws->end(),
                     [](const DrawRecord& a, const DrawRecord& b) { return a.date < b.date; });
    return draws;
}

DrawSource::Draws DrawSource::current() {
    const std::lock_guard lock(m_mutex);
    // A file that cannot be looked at right now keeps the draws read before.
    const FileStamp stamp = FileStamp::of(m_file);
    if (stamp.exists && stamp != m_stamp) {
        try {
            m_draws = read();
            m_stamp = stamp;
        } catch (const std::exception& failure) {
            std::cerr << "powerball-server: keeping the draws read before: " << failure.what()
                      << std::endl;
        }
    }
    return m_draws;
}

} // namespace powerball::server
