#pragma once

#include "ChildProcess.h"
#include "TempFolder.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace powerball::testing {

// powerball-server started on a free loopback port for one test, its log in the folder.
// With `openFileLimit` it starts under that limit of open files (soft and hard).
class UpdateServerProcess {
public:
    UpdateServerProcess(const TempFolder& folder, const std::filesystem::path& draws,
                        const std::string& today, const std::vector<std::string>& more = {},
                        std::optional<int> openFileLimit = std::nullopt);

    const std::string& base() const { return m_base; }
    int port() const { return std::stoi(m_base.substr(m_base.rfind(':') + 1)); }
    std::string log() const { return m_process->log(); }
    void signal(int number) const { m_process->signal(number); }
    // Waits (a few seconds at most) for a log line that starts with `prefix`; empty when
    // none came.
    std::string waitForLine(const std::string& prefix) const {
        return m_process->waitForLine(prefix);
    }

private:
    std::unique_ptr<BackgroundProcess> m_process;
    std::string m_base;
};

// Writes draws as a CSV file in the format of the bundled history.
std::filesystem::path writeCsv(const TempFolder& folder, const std::string& name,
                               const std::vector<DrawRecord>& records);

} // namespace powerball::testing
