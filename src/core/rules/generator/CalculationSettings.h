#pragma once

#include "rules/generator/SpinValue.h"

#include <optional>
#include <span>
#include <string_view>

namespace powerball {

// How each generated row gets its Powerball: the three radio buttons of the "Powerball" page.
enum class PowerballMode { Random, Rarest, LongestOutstanding };

// The controls that hold the options: a check box is a flag, a spin field a number in its
// range, a radio button one choice of the Powerball mode.
enum class OptionKind { Flag, Spin, Radio };

struct OptionControl {
    std::string_view control;   // component name: "CheckBox2", "UpDown12", "RadioButton1"
    std::string_view valueName; // registry value name: "Chekcbox2", "UpDown12", "RadioButton1"
    OptionKind kind;
    std::string_view readableName; // for people and scripts: "preferPairs", "rowCount"
};

// The options that steer the tip generator, as the "Berechnung" tab and the row-count spin
// beside "Tipps berechnen" hold them. The generator reads the fields; the registry, the
// command line's --set and the window address the options by their control names.
struct CalculationSettings {
    // "Statistisch": which numbers to prefer.
    bool preferFrequent = false;          // CheckBox2
    SpinValue frequentPercent{5, 75, 30}; // UpDown12
    bool preferRare = false;              // CheckBox14
    SpinValue rarePercent{5, 75, 20};     // UpDown14
    bool preferOverdue = true;            // CheckBox10
    SpinValue overduePercent{5, 75, 30};  // UpDown13
    bool preferPairs = false;             // CheckBox1
    bool preferRarePairs = false;         // CheckBox11
    bool preferTriples = false;           // CheckBox6
    bool preferRareTriples = false;       // CheckBox12
    bool preferQuads = false;             // CheckBox7
    bool preferRareQuads = false;         // CheckBox13
    bool preferNeighbours = false;        // CheckBox19

    // "Schein Optimierung": the rows of a sheet among themselves and against past draws.
    bool limitMaxOverlap = true;          // CheckBox3
    SpinValue maxOverlap{0, 5, 2};        // UpDown3
    bool limitMinOverlap = true;          // CheckBox24
    SpinValue minOverlap{0, 5, 1};        // UpDown9
    bool overlapEachTip = true;           // CheckBox27
    bool limitLastDraw = true;            // CheckBox4
    SpinValue maxLastDraw{0, 5, 0};       // UpDown4
    bool limitSecondLastDraw = true;      // CheckBox5
    SpinValue maxSecondLastDraw{0, 5, 0}; // UpDown5
    bool limitThirdLastDraw = true;       // CheckBox23
    SpinValue maxThirdLastDraw{0, 5, 0};  // UpDown11
    bool countPowerball = true;           // CheckBox31
    bool noEarlierWin = true;             // CheckBox9
    SpinValue earlierWinClass{3, 7, 4};   // UpDown6
    bool noRecentWin = true;              // CheckBox28
    SpinValue recentWinClass{2, 6, 3};    // UpDown17
    SpinValue recentWeeks{4, 128, 60};    // UpDown18
    bool avoidMonthNumbers = false;       // CheckBox29
    bool lessDateNumbers = false;         // CheckBox30

    // "Mathematisch": conditions every row must meet.
    SpinValue crossSumMin{21, 279, 50};  // UpDown1
    SpinValue crossSumMax{21, 239, 200}; // UpDown2
    bool minPrimesOn = false;            // CheckBox22
    SpinValue minPrimes{0, 6, 2};        // UpDown10
    bool minEvenOn = false;              // CheckBox25
    SpinValue minEven{0, 6, 2};          // UpDown15
    bool minOddOn = false;               // CheckBox26
    SpinValue minOdd{0, 6, 2};           // UpDown16
    bool forcePair = false;              // CheckBox8
    bool noGroups = true;                // CheckBox18

    // "Powerball".
    PowerballMode powerballMode = PowerballMode::Random; // RadioButton1..3
    bool excludeRecentPowerball = true;                  // CheckBox16
    SpinValue recentPowerballDraws{1, 25, 15};           // UpDown19

    // "Allgemein".
    bool onlyPreferred = false;               // CheckBox15
    bool showNumberList = false;              // CheckBox20
    SpinValue maxRunsThousands{1, 30000, 50}; // UpDown7
    // Shown dates and numbers in the language's formats instead of the fixed ones.
    bool languageFormats = false; // CheckBox32

    // First page, beside "Tipps berechnen".
    SpinValue rowCount{1, 12, 5}; // UpDown8

    // Every option control: the check boxes by number, the radio buttons, then the spins
    // by number. This is the order in which the settings are restored and saved.
    static std::span<const OptionControl> controls();
    // The control of a control name, a registry value name or a readable name.
    static const OptionControl* find(std::string_view name);

    // The value of a control as the registry keeps it: a check box or radio button 1 when
    // checked, else 0; a spin its position. Nothing for a name that is no option.
    std::optional<int> value(std::string_view name) const;
    // Sets a control as the user would: a check box is checked by any value but 0, a spin
    // clamps the value into its range, a radio button with a value other than 0 is chosen
    // and the other two are cleared (0 leaves the choice as it is: one mode is always
    // chosen). Returns false for a name that is no option.
    bool setValue(std::string_view name, int value);
    // The spin field of a control name with its range; nothing for a name that is no spin.
    const SpinValue* spin(std::string_view name) const;

    // The hint that pointing at a control of the "Berechnung" tab shows in the status bar;
    // empty where the control has none.
    static std::string_view hint(std::string_view control);

    // The upper limit of UpDown6: 7 while a Powerball match counts as a shared number,
    // else 5. Set once while the settings are restored.
    void limitEarlierWinClass();

    // Couplings of the spins, each time the user presses or releases a spin button.
    void onMaxOverlapPressed();  // minOverlap may not exceed maxOverlap and vice versa
    void onMinOverlapReleased(); // maxOverlap may not fall below minOverlap
    void onMinEvenTouched();     // minEven at most 6 - minOdd
    void onMinOddTouched();      // minOdd at most 6 - minEven
    // The same coupling after the user changed a coupled spin's value in any other way:
    // typed text, the mouse wheel, the arrow keys. Other controls have none.
    void coupleAfterChange(std::string_view control);

    // The limit of generator attempts.
    int maxRuns() const { return 1000 * maxRunsThousands.value(); }

    bool operator==(const CalculationSettings&) const = default;
};

} // namespace powerball
