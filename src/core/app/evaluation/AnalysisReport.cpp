#include "app/evaluation/AnalysisReport.h"

#include "base/AtomicFile.h"

#include <algorithm>
#include <cstdio>

namespace powerball::AnalysisReport {

namespace {

std::string withComma(std::string text) {
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

} // namespace

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

std::string decimal(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    return withComma(buffer);
}

std::string percent(double chance) {
    if (chance < 0.001)
        return "< 0,1 %";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.1f %%", chance * 100.0);
    return withComma(buffer);
}

} // namespace powerball::AnalysisReport
