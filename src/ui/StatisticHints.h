#pragma once

#include "app/stats/StatisticCommands.h"

#include <QString>

namespace powerball::ui {

// The hint of every control that shows a statistic: the chart page's tool bar, the buttons
// of the "Datenbank" page and the small chart buttons beside the options say the same.
QString statisticHint(StatisticKind kind);

} // namespace powerball::ui
