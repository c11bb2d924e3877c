#pragma once

#include "base/TextParsing.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace powerball {

// Background of a tip field: the window colour, lime green for a drawn white number, red
// for a drawn Powerball.
enum class FieldColor { Window, Lime, Red };
// Font colour of a row's hit text.
enum class HitColor { Black, Red };

// One row of the tip sheet: five white numbers, the Powerball, a hidden extra field that
// is carried along but never shown, the lock flag and the two result texts of the check.
struct TipRow {
    static constexpr int kFieldCount = 7;
    static constexpr int kWhiteCount = 5;
    static constexpr int kPowerballField = 5;
    static constexpr int kHiddenField = 6;

    std::array<std::string, kFieldCount> fields;
    std::array<FieldColor, kFieldCount> colors{};
    // The fields that make the row no tip (a number twice, out of range, no number), framed
    // by the window; the last check found them.
    std::array<bool, kFieldCount> faulty{};
    bool locked = false;
    std::string hitText;
    std::string hitHint; // the prize of the checked row, shown as the hit text's hint
    HitColor hitColor = HitColor::Black;
    std::string crossSumText;

    bool operator==(const TipRow&) const = default;
};

// The 12 tip rows of the first page. A field keeps what the user typed, a number in its
// canonical form; the check marks a row whose fields are no tip instead of emptying them.
class TipSheet {
public:
    static constexpr int kRowCount = 12;

    TipRow& row(int index) { return m_rows[static_cast<std::size_t>(index)]; }
    const TipRow& row(int index) const { return m_rows[static_cast<std::size_t>(index)]; }

    // Writes a field: a number in its canonical decimal form, anything else as typed, without
    // the commas and line breaks that would split a tip line; the hidden field through the
    // validation. Returns the text the field holds afterwards.
    const std::string& setField(int rowIndex, int field, std::string_view text);
    const std::string& field(int rowIndex, int field) const {
        return row(rowIndex).fields[static_cast<std::size_t>(field)];
    }

    void toggleLock(int rowIndex);
    // Empties every field and both result texts of the unlocked rows and gives their fields
    // the window colour; locked rows stay as they are.
    void clearUnlocked();

    // A row as a tip line: the seven fields separated by commas ("3,17,22,45,61,9,").
    std::string line(int rowIndex) const;
    // Fills the row's fields from a tip line; missing fields become empty.
    void setLine(int rowIndex, std::string_view line);

    // The field validation: canonical decimal text of a value in range, else empty.
    static std::string validated(int field, std::string_view text);

    // Component names of the controls, which are also the registry value names.
    static std::string fieldName(int rowIndex, int field);
    static std::string captionName(int rowIndex);
    static std::string hitsLabelName(int rowIndex);
    static std::string crossSumLabelName(int rowIndex);
    static std::string caption(int rowIndex); // "1. Tipp" .. "12. Tipp"

private:
    std::array<TipRow, kRowCount> m_rows;
};

} // namespace powerball
