#include "BenchHistory.h"

#include "draws/DrawHistory.h"
#include "draws/DrawImport.h"

#include <map>

namespace powerball::bench {

const std::filesystem::path& historyFolder(const std::string& name) {
    static std::map<std::string, std::filesystem::path> folders;
    auto known = folders.find(name);
    if (known != folders.end())
        return known->second;
    const auto path = std::filesystem::temp_directory_path() / name;
    std::filesystem::create_directories(path);
    std::filesystem::remove(path / DrawHistory::kFileName);
    importDraws(
        DrawHistory::inFolder(path),
        readDrawCsv(std::filesystem::path(POWERBALL_SOURCE_DIR) / "data" / "powerball-draws.csv"));
    return folders.emplace(name, path).first->second;
}

} // namespace powerball::bench
