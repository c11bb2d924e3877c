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

constexpr Binding flag(std::string_view control, std::string_view valueName,
                       std::string_view readable, Flag target) {
    return {{control, valueName, OptionKind::Flag, readable}, target};
}
constexpr Binding radio(std::string_view control, std::string_view readable, PowerballMode mode) {
    return {{control, control, OptionKind::Radio, readable}, mode};
}
constexpr Binding spin(std::string_view control, std::string_view readable, Spin target) {
    return {{control, control, OptionKind::Spin, readable}, target};
}

using S = CalculationSettings;

// The registry spells the check boxes "Chekcbox"; 17 and 21 do not exist.
constexpr std::array kBindings{
    flag("CheckBox1", "Chekcbox1", "preferPairs", &S::preferPairs),
    flag("CheckBox2", "Chekcbox2", "preferFrequent", &S::preferFrequent),
    flag("CheckBox3", "Chekcbox3", "limitMaxOverlap", &S::limitMaxOverlap),
    flag("CheckBox4", "Chekcbox4", "limitLastDraw", &S::limitLastDraw),
    flag("CheckBox5", "Chekcbox5", "limitSecondLastDraw", &S::limitSecondLastDraw),
    flag("CheckBox6", "Chekcbox6", "preferTriples", &S::preferTriples),
    flag("CheckBox7", "Chekcbox7", "preferQuads", &S::preferQuads),
    flag("CheckBox8", "Chekcbox8", "forcePair", &S::forcePair),
    flag("CheckBox9", "Chekcbox9", "noEarlierWin", &S::noEarlierWin),
    flag("CheckBox10", "Chekcbox10", "preferOverdue", &S::preferOverdue),
    flag("CheckBox11", "Chekcbox11", "preferRarePairs", &S::preferRarePairs),
    flag("CheckBox12", "Chekcbox12", "preferRareTriples", &S::preferRareTriples),
    flag("CheckBox13", "Chekcbox13", "preferRareQuads", &S::preferRareQuads),
    flag("CheckBox14", "Chekcbox14", "preferRare", &S::preferRare),
    flag("CheckBox15", "Chekcbox15", "onlyPreferred", &S::onlyPreferred),
    flag("CheckBox16", "Chekcbox16", "excludeRecentPowerball", &S::excludeRecentPowerball),
    flag("CheckBox18", "Chekcbox18", "noGroups", &S::noGroups),
    flag("CheckBox19", "Chekcbox19", "preferNeighbours", &S::preferNeighbours),
    flag("CheckBox20", "Chekcbox20", "showNumberList", &S::showNumberList),
    flag("CheckBox22", "Chekcbox22", "minPrimesOn", &S::minPrimesOn),
    flag("CheckBox23", "Chekcbox23", "limitThirdLastDraw", &S::limitThirdLastDraw),
    flag("CheckBox24", "Chekcbox24", "limitMinOverlap", &S::limitMinOverlap),
    flag("CheckBox25", "Chekcbox25", "minEvenOn", &S::minEvenOn),
    flag("CheckBox26", "Chekcbox26", "minOddOn", &S::minOddOn),
    flag("CheckBox27", "Chekcbox27", "overlapEachTip", &S::overlapEachTip),
    flag("CheckBox28", "Chekcbox28", "noRecentWin", &S::noRecentWin),
    flag("CheckBox29", "Chekcbox29", "avoidMonthNumbers", &S::avoidMonthNumbers),
    flag("CheckBox30", "Chekcbox30", "lessDateNumbers", &S::lessDateNumbers),
    flag("CheckBox31", "Chekcbox31", "countPowerball", &S::countPowerball),
    flag("CheckBox32", "Chekcbox32", "languageFormats", &S::languageFormats),
    radio("RadioButton1", "powerballRandom", PowerballMode::Random),
    radio("RadioButton2", "powerballRarest", PowerballMode::Rarest),
    radio("RadioButton3", "powerballLongestOutstanding", PowerballMode::LongestOutstanding),
    spin("UpDown1", "crossSumMin", &S::crossSumMin),
    spin("UpDown2", "crossSumMax", &S::crossSumMax),
    spin("UpDown3", "maxOverlap", &S::maxOverlap),
    spin("UpDown4", "maxLastDraw", &S::maxLastDraw),
    spin("UpDown5", "maxSecondLastDraw", &S::maxSecondLastDraw),
    spin("UpDown6", "earlierWinClass", &S::earlierWinClass),
    spin("UpDown7", "maxRunsThousands", &S::maxRunsThousands),
    spin("UpDown8", "rowCount", &S::rowCount),
    spin("UpDown9", "minOverlap", &S::minOverlap),
    spin("UpDown10", "minPrimes", &S::minPrimes),
    spin("UpDown11", "maxThirdLastDraw", &S::maxThirdLastDraw),
    spin("UpDown12", "frequentPercent", &S::frequentPercent),
    spin("UpDown13", "overduePercent", &S::overduePercent),
    spin("UpDown14", "rarePercent", &S::rarePercent),
    spin("UpDown15", "minEven", &S::minEven),
    spin("UpDown16", "minOdd", &S::minOdd),
    spin("UpDown17", "recentWinClass", &S::recentWinClass),
    spin("UpDown18", "recentWeeks", &S::recentWeeks),
    spin("UpDown19", "recentPowerballDraws", &S::recentPowerballDraws),
};

constexpr std::array<OptionControl, kBindings.size()> kControls = [] {
    std::array<OptionControl, kBindings.size()> controls{};
    for (std::size_t k = 0; k < kBindings.size(); ++k)
        controls[k] = kBindings[k].control;
    return controls;
}();

const Binding* findBinding(std::string_view name) {
    for (const Binding& binding : kBindings)
        if (binding.control.control == name || binding.control.valueName == name ||
            binding.control.readableName == name)
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
    Hint{{"CheckBox32"},
         "Zeigt Daten und Zahlen so, wie man sie in der gewählten Sprache schreibt; Dateien "
         "behalten ihr Format"},
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
