#include "draws/DrawText.h"

#include "base/DrawCalendar.h"

namespace powerball {

std::string drawText(const TextFormat& format, double date, const DrawNumbers& numbers,
                     DrawTextForm form) {
    std::string text = format.drawDate(DrawCalendar::roundToDay(date));
    text += form == DrawTextForm::First ? "   " : "  ";
    for (int k = 1; k <= 5; ++k)
        text += "  " + std::to_string(numbers.white(k));
    const std::string pb = std::to_string(numbers.powerball());
    const std::string pp = std::to_string(numbers.powerPlay());
    if (form == DrawTextForm::Search)
        text += "  PB: " + pb + "     PP: " + pp;
    else if (form == DrawTextForm::Last)
        text += "   PB: " + pb + " PP: " + pp;
    else
        text += " PB:" + pb + " PP:" + pp;
    return text;
}

DrawTextForm drawTextForm(int index, int recordCount) {
    if (index >= recordCount - 1)
        return DrawTextForm::Last;
    return index == 0 ? DrawTextForm::First : DrawTextForm::Middle;
}

std::string crossSumText(const MessageTable& messages, int sum) {
    return messages.text(Msg::CrossSum) + ": " + std::to_string(sum);
}

} // namespace powerball
