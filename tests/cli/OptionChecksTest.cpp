// The checks of option values: what they let through, and as what.
#include "options/OptionChecks.h"

#include "base/DrawCalendar.h"

#include <gtest/gtest.h>

using namespace powerball;

namespace {

struct Case {
    const char* what;
    CLI::Validator check;
    std::string text;
    bool accepted;
    std::string handedOn; // the value the option then holds, when accepted
};

TEST(OptionChecksTest, AcceptAndHandOnOnlyWhatTheOldReadersTook) {
    const std::string minimum = std::to_string(DrawCalendar::kMinimumDate);
    const std::string dayBefore = std::to_string(DrawCalendar::kMinimumDate - 1);
    const Case cases[] = {
        {"date", isoDate(), "1997-11-05", true, minimum},
        {"date", isoDate(), "2015-13-01", false, ""},
        {"date", isoDate(), "2015-02-30", false, ""},
        {"date", isoDate(), "10.10.2015", false, ""},
        {"date", isoDate(), "", false, ""},
        {"picker", notBeforeMinimumDate(), minimum, true, minimum},
        {"picker", notBeforeMinimumDate(), dayBefore, false, ""},
        {"number", wholeNumber(), "+12", true, "12"},
        {"number", wholeNumber(), "-5", true, "-5"},
        {"number", wholeNumber(), "12x", false, ""},
        {"number", wholeNumber(), " 12", false, ""},
        {"number", wholeNumber(), "", false, ""},
        {"number", wholeNumber(), "99999999999", false, ""},
        {"count", countAtLeast(0), "0", true, "0"},
        {"count", countAtLeast(0), "-1", false, ""},
        {"range", countFromTo(1, 12), "1", true, "1"},
        {"range", countFromTo(1, 12), "12", true, "12"},
        {"range", countFromTo(1, 12), "0", false, ""},
        {"range", countFromTo(1, 12), "13", false, ""},
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        const std::string failure = c.check(text);
        EXPECT_EQ(failure.empty(), c.accepted) << c.what << " \"" << c.text << "\": " << failure;
        if (c.accepted) {
            EXPECT_EQ(text, c.handedOn) << c.what << " \"" << c.text << '"';
        }
    }
}

} // namespace
