#include "rules/generator/CalculationSettings.h"

#include <array>
#include <variant>

namespace powerball {

namespace {

using Flag = bool CalculationSettings::*;
using Spin = SpinValue CalculationSettings::*;
using Target = std::variant<Flag, Spin, PowerballMode>;

struct Binding {
    OptionControl control;
    Target target;
};

constexpr Binding flag(std::string_view control, std::string_view valueName, Flag target) {
    return {{control, valueName, OptionKind::Flag}, target};
}
constexpr Binding radio(std::string_view control, PowerballMode mode) {
    return {{control, control, OptionKind::Radio}, mode};
}
constexpr Binding spin(std::string_view control, Spin target) {
    return {{control, control, OptionKind::Spin}, target};
}

using S = CalculationSettings;

// The registry spells the check boxes "Chekcbox"; 17 and 21 do not exist.
constexpr std::array kBindings{
    flag("CheckBox1", "Chekcbox1", &S::preferPairs),
    flag("CheckBox2", "Chekcbox2", &S::preferFrequent),
    flag("CheckBox3", "Chekcbox3", &S::limitMaxOverlap),
    flag("CheckBox4", "Chekcbox4", &S::limitLastDraw),
    flag("CheckBox5", "Chekcbox5", &S::limitSecondLastDraw),
    flag("CheckBox6", "Chekcbox6", &S::preferTriples),
    flag("CheckBox7", "Chekcbox7", &S::preferQuads),
    flag("CheckBox8", "Chekcbox8", &S::forcePair),
    flag("CheckBox9", "Chekcbox9", &S::noEarlierWin),
    flag("CheckBox10", "Chekcbox10", &S::preferOverdue),
    flag("CheckBox11", "Chekcbox11", &S::preferRarePairs),
    flag("CheckBox12", "Chekcbox12", &S::preferRareTriples),
    flag("CheckBox13", "Chekcbox13", &S::preferRareQuads),
    flag("CheckBox14", "Chekcbox14", &S::preferRare),
    flag("CheckBox15", "Chekcbox15", &S::onlyPreferred),
    flag("CheckBox16", "Chekcbox16", &S::excludeRecentPowerball),
    flag("CheckBox18", "Chekcbox18", &S::noGroups),
    flag("CheckBox19", "Chekcbox19", &S::preferNeighbours),
    flag("CheckBox20", "Chekcbox20", &S::showNumberList),
    flag("CheckBox22", "Chekcbox22", &S::minPrimesOn),
    flag("CheckBox23", "Chekcbox23", &S::limitThirdLastDraw),
    flag("CheckBox24", "Chekcbox24", &S::limitMinOverlap),
    flag("CheckBox25", "Chekcbox25", &S::minEvenOn),
    flag("CheckBox26", "Chekcbox26", &S::minOddOn),
    flag("CheckBox27", "Chekcbox27", &S::overlapEachTip),
    flag("CheckBox28", "Chekcbox28", &S::noRecentWin),
    flag("CheckBox29", "Chekcbox29", &S::avoidMonthNumbers),
    flag("CheckBox30", "Chekcbox30", &S::lessDateNumbers),
    flag("CheckBox31", "Chekcbox31", &S::countPowerball),
    radio("RadioButton1", PowerballMode::Random),
    radio("RadioButton2", PowerballMode::Rarest),
    radio("RadioButton3", PowerballMode::LongestOutstanding),
    spin("UpDown1", &S::crossSumMin),
    spin("UpDown2", &S::crossSumMax),
    spin("UpDown3", &S::maxOverlap),
    spin("UpDown4", &S::maxLastDraw),
    spin("UpDown5", &S::maxSecondLastDraw),
    spin("UpDown6", &S::earlierWinClass),
    spin("UpDown7", &S::maxRunsThousands),
    spin("UpDown8", &S::rowCount),
    spin("UpDown9", &S::minOverlap),
    spin("UpDown10", &S::minPrimes),
    spin("UpDown11", &S::maxThirdLastDraw),
    spin("UpDown12", &S::frequentPercent),
    spin("UpDown13", &S::overduePercent),
    spin("UpDown14", &S::rarePercent),
    spin("UpDown15", &S::minEven),
    spin("UpDown16", &S::minOdd),
    spin("UpDown17", &S::recentWinClass),
    spin("UpDown18", &S::recentWeeks),
    spin("UpDown19", &S::recentPowerballDraws),
};

constexpr std::array<OptionControl, kBindings.size()> kControls = [] {
    std::array<OptionControl, kBindings.size()> controls{};
    for (std::size_t k = 0; k < kBindings.size(); ++k)
        controls[k] = kBindings[k].control;
    return controls;
}();

const Binding* findBinding(std::string_view name) {
    for (const Binding& binding : kBindings)
        if (binding.control.control == name || binding.control.valueName == name)
            return &binding;
    return nullptr;
}

struct Hint {
    std::string_view controls[3];
    std::string_view text;
};

const std::array kHints{
    Hint{{"CheckBox2"}, "Die ersten X% der am häufigsten gezogenen Zahlen bevorzugen"},
    Hint{{"CheckBox14"}, "die ersten X% der am seltensten gezogenen Zahlen bevorzugen"},
    Hint{{"CheckBox10"}, "die ersten X% der am längsten überfälligen Zahlen bevorzugen"},
    Hint{{"Edit85", "Edit86", "Edit87"},
         "Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen"},
    Hint{{"CheckBox4", "CheckBox5", "CheckBox23"},
         "Übereinstimmung mit Zahlen aus vorhergehender Ziehung"},
    Hint{{"CheckBox9", "CheckBox28"},
         "Tipp vor noch keinen Xer aus der Datenbank entsprechen, beginnen mit dem Datum  aus "
         "deer Diagrammübersicht"},
    Hint{{"Edit42"},
         "Setzen Sie den Wert auf 5 oder 6 falls Sie die komplette Datenbank verwenden"},
    Hint{{"Edit91"},
         "Setzen Sie den Wert auf 4 oder 5 falls Sie die Ziehungszahl sehr groß wählen"},
    Hint{{"Edit92"}, "Hier können Sie nochmal  ab ev. 3 oder 4 der letzten Ziehungen ausschließen"},
};

} // namespace

std::span<const OptionControl> CalculationSettings::controls() {
    return kControls;
}

const OptionControl* CalculationSettings::find(std::string_view name) {
    const Binding* binding = findBinding(name);
    return binding ? &binding->control : nullptr;
}

std::optional<int> CalculationSettings::value(std::string_view name) const {
    const Binding* binding = findBinding(name);
    if (!binding)
        return std::nullopt;
    if (const auto* target = std::get_if<Flag>(&binding->target))
        return this->*(*target) ? 1 : 0;
    if (const auto* target = std::get_if<Spin>(&binding->target))
        return (this->*(*target)).value();
    return powerballMode == std::get<PowerballMode>(binding->target) ? 1 : 0;
}

bool CalculationSettings::setValue(std::string_view name, int value) {
    const Binding* binding = findBinding(name);
    if (!binding)
        return false;
    if (const auto* target = std::get_if<Flag>(&binding->target))
        this->*(*target) = value != 0;
    else if (const auto* target = std::get_if<Spin>(&binding->target))
        (this->*(*target)).setValue(value);
    else if (value != 0)
        powerballMode = std::get<PowerballMode>(binding->target);
    return true;
}

const SpinValue* CalculationSettings::spin(std::string_view name) const {
    const Binding* binding = findBinding(name);
    if (!binding)
        return nullptr;
    const auto* target = std::get_if<Spin>(&binding->target);
    return target ? &(this->*(*target)) : nullptr;
}

std::string_view CalculationSettings::hint(std::string_view control) {
    for (const Hint& hint : kHints)
        for (std::string_view name : hint.controls)
            if (!name.empty() && name == control)
                return hint.text;
    return {};
}

void CalculationSettings::limitEarlierWinClass() {
    earlierWinClass.setMaximum(countPowerball ? 7 : 5);
}

void CalculationSettings::onMaxOverlapPressed() {
    minOverlap.setMaximum(maxOverlap.value());
    maxOverlap.setMinimum(minOverlap.value());
}

void CalculationSettings::onMinOverlapReleased() {
    maxOverlap.setMinimum(minOverlap.value());
}

void CalculationSettings::onMinEvenTouched() {
    minEven.setMaximum(6 - minOdd.value());
}

void CalculationSettings::onMinOddTouched() {
    minOdd.setMaximum(6 - minEven.value());
}

void CalculationSettings::coupleAfterChange(std::string_view control) {
    if (control == "UpDown3")
        onMaxOverlapPressed();
    else if (control == "UpDown9")
        onMinOverlapReleased();
    // Without a press of the other spin, its limit must follow now: else an arrow key could
    // never step it past the limit of the old value.
    else if (control == "UpDown15") {
        onMinEvenTouched();
        onMinOddTouched();
    } else if (control == "UpDown16") {
        onMinOddTouched();
        onMinEvenTouched();
    }
}

} // namespace powerball
