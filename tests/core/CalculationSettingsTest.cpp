#include "rules/generator/CalculationSettings.h"

#include "app/Settings.h"

#include <gtest/gtest.h>

#include <set>
#include <string_view>

using namespace powerball;

namespace {

TEST(CalculationSettings, ControlsByNameClampSpinsIntoTheirRanges) {
    struct Case {
        const char* name;
        int set;
        int held;
    };
    const std::vector<Case> cases{
        {"UpDown12", 80, 75},  {"UpDown12", 1, 5},        {"UpDown1", 0, 21},
        {"UpDown2", 279, 239}, {"UpDown18", 500, 128},    {"UpDown7", 30001, 30000},
        {"UpDown7", -5, 1},    {"UpDown8", 13, 12},       {"CheckBox10", 0, 0},
        {"Chekcbox10", 7, 1},  {"CheckBox31", 0, 0},      {"rowCount", 13, 12},
        {"preferPairs", 3, 1}, {"languageFormats", 1, 1},
    };
    for (const Case& c : cases) {
        CalculationSettings settings;
        ASSERT_TRUE(settings.setValue(c.name, c.set)) << c.name;
        EXPECT_EQ(settings.value(c.name), c.held) << c.name << " set to " << c.set;
    }
    CalculationSettings settings;
    settings.setValue("CheckBox2", 1);
    EXPECT_TRUE(settings.preferFrequent);
    EXPECT_EQ(settings.value("Chekcbox2"), 1);
    settings.setValue("UpDown7", 7);
    EXPECT_EQ(settings.maxRuns(), 7000);

    // Readable names reach the same controls; each names one control only.
    EXPECT_EQ(CalculationSettings::find("preferPairs")->control, "CheckBox1");
    EXPECT_EQ(CalculationSettings::find("rowCount")->control, "UpDown8");
    EXPECT_EQ(CalculationSettings::find("CheckBox32")->valueName, "Chekcbox32");
    std::set<std::string_view> readable;
    for (const OptionControl& control : CalculationSettings::controls()) {
        EXPECT_FALSE(control.readableName.empty()) << control.control;
        EXPECT_TRUE(readable.insert(control.readableName).second) << control.readableName;
        EXPECT_EQ(CalculationSettings::find(control.readableName)->control, control.control);
    }

    for (const char* unknown :
         {"CheckBox17", "Chekcbox21", "UpDown20", "Edit85", "", "Preferpairs"}) {
        EXPECT_FALSE(settings.setValue(unknown, 1)) << unknown;
        EXPECT_EQ(settings.value(unknown), std::nullopt) << unknown;
    }
}

TEST(CalculationSettings, OneRadioButtonIsAlwaysChosen) {
    CalculationSettings settings;
    settings.setValue("RadioButton3", 1);
    EXPECT_EQ(settings.powerballMode, PowerballMode::LongestOutstanding);
    EXPECT_EQ(settings.value("RadioButton1"), 0);
    EXPECT_EQ(settings.value("RadioButton3"), 1);
    settings.setValue("RadioButton3", 0); // clearing the chosen one leaves it chosen
    EXPECT_EQ(settings.powerballMode, PowerballMode::LongestOutstanding);
    settings.setValue("RadioButton2", 1);
    EXPECT_EQ(settings.powerballMode, PowerballMode::Rarest);
}

TEST(CalculationSettings, EarlierWinClassLimitFollowsThePowerballOption) {
    CalculationSettings settings;
    settings.earlierWinClass.setValue(7);
    settings.limitEarlierWinClass();
    EXPECT_EQ(settings.earlierWinClass.value(), 7);
    settings.countPowerball = false;
    settings.limitEarlierWinClass();
    EXPECT_EQ(settings.earlierWinClass.maximum(), 5);
    EXPECT_EQ(settings.earlierWinClass.value(), 5);
    settings.setValue("UpDown6", 6);
    EXPECT_EQ(settings.earlierWinClass.value(), 5);
}

TEST(CalculationSettings, OverlapSpinsKeepMinimumBelowMaximum) {
    CalculationSettings settings;
    settings.setValue("UpDown9", 4); // minOverlap above maxOverlap 2
    settings.onMaxOverlapPressed();
    EXPECT_EQ(settings.minOverlap.maximum(), 2);
    EXPECT_EQ(settings.minOverlap.value(), 2);
    EXPECT_EQ(settings.maxOverlap.minimum(), 2);
    settings.setValue("UpDown3", 0);
    EXPECT_EQ(settings.maxOverlap.value(), 2);

    settings.minOverlap.setValue(1);
    settings.onMinOverlapReleased();
    EXPECT_EQ(settings.maxOverlap.minimum(), 1);
}

TEST(CalculationSettings, EvenAndOddMinimumsMayReachSixTogether) {
    CalculationSettings settings;
    settings.setValue("UpDown16", 4);
    settings.setValue("UpDown15", 5);
    settings.onMinEvenTouched();
    EXPECT_EQ(settings.minEven.maximum(), 2);
    EXPECT_EQ(settings.minEven.value(), 2);
    settings.setValue("UpDown16", 6);
    settings.onMinOddTouched();
    EXPECT_EQ(settings.minOdd.maximum(), 4);
    EXPECT_EQ(settings.minOdd.value(), 4);
}

// A value typed or wheeled into a coupled spin couples like a press of its buttons.
TEST(CalculationSettings, ChangedValueCouplesWithoutAPress) {
    AppState state;
    Settings::setOption(state, "UpDown16", 4);
    Settings::setOption(state, "UpDown15", 5);
    EXPECT_EQ(state.settings.minEven.value(), 2);
    Settings::setOption(state, "UpDown16", 3);
    EXPECT_EQ(state.settings.minEven.maximum(), 3);
    Settings::setOption(state, "UpDown3", 1);
    EXPECT_EQ(state.settings.minOverlap.maximum(), 1);
    Settings::setOption(state, "UpDown9", 1);
    EXPECT_EQ(state.settings.maxOverlap.minimum(), 1);
}

TEST(CalculationSettings, Hints) {
    EXPECT_EQ(CalculationSettings::hint("CheckBox2"),
              "Die ersten X% der am häufigsten gezogenen Zahlen bevorzugen");
    EXPECT_EQ(CalculationSettings::hint("Edit86"), CalculationSettings::hint("Edit87"));
    EXPECT_EQ(CalculationSettings::hint("CheckBox28"),
              "Tipp vor noch keinen Xer aus der Datenbank entsprechen, beginnen mit dem Datum  aus "
              "deer Diagrammübersicht");
    EXPECT_EQ(CalculationSettings::hint("CheckBox1"), "");
    EXPECT_EQ(CalculationSettings::hint("Edit40"), "");
}

} // namespace
