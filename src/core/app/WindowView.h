#pragma once

#include "base/MessageTable.h"
#include "rules/stats/StatisticChart.h"

#include <array>
#include <string>

namespace powerball {

// The pages of the main window, in tab order.
enum class Page { TipOverview, Calculation, Chart, Database, InternetOptions };

// What the window shows besides the sheet and the draw: the page in front, the status bar,
// the chart and the texts of the message table.
struct WindowView {
    Page pageInFront = Page::TipOverview;
    MessageTable messages;

    // Status bar: panel 0 the update's connection state, panel 1 hints and notes.
    std::array<std::string, 2> status;
    // What start-up has to tell the user (a damaged settings file kept aside, no place to
    // keep the settings): shown once in a box when the window first becomes active, as the
    // first hint in panel 1 would hide it.
    std::string startupNotice;

    // The bar chart of the "Diagramm" page; the last statistic stays until the next one.
    StatisticChart chart;
};

} // namespace powerball
