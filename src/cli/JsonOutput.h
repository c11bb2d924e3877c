#pragma once

#include "app/AppState.h"

#include <nlohmann/json.hpp>

namespace powerball::cli {

using Json = nlohmann::ordered_json;

Json drawJson(const DrawRecord& record, int index);
Json currentDrawJson(const AppState& state);
Json tipRowsJson(const AppState& state);
Json histogramJson(const MatchHistogram& histogram);
std::string isoDay(double date);

} // namespace powerball::cli
