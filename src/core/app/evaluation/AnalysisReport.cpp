#include "app/evaluation/AnalysisReport.h"

#include "base/AtomicFile.h"

namespace powerball::AnalysisReport {

std::filesystem::path write(const AppState& state, const Ports& ports,
                            const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    const std::filesystem::path file = state.programFolder / kFileName;
    saveFileAtomically(file, text);
    ports.desktopShell().open(file.string());
    return file;
}

std::string decimal(const TextFormat& format, double value) {
    return format.amount(value, 2);
}

std::string percent(const TextFormat& format, double chance) {
    if (chance < 0.001)
        return "< " + format.percent(0.1, 1);
    return format.percent(chance * 100.0, 1);
}

} // namespace powerball::AnalysisReport
