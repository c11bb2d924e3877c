#pragma once

#include "app/WindowGeometry.h"
#include "draws/ResultsFeed.h"
#include "rules/generator/CalculationSettings.h"

#include <string>
#include <string_view>

namespace powerball {

// Where "Ziehungsdaten laden" gets its draws: the update server, asked day by day, or the
// public results file, taken whole.
enum class DrawSource { Server, Feed };

// The fields of the "Internet-Optionen" page and the hidden fields persisted with them.
struct InternetOptions {
    std::string proxyHost;
    std::string proxyPort = "80";
    std::string url = "http://localhost:8765"; // base address of the update server
    bool browser = false;                      // hidden check box "Linkseite aktivieren"
    std::string zweiPreis = "0,50";
    std::string einPreis = "1,00";
    // Fresh settings take the public results file: it works with no server of one's own.
    DrawSource source = DrawSource::Feed;
    std::string feedUrl = std::string(ResultsFeed::kDefaultUrl);

    // The address of `path` ("/scripts/...") on the update server.
    std::string serverAddress(std::string_view path) const {
        std::string base = url;
        while (!base.empty() && base.back() == '/')
            base.pop_back();
        return base + std::string(path);
    }
};

// Everything the settings keep: the generator's options, the internet options, the
// language, the window size and the values carried along unchanged.
struct OptionsState {
    CalculationSettings settings;
    int maxRuns = 100000;
    InternetOptions internet;
    int languageIndex = 2;
    WindowGeometry window;

    // Carried settings: restored and saved unchanged.
    int neuerSchein = 0;
    int tippTop = 39;
    int tippLeft = 47;
    int land = 1;
};

} // namespace powerball
