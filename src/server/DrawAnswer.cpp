#include "DrawAnswer.h"

namespace powerball::server {

std::optional<DayNumber> requestedDay(const std::string& programm, const std::string& datum) {
    if (programm != "PowerBall")
        return std::nullopt;
    return DrawCalendar::parseYyyymmdd(datum);
}

Answer drawAnswer(const std::vector<DrawRecord>& draws, DayNumber day, DayNumber today) {
    Answer answer;
    for (const DrawRecord& record : draws) {
        if (record.date != day)
            continue;
        const DrawNumbers numbers = record.drawNumbers();
        for (int k = 1; k <= 5; ++k)
            answer.body += std::to_string(numbers.white(k)) + ',';
        answer.body += std::to_string(numbers.powerball()) + ',' +
                       std::to_string(numbers.powerPlay()) + "\r\n";
    }
    if (!answer.body.empty())
        return answer;
    const bool afterNewest = draws.empty() || day > draws.back().date;
    if (afterNewest && day <= today && DrawCalendar::isDrawDay(day)) {
        answer.body =
            "Die Ziehung vom " + DrawCalendar::shortDate(day) + " liegt noch nicht vor.\r\n";
        answer.notYetIn = true;
        return answer;
    }
    answer.status = 404;
    return answer;
}

} // namespace powerball::server
