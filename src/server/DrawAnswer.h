#pragma once

#include "base/DrawCalendar.h"
#include "draws/DrawRecord.h"

#include <optional>
#include <string>
#include <vector>

namespace powerball::server {

struct Answer {
    int status = 200;
    std::string body;
    bool notYetIn = false; // the body is the message that the day's draw is not in yet
};

// The draw day of a request "?Programm=PowerBall&Datum=yyyymmdd", nothing when the query is
// malformed.
std::optional<DayNumber> requestedDay(const std::string& programm, const std::string& datum);

// The answer for one draw day: a line "w1,w2,w3,w4,w5,pb,pp" and CR LF per stored draw of
// that day; for a draw day after the newest draw and not after today a message for the
// user; 404 for any other day.
Answer drawAnswer(const std::vector<DrawRecord>& draws, DayNumber day, DayNumber today);

} // namespace powerball::server
