#pragma once

#include "app/WindowGeometry.h"
#include "base/DrawCalendar.h"
#include "base/MessageTable.h"
#include "base/RandomSource.h"
#include "base/RunPhase.h"
#include "draws/DrawHistory.h"
#include "draws/DrawRecord.h"
#include "evaluation/MatchClass.h"
#include "generator/CalculationSettings.h"
#include "generator/GeneratorState.h"
#include "platform/NumberListBoxes.h"
#include "sheet/TipSheet.h"
#include "stats/StatisticChart.h"

#include <array>
#include <filesystem>
#include <functional>
#include <string>

namespace powerball {

// The draw the window shows; every comparison of a tip with a draw is against it.
struct CurrentDraw {
    double date = 0.0;
    DrawNumbers numbers;
};

// The pages of the main window, in tab order.
enum class Page { TipOverview, Calculation, Chart, Database, InternetOptions };

// The fields of the "Internet-Optionen" page and the hidden fields persisted with them.
struct InternetOptions {
    std::string proxyHost;
    std::string proxyPort = "80";
    std::string url = "http://localhost:8765"; // base address of the update server
    bool browser = false;                      // hidden check box "Linkseite aktivieren"
    std::string zweiPreis = "0,50";
    std::string einPreis = "1,00";
};

// What the main window shows and holds. Commands read it when they run and write their
// results back; the faces only present it.
struct AppState {
    // Where the program lives and the files it keeps there.
    std::filesystem::path programFolder;
    std::string drawFileName{DrawHistory::kFileName};
    std::string soundFile = "yippee.wav";

    int maxRuns = 100000;
    bool checkEnabled = false;
    bool generatorRunning = false;
    int languageIndex = 2;

    CurrentDraw currentDraw;
    int drawIndex = 0;

    // The pickers and the two copies that each scan takes of them.
    double startDate = DrawCalendar::kDesignedStartDate;
    double selectedDate = DrawCalendar::kMinimumDate;
    double scanFromDate = DrawCalendar::kDesignedStartDate;
    double scanToDate = DrawCalendar::kMinimumDate;

    Page pageInFront = Page::TipOverview;
    InternetOptions internet;

    RandomSource random;
    TipSheet tips;
    MatchHistogram histogram;
    MessageTable messages;

    // Status bar: panel 0 the update's connection state, panel 1 hints and notes.
    std::array<std::string, 2> status;
    // What start-up has to tell the user (a damaged settings file kept aside, no place to
    // keep the settings): shown once in a box when the window first becomes active, as the
    // first hint in panel 1 would hide it.
    std::string startupNotice;

    std::string databaseDrawText;                // draw label of the "Datenbank" page
    std::string panelDrawText;                   // draw text of the draw panel
    std::string panelCrossSumText = "Quersumme"; // cross-sum label of the draw panel
    std::string ticketNumber;                    // "Losnummer", shown on the draw panel

    // The bar chart of the "Diagramm" page; the last statistic stays until the next one.
    StatisticChart chart;
    // The internet update: while it runs both update buttons are disabled (and "Löschen"
    // and "Eingeben" with them, which would rewrite the file under it) and the stop button
    // "Stoppt das Einlesen" is shown; pressing it asks the update to stop and hides it.
    RunPhase update = RunPhase::Idle;
    bool updateRunning() const { return update != RunPhase::Idle; }
    bool stopButtonVisible() const { return update == RunPhase::Running; }

    // Carried settings: restored and saved unchanged.
    int neuerSchein = 0;
    int tippTop = 39;
    int tippLeft = 47;
    int land = 1;

    // The generator's options, and the window size the settings keep.
    CalculationSettings settings;
    GeneratorState generator;
    // The list dialog lives as long as the program: its ticks and weights stay between
    // uses, and each caller sets up only what it needs.
    NumberListBoxes numberList;
    WindowGeometry window;

    DrawHistory drawHistory() const { return DrawHistory(programFolder / drawFileName); }
    std::filesystem::path soundPath() const { return programFolder / soundFile; }

    // The date picker of the "Datenbank" page refuses dates before its minimum; such a
    // date is ignored. Returns whether the date was taken.
    bool setSelectedDate(double date);

    // Change signal: the faces repaint when a command reports that it changed something.
    std::function<void()> onChanged;
    void changed() const {
        if (onChanged)
            onChanged();
    }
};

} // namespace powerball
