#include "app/AppState.h"

namespace powerball {

bool AppState::setSelectedDate(double date) {
    if (date < DrawCalendar::kMinimumDate)
        return false;
    selectedDate = date;
    return true;
}

} // namespace powerball
