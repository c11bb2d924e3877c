#pragma once

#include "base/MessageTable.h"
#include "base/TextFormat.h"
#include "draws/DrawRecord.h"

#include <string>

namespace powerball {

// How the shown draw is written on the "Datenbank" page and the draw panel. The located
// draw's place in the file picks the form: the first of several records, one in the
// middle, or the last (the form the draw browser always uses). The history search writes
// each draw it replays in a form of its own.
enum class DrawTextForm { First, Middle, Last, Search };

// The weekday in the language, the date in the shown format.
std::string drawText(const TextFormat& format, double date, const DrawNumbers& numbers,
                     DrawTextForm form);
DrawTextForm drawTextForm(int index, int recordCount);

// "Quersumme: 101" with the message table's word for cross sum.
std::string crossSumText(const MessageTable& messages, int sum);

} // namespace powerball
