#include "JsonOutput.h"

namespace powerball::cli {

namespace {

const char* colorName(FieldColor color) {
    switch (color) {
    case FieldColor::Lime:
        return "#00ff00";
    case FieldColor::Red:
        return "#ff0000";
    case FieldColor::Window:
        break;
    }
    return "window";
}

Json numbersJson(double date, const DrawNumbers& numbers) {
    Json white = Json::array();
    for (int k = 1; k <= 5; ++k)
        white.push_back(numbers.white(k));
    return {{"date", isoDay(date)},
            {"white", white},
            {"powerball", numbers.powerball()},
            {"power_play", numbers.powerPlay()}};
}

} // namespace

std::string isoDay(double date) {
    return DrawCalendar::isoDate(DrawCalendar::roundToDay(date));
}

Json drawJson(const DrawRecord& record, int index) {
    Json draw = {{"index", index}};
    draw.update(numbersJson(record.date, record.drawNumbers()));
    return draw;
}

Json currentDrawJson(const AppState& state) {
    Json draw = numbersJson(state.currentDraw.date, state.currentDraw.numbers);
    Json ordered = {{"date", draw["date"]}, {"index", state.drawIndex}};
    for (const char* key : {"white", "powerball", "power_play"})
        ordered[key] = draw[key];
    return ordered;
}

Json tipRowsJson(const AppState& state) {
    Json rows = Json::array();
    for (int r = 0; r < TipSheet::kRowCount; ++r) {
        const TipRow& row = state.tips.row(r);
        Json colors = Json::array();
        for (FieldColor color : row.colors)
            colors.push_back(colorName(color));
        rows.push_back({{"fields", row.fields},
                        {"field_colors", colors},
                        {"hit_text", row.hitText},
                        {"hit_color", row.hitColor == HitColor::Red ? "#ff0000" : "#000000"},
                        {"cross_sum_text", row.crossSumText}});
    }
    return rows;
}

Json histogramJson(const MatchHistogram& histogram) {
    Json without = Json::array();
    Json with = Json::array();
    for (int hits = 0; hits <= 5; ++hits) {
        without.push_back(histogram.count(hits, false));
        with.push_back(histogram.count(hits, true));
    }
    return {{"without_pb", without}, {"with_pb", with}};
}

} // namespace powerball::cli
