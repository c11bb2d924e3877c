#include "UpdateServerProcess.h"

#include "base/DrawCalendar.h"

#include <fstream>
#include <stdexcept>

namespace powerball::testing {

UpdateServerProcess::UpdateServerProcess(const TempFolder& folder,
                                         const std::filesystem::path& draws,
                                         const std::string& today,
                                         const std::vector<std::string>& more,
                                         std::optional<int> openFileLimit) {
    std::vector<std::string> arguments{"--draws", draws.string(), "--port", "0", "--today", today};
    arguments.insert(arguments.end(), more.begin(), more.end());
    std::filesystem::path program = POWERBALL_SERVER;
    if (openFileLimit) {
        arguments.insert(arguments.begin(),
                         {"-c",
                          "ulimit -n " + std::to_string(*openFileLimit) + R"( && exec "$0" "$@")",
                          POWERBALL_SERVER});
        program = "/bin/sh";
    }
    m_process = std::make_unique<BackgroundProcess>(program, arguments, folder.file("server.log"));
    const std::string prefix = "powerball-server: listening on ";
    const std::string line = m_process->waitForLine(prefix);
    if (line.empty())
        throw std::runtime_error("powerball-server did not start: " + m_process->log());
    m_base = line.substr(prefix.size(), line.find(' ', prefix.size()) - prefix.size());
}

std::filesystem::path writeCsv(const TempFolder& folder, const std::string& name,
                               const std::vector<DrawRecord>& records) {
    std::ofstream csv(folder.file(name), std::ios::binary);
    csv << "date,white1,white2,white3,white4,white5,powerball,power_play\n";
    for (const DrawRecord& record : records) {
        const DrawNumbers numbers = record.drawNumbers();
        csv << DrawCalendar::isoDate(DrawCalendar::roundToDay(record.date));
        for (int k = 1; k <= 5; ++k)
            csv << ',' << numbers.white(k);
        csv << ',' << numbers.powerball() << ',' << numbers.powerPlay() << '\n';
    }
    return folder.file(name);
}

} // namespace powerball::testing
