#pragma once

#include <CLI/CLI.hpp>

namespace powerball {

// Checks for option values, shared by powerball-cli and powerball-server. A failed check
// names the option: `--date: "2015-13-01" is not a date of the form yyyy-mm-dd`.

// An ISO date (yyyy-mm-dd), handed on as its day number so the option holds an int; the
// option names its type YYYY-MM-DD.
CLI::Validator isoDate();
// A date of the pickers, which refuse days before their minimum; after isoDate().
CLI::Validator notBeforeMinimumDate();
// An option for a date of the pickers: ISO, not before their minimum, into an int or an
// optional int.
template <class Date>
CLI::Option* addPickerDate(CLI::App& verb, const std::string& name, Date& date,
                           const std::string& description) {
    return verb.add_option(name, date, description)
        ->transform(isoDate())
        ->check(notBeforeMinimumDate())
        ->type_name("YYYY-MM-DD");
}
// A whole number as the tip sheet reads one (a leading + allowed), handed on plain.
CLI::Validator wholeNumber();
// A count from `lowest` up; after wholeNumber().
CLI::Validator countAtLeast(int lowest);
// A count from `lowest` to `highest`; after wholeNumber().
CLI::Validator countFromTo(int lowest, int highest);

} // namespace powerball
