#include "app/Settings.h"
#include "app/AppShell.h"
#include "ports/MemoryRegistryStore.h"

#include "ScriptedPrompts.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace powerball;
using powerball::testing::ScriptedPrompts;

namespace {

const DayNumber kToday = DrawCalendar::dayNumber(2026, 1, 10);

// A fresh main window's state started up on the store, as at program start.
class SettingsTest : public ::testing::Test {
protected:
    AppState startUp() {
        AppState state;
        AppShell::startUp(state, ports(), "/nowhere/");
        return state;
    }
    Ports ports() {
        Ports ports;
        ports.clock = &clock;
        ports.registry = &registry;
        ports.prompts = &prompts;
        return ports;
    }
    void put(const NamedSetting& setting) {
        RegistryKey key(registry, Settings::kKey);
        Settings::write(key, setting);
    }
    SettingValue restored(const AppState& state, const std::string& name) {
        for (const NamedSetting& setting : Settings::values(state))
            if (setting.name == name)
                return setting.value;
        ADD_FAILURE() << "no setting " << name;
        return {};
    }
    std::vector<std::string> storedNames() const {
        std::vector<std::string> names;
        if (const auto* key = registry.findKey(Settings::kKey))
            for (const auto& entry : key->values)
                names.push_back(entry.name);
        return names;
    }

    FixedClock clock{kToday};
    MemoryRegistryStore registry;
    ScriptedPrompts prompts;
};

// Every value that closing the window writes, in the order it has always written them.
std::vector<std::string> saveList() {
    std::vector<std::string> names{"NeuerSchein"};
    // The choice of the language's formats came last, as check box 32.
    for (int k = 1; k <= 32; ++k)
        if (k != 17 && k != 21)
            names.push_back("Chekcbox" + std::to_string(k));
    for (const char* name : {"RadioButton1", "RadioButton2", "RadioButton3", "height", "width",
                             "Sprache", "TippTop", "TippLeft"})
        names.emplace_back(name);
    for (int k = 1; k <= 19; ++k)
        names.push_back("UpDown" + std::to_string(k));
    for (int k : {1, 2, 3, 7, 8, 9, 4, 5, 6})
        names.push_back("Edit" + std::to_string(k));
    for (auto [first, last] : {std::pair{10, 36}, {43, 54}, {56, 79}, {93, 104}})
        for (int k = first; k <= last; ++k)
            names.push_back("Edit" + std::to_string(k));
    for (const char* name :
         {"ZWEIPREIS", "EINPREIS", "Browser", "URLEdit", "ProxyHostEdit", "ProxyPortEdit",
          "FeedSourceRadio", "FeedURLEdit", "DateTimePicker2", "Land", "TipFileFolder"})
        names.emplace_back(name);
    return names;
}

TEST_F(SettingsTest, NoKeyAtAllKeepsTheDefaultsAndTheFirstCloseWritesEveryValue) {
    const AppState state = startUp();
    EXPECT_EQ(state.settings, CalculationSettings{});
    EXPECT_EQ(state.languageIndex, 2);
    EXPECT_EQ(state.internet.proxyPort, "80");
    EXPECT_EQ(state.startDate, DrawCalendar::kDesignedStartDate);
    EXPECT_EQ(state.window, WindowGeometry{});
    EXPECT_EQ(state.tips.line(0), ",,,,,,");
    EXPECT_EQ(state.maxRuns, 50000);
    EXPECT_TRUE(state.checkEnabled);
    EXPECT_EQ(state.status[1], "");

    AppShell::shutDown(state, ports());
    EXPECT_EQ(storedNames(), saveList());
    EXPECT_EQ(registry.flushCount(), 1);
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(SettingsTest, AValueOfTheWrongTypeEndsOnlyItsGroup) {
    put({"Chekcbox1", true});
    put({"Chekcbox5", std::string("1")});
    put({"Chekcbox6", true});
    put({"height", 600});
    put({"Sprache", 3});
    put({"UpDown12", 40});
    put({"Edit1", std::string("12")});
    put({"ZWEIPREIS", std::string("0,70")});
    const AppState state = startUp();
    EXPECT_TRUE(state.settings.preferPairs);
    EXPECT_FALSE(state.settings.preferTriples);
    EXPECT_EQ(state.window.height, WindowGeometry::kDesignedHeight);
    EXPECT_EQ(state.languageIndex, 0); // no language is applied
    EXPECT_EQ(state.settings.frequentPercent.value(), 40);
    EXPECT_EQ(state.tips.field(0, 0), "12");
    EXPECT_EQ(state.internet.zweiPreis, "0,70");
}

TEST_F(SettingsTest, StoredValuesAreTakenAsTheControlsTakeThem) {
    struct Case {
        std::vector<NamedSetting> stored;
        std::string name;
        SettingValue restored;
    };
    const double lastYear = DrawCalendar::dayNumber(2025, 1, 4);
    const std::vector<Case> cases{
        {{{"UpDown6", 7}, {"Chekcbox31", false}}, "UpDown6", 5},
        {{{"UpDown6", 7}, {"Chekcbox31", true}}, "UpDown6", 7},
        {{{"UpDown18", 500}}, "UpDown18", 128},
        {{{"UpDown1", -3}}, "UpDown1", 21},
        // A tip field keeps what was typed; the check marks the row that is no tip.
        {{{"Edit1", std::string("75")}}, "Edit1", std::string("75")},
        {{{"Edit6", std::string("07")}}, "Edit6", std::string("7")},
        {{{"Edit104", std::string("27")}}, "Edit104", std::string()},
        {{{"RadioButton1", false}, {"RadioButton2", false}, {"RadioButton3", false}},
         "RadioButton1",
         true},
        {{{"RadioButton2", true}, {"RadioButton3", true}}, "RadioButton3", true},
        {{{"Sprache", 7}}, "Sprache", 7},
        {{{"height", 0}}, "height", WindowGeometry::kDesignedHeight},
        {{{"width", 800}}, "width", 800},
        {{{"TippTop", 12}}, "TippTop", 12},
        {{{"ProxyHostEdit", std::string("proxy")}}, "ProxyPortEdit", std::string("80")},
        {{{"ProxyHostEdit", std::string("proxy")}, {"ProxyPortEdit", std::string("3128")}},
         "ProxyPortEdit",
         std::string("3128")},
        {{{"ProxyPortEdit", std::string("3128")}}, "ProxyPortEdit", std::string("80")},
        {{{"DateTimePicker2", lastYear}}, "DateTimePicker2", lastYear},
        {{{"DateTimePicker2", kToday - 1.0}}, "DateTimePicker2", 35739.0},
        {{{"DateTimePicker2", 1200.0}}, "DateTimePicker2", 35739.0},
        {{{"DateTimePicker2", 42000}}, "DateTimePicker2", 35739.0},
        {{{"NeuerSchein", std::string("x")}, {"Land", 4}}, "Land", 4},
        {{{"Losnummer", std::string("A-17")}}, "Losnummer", std::string("A-17")},
        {{{"TipFileFolder", std::string("/home/a/Tipps")}},
         "TipFileFolder",
         std::string("/home/a/Tipps")},
    };
    for (const Case& c : cases) {
        registry = MemoryRegistryStore();
        for (const NamedSetting& setting : c.stored)
            put(setting);
        const AppState state = startUp();
        EXPECT_EQ(restored(state, c.name), c.restored) << "case of " << c.stored.front().name;
    }
}

TEST_F(SettingsTest, BrowserStoredAsTextClearsTheCheckBox) {
    for (const auto& [stored, browser] : std::vector<std::pair<SettingValue, bool>>{
             {std::string("ja"), false}, {std::string(), true}, {false, false}}) {
        registry = MemoryRegistryStore();
        put({"Browser", stored});
        AppState state;
        state.internet.browser = true;
        Settings::restore(state, registry);
        EXPECT_EQ(state.internet.browser, browser);
        EXPECT_TRUE(state.checkEnabled);
    }
}

// Fresh settings take the public results file; settings that already name an update server
// keep it, since its user set it up; a stored choice is taken as it is.
TEST_F(SettingsTest, TheSourceOfTheDraws) {
    struct Case {
        const char* name;
        std::vector<NamedSetting> stored;
        DrawSource source;
    };
    const Case cases[] = {
        {"fresh settings", {}, DrawSource::Feed},
        {"a server address from before the choice",
         {{"URLEdit", std::string("http://lotto.example:8765")}},
         DrawSource::Server},
        {"the server chosen",
         {{"URLEdit", std::string("http://lotto.example:8765")}, {"FeedSourceRadio", false}},
         DrawSource::Server},
        {"the results file chosen",
         {{"URLEdit", std::string("http://lotto.example:8765")},
          {"FeedSourceRadio", true},
          {"FeedURLEdit", std::string("http://mirror.example/rows.csv")}},
         DrawSource::Feed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        registry = MemoryRegistryStore();
        for (const NamedSetting& setting : c.stored)
            put(setting);
        AppState state = startUp();
        EXPECT_EQ(state.internet.source, c.source);
        if (c.stored.size() == 3)
            EXPECT_EQ(state.internet.feedUrl, "http://mirror.example/rows.csv");
        else
            EXPECT_EQ(state.internet.feedUrl, ResultsFeed::kDefaultUrl);
        AppShell::shutDown(state, ports());
        AppState again = startUp();
        EXPECT_EQ(again.internet.source, c.source);
        EXPECT_EQ(again.internet.feedUrl, state.internet.feedUrl);
    }
}

TEST_F(SettingsTest, AMaximisedWindowLeavesTheStoredSize) {
    put({"height", 600});
    put({"width", 800});
    AppState state = startUp();
    state.window = {1900, 1000, false};
    AppShell::shutDown(state, ports());
    AppState again = startUp();
    EXPECT_EQ(again.window, (WindowGeometry{800, 600, true}));

    again.window = {900, 700, true};
    AppShell::shutDown(again, ports());
    EXPECT_EQ(startUp().window, (WindowGeometry{900, 700, true}));
}

TEST_F(SettingsTest, ARestartKeepsEveryValue) {
    AppState state = startUp();
    for (const OptionControl& control : CalculationSettings::controls()) {
        const std::string name(control.control);
        if (control.kind == OptionKind::Flag)
            state.settings.setValue(name, *state.settings.value(name) == 0);
    }
    for (const OptionControl& control : CalculationSettings::controls()) {
        if (control.kind != OptionKind::Spin)
            continue;
        // The lowest value, or the one above where that is the default.
        const std::string name(control.control);
        const int lowest = -1000000;
        CalculationSettings probe;
        probe.setValue(name, lowest);
        const int minimum = *probe.value(name);
        state.settings.setValue(name,
                                minimum == *state.settings.value(name) ? minimum + 1 : minimum);
    }
    state.settings.setValue("RadioButton2", 1);
    for (int r = 0; r < TipSheet::kRowCount; ++r)
        state.tips.setLine(r, std::to_string(r + 1) + ",20,30,40,69," + std::to_string(r + 3) +
                                  "," + std::to_string(r + 14));
    state.neuerSchein = 3;
    state.land = 5;
    state.tippTop = 1;
    state.tippLeft = 2;
    state.languageIndex = 9;
    state.window = {640, 480, true};
    state.startDate = DrawCalendar::dayNumber(2020, 2, 29) + 0.25;
    state.internet = {"proxy.example", "3128", "http://updates.example/", true, "0,60", "1,20"};
    put({"Losnummer", std::string("Los 4711 – Größe")});
    state.ticketNumber = "Los 4711 – Größe";
    AppShell::shutDown(state, ports());

    const AppState again = startUp();
    EXPECT_EQ(Settings::values(again), Settings::values(state));
    EXPECT_EQ(again.maxRuns, state.settings.maxRuns());
}

TEST_F(SettingsTest, ABrokenStoreLosesNothingAndSaysSo) {
    registry.failWrites();
    AppState state = startUp();
    EXPECT_EQ(state.languageIndex, 0);
    EXPECT_TRUE(state.checkEnabled);
    EXPECT_THAT(state.status[1], ::testing::HasSubstr("Einstellungen"));

    AppShell::shutDown(state, ports());
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_THAT(prompts.shown[0],
                ::testing::StartsWith("Die Einstellungen konnten nicht gespeichert werden"));
}

TEST_F(SettingsTest, OptionsSetByNameKeepTheRunLimitCurrent) {
    AppState state = startUp();
    EXPECT_TRUE(Settings::setOption(state, "UpDown7", 3));
    EXPECT_EQ(state.maxRuns, 3000);
    EXPECT_FALSE(Settings::setOption(state, "Sprache", 3));
    EXPECT_TRUE(Settings::setOption(state, "maxRunsThousands", 4));
    EXPECT_EQ(state.maxRuns, 4000);
    // A readable name couples the spins as the control name does: the even numbers leave
    // room for the odd ones (2 of 6 even, so at most 4 odd, which leaves at most 2 even).
    ASSERT_EQ(state.settings.minEven.maximum(), 6);
    ASSERT_TRUE(Settings::setOption(state, "minOdd", 5));
    EXPECT_EQ(state.settings.minOdd.value(), 4);
    EXPECT_EQ(state.settings.minEven.maximum(), 2);
}

} // namespace
