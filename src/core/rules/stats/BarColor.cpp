#include "rules/stats/BarColor.h"

#include "base/GameRules.h"

namespace powerball {

bool isMarkedPrime(int number) {
    return isListedPrime(number);
}

BarColor whiteNumberBarColor(int number) {
    return isMarkedPrime(number) ? BarColors::Red : BarColors::Green;
}

} // namespace powerball
