// Runs powerball-cli as a user would and reads its JSON back.
#include "CliRun.h"
#include "TempFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>

using nlohmann::json;
using powerball::testing::ProgramRun;
using powerball::testing::runCli;
using powerball::testing::runProgram;
using powerball::testing::TempFolder;

namespace {

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::ofstream csv(folder.file("draws.csv"));
        csv << "date,white1,white2,white3,white4,white5,powerball,power_play\n"
               "2015-10-07,1,2,3,4,5,6,2\n"
               "2015-10-10,7,19,33,45,60,12,3\n"
               "2015-10-14,11,21,31,41,51,8,10\n";
        csv.close();
        ASSERT_EQ(cli({"import", folder.file("draws.csv").string()}).exitCode, 0);
    }

    // powerball-cli on the test's folder and settings, with a fixed day and JSON output.
    ProgramRun cli(const std::vector<std::string>& more) const {
        return runCli({"--folder", folder.path().string(), "--settings", settings().string(),
                       "--today", "2016-01-01", "--json"},
                      more);
    }

    std::filesystem::path settings() const { return folder.file("settings.reg"); }

    TempFolder folder;
};

TEST_F(CliTest, ImportAndListDraws) {
    const ProgramRun run = cli({"draws"});
    ASSERT_EQ(run.exitCode, 0);
    const json draws = json::parse(run.out)["draws"];
    ASSERT_EQ(draws.size(), 3u);
    EXPECT_EQ(draws[1], json::parse(R"({"index":1,"date":"2015-10-10","white":[7,19,33,45,60],
                                        "powerball":12,"power_play":3})"));
}

TEST_F(CliTest, DrawsBetweenTwoDaysAndTheNewestOnes) {
    struct Case {
        std::vector<std::string> filter;
        std::vector<int> indexes;
    };
    const std::vector<Case> cases{
        {{}, {0, 1, 2}},
        {{"--from", "2015-10-10"}, {1, 2}},
        {{"--to", "2015-10-10"}, {0, 1}},
        {{"--from", "2015-10-08", "--to", "2015-10-13"}, {1}},
        {{"--from", "2015-10-10", "--to", "2015-10-10"}, {1}},
        {{"--last", "2"}, {1, 2}},
        {{"--last", "5"}, {0, 1, 2}},
        {{"--to", "2015-10-10", "--last", "1"}, {1}},
        {{"--from", "2016-01-01"}, {}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments{"draws"};
        arguments.insert(arguments.end(), c.filter.begin(), c.filter.end());
        const ProgramRun run = cli(arguments);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        std::vector<int> indexes;
        const json listed = json::parse(run.out);
        for (const json& draw : listed["draws"])
            indexes.push_back(draw["index"]);
        EXPECT_EQ(indexes, c.indexes) << ::testing::PrintToString(c.filter);
    }
    for (const std::vector<std::string>& wrong :
         {std::vector<std::string>{"draws", "--last", "0"},
          {"draws", "--from", "10.10.2015"},
          {"draws", "--from", "2015-10-14", "--to", "2015-10-07"}})
        EXPECT_EQ(cli(wrong).exitCode, 1) << ::testing::PrintToString(wrong);
}

TEST_F(CliTest, CheckRowsAgainstTheDrawOfADate) {
    const ProgramRun run =
        cli({"check", "--date", "2015-10-09", "--row", "40,7,33,2,19,12,", "--row", "1,2"});
    ASSERT_EQ(run.exitCode, 0);
    const json result = json::parse(run.out);
    EXPECT_EQ(result["selected_date"], "2015-10-10");
    EXPECT_EQ(result["current_draw"]["index"], 1);
    EXPECT_EQ(result["draw_text"], "Sa 10.10.15    7  19  33  45  60 PB:12 PP:3");
    EXPECT_EQ(result["panel_draw_text"], result["draw_text"]);
    EXPECT_EQ(result["cross_sum_text"], "Quersumme: 164");
    const json& first = result["rows"][0];
    EXPECT_EQ(first["fields"], json::parse(R"(["2","7","19","33","40","12",""])"));
    EXPECT_EQ(
        first["field_colors"],
        json::parse(R"(["window","#00ff00","#00ff00","#00ff00","window","#ff0000","window"])"));
    EXPECT_EQ(first["hit_text"], "3 + PB");
    EXPECT_EQ(first["hit_color"], "#ff0000");
    EXPECT_EQ(first["cross_sum_text"], "101");
    EXPECT_EQ(result["rows"][1]["hit_text"], "");
    EXPECT_EQ(result["rows"].size(), 12u);
    EXPECT_EQ(result["histogram"]["with_pb"], json::parse("[0,0,0,1,0,0]"));
    EXPECT_EQ(result["sounds_played"], 1);
}

TEST_F(CliTest, CheckRefusesARowThatIsNoTipNamingRowAndValue) {
    // Numbers separated by blanks are a row as well.
    const ProgramRun blanks = cli({"check", "--date", "2015-10-10", "--row", "7 19 1 2 3 12"});
    ASSERT_EQ(blanks.exitCode, 0) << blanks.err;
    EXPECT_EQ(json::parse(blanks.out)["rows"][0]["hit_text"], "2 + PB");

    struct Case {
        const char* row;
        const char* value;
        const char* message;
    };
    const std::vector<Case> cases{
        {"1,2,3,4,99,6,", "99", "99 ist keine Zahl von 1 bis 69"},
        {"7,7,7,8,9,1,", "7", "Die Zahl 7 steht zweimal in der Reihe"},
        {"1,2,3,4,5,27,", "27", "27 ist keine Zahl von 1 bis 26"},
        {"1 2 x 4 5 6", "x", "x ist keine Zahl von 1 bis 69"},
        {"1,2,3,4,5,6,7,8", "1,2,3,4,5,6,7,8", "mehr als sieben Felder"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        const ProgramRun run =
            cli({"check", "--date", "2015-10-10", "--row", "1,2,3,4,5,6,", "--row", c.row});
        EXPECT_EQ(run.exitCode, 1);
        const json error = json::parse(run.out)["error"];
        EXPECT_EQ(error["row"], 2);
        EXPECT_EQ(error["value"], c.value);
        EXPECT_EQ(error["message"], c.message);
    }
    // As text: on the error stream, the row and the value named.
    std::vector<std::string> arguments{
        "--folder", folder.path().string(), "--settings", settings().string(), "check",
        "--date",   "2015-10-10",           "--row",      "1,2,3,4,99,6,"};
    const ProgramRun text = runProgram(POWERBALL_CLI, arguments);
    EXPECT_EQ(text.exitCode, 1);
    EXPECT_TRUE(text.out.empty());
    EXPECT_EQ(text.err, "powerball-cli: --row 1 (99): 99 ist keine Zahl von 1 bis 69\n");
}

TEST_F(CliTest, CheckNamesEachRowsPrizeAndTheTotal) {
    // Against 10 October 2015, Power Play 3.
    const ProgramRun run =
        cli({"check", "--date", "2015-10-10", "--row", "7,19,33,45,1,12,", "--row",
             "7,19,33,45,60,1,", "--row", "1,2,3,4,5,6,", "--row", "1,2"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json result = json::parse(run.out);
    const json& rows = result["rows"];
    const auto prize = [&rows](std::size_t row) {
        return json{rows[row]["tier"], rows[row]["prize_usd"], rows[row]["prize_power_play_usd"]};
    };
    EXPECT_EQ(prize(0), json::parse(R"(["4 + PB", 50000, 150000])"));
    EXPECT_EQ(prize(1), json::parse(R"(["5", 1000000, 2000000])"));
    EXPECT_EQ(prize(2), json::parse(R"(["none", 0, 0])"));
    EXPECT_EQ(prize(3), json::parse("[null, null, null]")); // not a checkable row
    EXPECT_EQ(rows[0]["hit_text"], "4 + PB");               // the fields of before stay
    EXPECT_EQ(result["total"], json::parse(R"({"prize_usd": 1050000,
                                               "prize_power_play_usd": 2150000, "jackpots": 0})"));

    // Before 7 October 2015 only the tier is known.
    std::ofstream(folder.file("old.csv")) << "date,white1,white2,white3,white4,white5,powerball,"
                                             "power_play\n2015-10-03,1,2,3,4,5,6,2\n";
    ASSERT_EQ(cli({"import", folder.file("old.csv").string()}).exitCode, 0);
    const json old =
        json::parse(cli({"check", "--date", "2015-10-03", "--row", "1,2,3,4,9,6,"}).out);
    EXPECT_EQ(old["rows"][0]["tier"], "4 + PB");
    EXPECT_EQ(old["rows"][0]["prize_usd"], nullptr);
    EXPECT_EQ(old["total"]["prize_usd"], 0);
}

TEST_F(CliTest, ImportReadsThePublicResultsAndListsTheLinesItSkips) {
    std::ofstream(folder.file("results.csv")) << "Draw Date,Winning Numbers,Multiplier\r\n"
                                                 "10/17/2015,05 10 15 20 25 26,\r\n"
                                                 "10/14/2015,11 21 31 41 51 08,10\r\n"
                                                 "10/10/2015,7 19 33 45 60 12,4\r\n"
                                                 "10/11/2015,7 19 33 45 60\r\n";
    const ProgramRun run = cli({"import", folder.file("results.csv").string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(json::parse(run.out), json::parse(R"({"imported": 3, "records": 4, "form": "public",
        "new": 1, "changed": 1, "unchanged": 1,
        "skipped": [{"line": 5, "reason":
            "expected a date, six numbers and a multiplier, not \"10/11/2015,7 19 33 45 60\""}]})"));
    // The skipped line on stderr in the language in use: the built-in German without Land/.
    EXPECT_NE(run.err.find("results.csv: Zeile 5: erwartet werden ein Datum, sechs Zahlen"),
              std::string::npos)
        << run.err;
    const json draws = json::parse(cli({"draws"}).out)["draws"];
    EXPECT_EQ(draws[1]["power_play"], 4);
    EXPECT_EQ(draws[3], json::parse(R"({"index":3,"date":"2015-10-17","white":[5,10,15,20,25],
                                        "powerball":26,"power_play":0})"));
}

TEST_F(CliTest, BrowseStepsFromADate) {
    const ProgramRun run = cli({"browse", "--date", "2015-10-14", "--previous", "5"});
    ASSERT_EQ(run.exitCode, 0);
    const json result = json::parse(run.out);
    EXPECT_EQ(result["current_draw"]["date"], "2015-10-07");
    EXPECT_EQ(result["current_draw"]["index"], 0);
    EXPECT_EQ(result["selected_date"], "2015-10-07");
    EXPECT_EQ(result["draw_text"], "Mi 07.10.15    1  2  3  4  5   PB: 6 PP: 2");
}

TEST_F(CliTest, ExitCodes) {
    EXPECT_EQ(cli({"check"}).exitCode, 1);      // no --date
    EXPECT_EQ(cli({"frobnicate"}).exitCode, 1); // no such command
    EXPECT_EQ(cli({"check", "--date", "2015-13-01"}).exitCode, 1);
    EXPECT_EQ(cli({"import", "/nonexistent/x.csv"}).exitCode, 2);
    std::ofstream(folder.file("header-only.csv")) << "date,white1\r\n\r\n";
    EXPECT_EQ(cli({"import", folder.file("header-only.csv").string()}).exitCode, 2);
    TempFolder empty;
    EXPECT_EQ(runProgram(POWERBALL_CLI, {"--folder", empty.path().string(), "--settings",
                                         empty.file("s.reg").string(), "draws"})
                  .exitCode,
              2);
    EXPECT_EQ(cli({"settings", "set", "Nonsense", "1"}).exitCode, 1);
    EXPECT_EQ(cli({"settings", "set", "UpDown1", "viele"}).exitCode, 1);
    EXPECT_EQ(cli({"settings", "set", "DateTimePicker2", "10.10.2015"}).exitCode, 1);
    EXPECT_EQ(cli({"settings", "show", "extra"}).exitCode, 1);
    EXPECT_EQ(cli({"--set", "Sprache=3", "settings", "show"}).exitCode, 1);
    EXPECT_EQ(cli({"settings", "show", "--set", "UpDown12"}).exitCode, 1);
}

TEST_F(CliTest, SettingsAreStoredAndTakenAsTheControlsTakeThem) {
    const std::vector<std::pair<std::string, std::string>> sets{{"UpDown18", "500"},
                                                                {"CheckBox31", "0"},
                                                                {"UpDown6", "7"},
                                                                {"Edit1", "75"},
                                                                {"Edit2", "07"},
                                                                {"ProxyHostEdit", "Müller \"7\""},
                                                                {"DateTimePicker2", "2015-12-30"},
                                                                {"Sprache", "5"},
                                                                {"Losnummer", "4711"}};
    for (const auto& [name, value] : sets)
        ASSERT_EQ(cli({"settings", "set", name, value}).exitCode, 0) << name;
    const ProgramRun run = cli({"settings", "show"});
    ASSERT_EQ(run.exitCode, 0);
    const json shown = json::parse(run.out);
    EXPECT_EQ(shown["UpDown18"], 128);
    EXPECT_EQ(shown["Chekcbox31"], false);
    EXPECT_EQ(shown["UpDown6"], 5);
    EXPECT_EQ(shown["Edit1"], "75"); // kept as typed; the check marks the row
    EXPECT_EQ(shown["Edit2"], "7");
    EXPECT_EQ(shown["ProxyHostEdit"], "Müller \"7\"");
    EXPECT_EQ(shown["ProxyPortEdit"], "80");
    EXPECT_EQ(shown["DateTimePicker2"], "1997-11-05"); // within a week of --today
    EXPECT_EQ(shown["Sprache"], 5);
    EXPECT_EQ(shown["Losnummer"], "4711");
    EXPECT_EQ(shown["UpDown12"], 30);

    // An override holds for one run only, until it is saved.
    EXPECT_EQ(json::parse(cli({"--set", "UpDown12=90", "settings", "show"}).out)["UpDown12"], 75);
    EXPECT_EQ(json::parse(cli({"settings", "show"}).out)["UpDown12"], 30);
    ASSERT_EQ(cli({"settings", "save", "--set", "RadioButton2=1"}).exitCode, 0);
    const json saved = json::parse(cli({"settings", "show"}).out);
    EXPECT_EQ(saved["RadioButton1"], false);
    EXPECT_EQ(saved["RadioButton2"], true);
    EXPECT_EQ(saved["UpDown18"], 128);
}

TEST_F(CliTest, OptionsByTheirReadableNames) {
    ASSERT_EQ(cli({"settings", "set", "preferPairs", "1"}).exitCode, 0);
    ASSERT_EQ(cli({"settings", "set", "rowCount", "7"}).exitCode, 0);
    const json shown = json::parse(cli({"--set", "languageFormats=1", "settings", "show"}).out);
    // Stored under the names the settings file has always used.
    EXPECT_EQ(shown["Chekcbox1"], true);
    EXPECT_EQ(shown["UpDown8"], 7);
    EXPECT_EQ(shown["Chekcbox32"], true);
    EXPECT_FALSE(shown.contains("preferPairs"));

    std::filesystem::copy(std::filesystem::path(POWERBALL_SOURCE_DIR) / "data" / "Land",
                          folder.file("Land"));
    const ProgramRun text =
        runProgram(POWERBALL_CLI, {"--folder", folder.path().string(), "--settings",
                                   settings().string(), "--lang", "2", "settings", "show"});
    ASSERT_EQ(text.exitCode, 0) << text.err;
    const std::string lines = "\n" + text.out;
    const auto lineOf = [&lines](const std::string& start) {
        const std::size_t at = lines.find("\n" + start);
        return at == std::string::npos ? std::string()
                                       : lines.substr(at + 1, lines.find('\n', at + 1) - at - 1);
    };
    EXPECT_NE(lineOf("Chekcbox1=1 ").find(" preferPairs "), std::string::npos) << text.out;
    EXPECT_NE(lineOf("UpDown8=7 ").find(" rowCount"), std::string::npos) << text.out;
    EXPECT_NE(
        lineOf("Chekcbox32=0 ").find("languageFormats              Dates and numbers in the "),
        std::string::npos)
        << text.out;
    EXPECT_EQ(lineOf("Losnummer="), "Losnummer=");
}

TEST_F(CliTest, ADamagedSettingsFileIsKeptAside) {
    std::ofstream(settings()) << "kein Registry-Text";
    const ProgramRun run = cli({"settings", "show"});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(json::parse(run.out)["Sprache"], 2);
    EXPECT_TRUE(std::filesystem::exists(settings().string() + ".damaged"));
}

TEST_F(CliTest, ASaveOverValuesThatCouldNotBeReadKeepsTheOldFileOnce) {
    ASSERT_EQ(cli({"settings", "set", "UpDown12", "40"}).exitCode, 0);
    ASSERT_EQ(cli({"settings", "save"}).exitCode, 0);
    std::ifstream in(settings(), std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const auto height = text.find("\"height\"=");
    ASSERT_NE(height, std::string::npos);
    text.replace(height, text.find('\r', height) - height, "\"height\"=hex:01");
    std::ofstream(settings(), std::ios::binary) << text;

    const std::vector<std::string> save{
        "--folder", folder.path().string(), "--settings", settings().string(), "settings", "save"};
    ProgramRun run = runProgram(POWERBALL_CLI, save);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string copy = settings().string() + ".bak";
    EXPECT_NE(run.err.find(copy), std::string::npos) << run.err;
    std::ifstream kept(copy, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), text);

    run = runProgram(POWERBALL_CLI, save); // told once: the file reads well again
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err.find(".bak"), std::string::npos) << run.err;
}

} // namespace
