#pragma once

#include "ChildProcess.h"
#include "TempFolder.h"

#include <memory>
#include <string>
#include <vector>

namespace powerball::testing {

// powerball-server started on a free loopback port for one test, its log in the folder.
class UpdateServerProcess {
public:
    UpdateServerProcess(const TempFolder& folder, const std::filesystem::path& draws,
                        const std::string& today, const std::vector<std::string>& more = {});

    const std::string& base() const { return m_base; }
    std::string log() const { return m_process->log(); }

private:
    std::unique_ptr<BackgroundProcess> m_process;
    std::string m_base;
};

// Writes draws as a CSV file in the format of the bundled history.
std::filesystem::path writeCsv(const TempFolder& folder, const std::string& name,
                               const std::vector<DrawRecord>& records);

} // namespace powerball::testing
