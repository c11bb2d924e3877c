// --lang: the commands speak a language's message file; without it the settings' language,
// else the locale's, else English. The text output speaks that one language.
#include "ChildProcess.h"
#include "FakeHttpServer.h"
#include "TempFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>

using nlohmann::json;
using powerball::testing::runProgram;
using powerball::testing::TempFolder;

namespace fs = std::filesystem;

namespace {

// A German user's locale unless a test says otherwise: the runs never depend on the
// machine's own.
const std::vector<std::string> kGermanLocale{"LC_ALL=", "LC_MESSAGES=", "LANG=de_DE.UTF-8"};

json messages(const TempFolder& folder, std::vector<std::string> language,
              const std::vector<std::string>& environment = kGermanLocale) {
    std::vector<std::string> arguments{"--folder", folder.path().string(), "--settings",
                                       folder.file("settings.reg").string(), "--json"};
    arguments.insert(arguments.end(), language.begin(), language.end());
    arguments.push_back("messages");
    const auto run = runProgram(POWERBALL_CLI, arguments, environment);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return json::parse(run.out)["messages"];
}

TEST(LanguageCli, MessagesComeInTheChosenLanguage) {
    TempFolder folder;
    fs::copy(fs::path(POWERBALL_SOURCE_DIR) / "data" / "Land", folder.file("Land"));
    EXPECT_EQ(messages(folder, {})[42], "Stoppen");
    EXPECT_EQ(messages(folder, {"--lang", "2"})[42], "Stop");
    EXPECT_EQ(messages(folder, {"--lang", "1"})[42], "Stoppen");
    EXPECT_EQ(messages(folder, {"--lang", "2"}).size(), 265u);
    EXPECT_EQ(messages(folder, {"--lang", "2"})[93], "Import draws");

    const auto wrong = runProgram(POWERBALL_CLI, {"--lang", "10", "messages"});
    EXPECT_EQ(wrong.exitCode, 1);
}

TEST(LanguageCli, WithoutLangTheSettingsThenTheLocaleThenEnglish) {
    struct Case {
        const char* stored; // "Sprache" in the settings file, or none
        std::vector<std::string> environment;
        const char* stop; // message 42 in the language expected
        const char* why;
    };
    const std::vector<Case> cases{
        {"6",
         {"LC_ALL=fr_FR.UTF-8", "LC_MESSAGES=", "LANG=de_DE.UTF-8"},
         "Остановить",
         "the settings' language before the locale"},
        {nullptr,
         {"LC_ALL=fr_FR.UTF-8", "LC_MESSAGES=de_DE", "LANG=de_DE.UTF-8"},
         "Arrêter",
         "LC_ALL first"},
        {nullptr,
         {"LC_ALL=", "LC_MESSAGES=ru_RU.UTF-8", "LANG=de_DE.UTF-8"},
         "Остановить",
         "LC_MESSAGES before LANG"},
        {nullptr, {"LC_ALL=", "LC_MESSAGES=", "LANG=de_DE.UTF-8"}, "Stoppen", "LANG last"},
        {nullptr,
         {"LC_ALL=C", "LC_MESSAGES=", "LANG=de_DE.UTF-8"},
         "Stop",
         "a locale without a language of ours: English"},
        {nullptr, {"LC_ALL=", "LC_MESSAGES=", "LANG="}, "Stop", "no locale: English"},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        fs::copy(fs::path(POWERBALL_SOURCE_DIR) / "data" / "Land", folder.file("Land"));
        if (c.stored) {
            ASSERT_EQ(runProgram(POWERBALL_CLI, {"--settings", folder.file("settings.reg").string(),
                                                 "settings", "set", "Sprache", c.stored})
                          .exitCode,
                      0);
        }
        EXPECT_EQ(messages(folder, {}, c.environment)[42], c.stop) << c.why;
        // --lang wins over both.
        EXPECT_EQ(messages(folder, {"--lang", "2"}, c.environment)[42], "Stop") << c.why;
    }
}

// The shipped language files and three October 2015 draws to import, with `more` lines after
// them.
void writeLanguagesAndDraws(const TempFolder& folder, const std::string& more = "") {
    fs::copy(fs::path(POWERBALL_SOURCE_DIR) / "data" / "Land", folder.file("Land"));
    std::ofstream(folder.file("draws.csv"))
        << "date,white1,white2,white3,white4,white5,powerball,power_play\n"
           "2015-10-07,1,2,3,4,5,6,2\n"
           "2015-10-10,7,19,33,45,60,12,3\n"
           "2015-10-14,11,21,31,41,51,8,10\n"
        << more;
}

// The text of a check and of a generator run in English and in German: each in one language,
// the weekday included, the rows that are filled only.
TEST(LanguageCli, TextOutputSpeaksOneLanguage) {
    TempFolder folder;
    writeLanguagesAndDraws(folder);
    const auto cli = [&](const std::string& language, std::vector<std::string> more) {
        std::vector<std::string> arguments{
            "--folder", folder.path().string(), "--settings", folder.file("settings.reg").string(),
            "--today",  "2016-01-01",           "--lang",     language};
        arguments.insert(arguments.end(), more.begin(), more.end());
        const auto run = runProgram(POWERBALL_CLI, arguments, kGermanLocale);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return run.out;
    };
    ASSERT_FALSE(cli("1", {"import", folder.file("draws.csv").string()}).empty());
    const std::vector<std::string> check{"check", "--date", "2015-10-10", "--row",
                                         "7,19,33,45,1,12"};
    const std::vector<std::string> generate{"generate", "--seed", "7", "--rows", "2"};

    struct Case {
        const char* language;
        std::vector<std::string> mustHave;
        std::vector<std::string> mustNotHave;
    };
    const std::vector<Case> cases{
        {"2",
         {"Selected date: 10.10.2015", "Sat 10.10.15", "Play 1:", "Hits: 4 + PB",
          "Sum: ", "Prize tier: 4 + PB", "$50,000"},
         {"Quersumme", "Tipp", "Treffer", "Gewinn", "Sa 10.10.15", "$50.000", "Status: \n",
          "Klänge", "Berechnungsläufe", "50.000"}},
        {"1",
         {"Gewählter Tag: 10.10.2015", "Sa 10.10.15", "1. Tipp:", "Treffer: 4 + PB",
          "Quersumme: ", "Gewinnklasse: 4 + PB", "50.000 $"},
         {"hits", "cross sum", "Selected", "Sat ", "Sounds", "$50", "Status: \n", "Calculation"}},
    };
    for (const Case& c : cases) {
        const std::string checked = cli(c.language, check);
        const std::string generated = cli(c.language, generate);
        std::cout << checked << generated; // what a reader sees, for the record of the run
        for (const std::string& text : c.mustHave)
            EXPECT_NE(checked.find(text), std::string::npos) << c.language << ": " << text;
        // The rows the run filled and no others; the sound of the hit is told.
        const bool english = c.language == std::string("2");
        EXPECT_EQ(checked.find(english ? "Play 2" : "2. Tipp"), std::string::npos);
        EXPECT_NE(generated.find(english ? "Play 2:" : "2. Tipp:"), std::string::npos);
        EXPECT_EQ(generated.find(english ? "Play 3" : "3. Tipp"), std::string::npos);
        EXPECT_NE(checked.find(english ? "Sounds played: 1" : "Abgespielte Klänge: 1"),
                  std::string::npos);
        for (const std::string& text : c.mustNotHave) {
            EXPECT_EQ(checked.find(text), std::string::npos) << c.language << ": " << text;
            EXPECT_EQ(generated.find(text), std::string::npos) << c.language << ": " << text;
        }
    }
    const std::string verbose = cli("2", {"--verbose", "check", "--date", "2015-10-10"});
    EXPECT_NE(verbose.find("Play 12:"), std::string::npos);
    EXPECT_NE(verbose.find("Sounds played: 0"), std::string::npos);
    EXPECT_NE(cli("2", {"check", "--date", "2015-10-10"}).find("No filled plays"),
              std::string::npos);
}

// English labels the text output of the verbs once had; another language shows none of them.
const std::vector<std::string> kEnglishLabels{
    "saved to",       "written to",   "copied to",      "draws imported", "records in",
    "lines skipped",  " skipped: ",   "days requested", "draws appended", "Results file",
    "Message of the", "Shown draw",   "Caption:",       "Value axis",     "automatic",
    "fixed",          "rejected",     "Threshold:",     "Hit:",           "The search",
    "Draw:",          "The analysis", "Stored ",        "Removed ",       "records of",
    "Hand-over file", "Click script", "Filled script",  "Arguments:",     "Started ",
    "(missing)",      " No\n",        "new, ",          "unchanged",      "changed",
    "hits",           "Report",       "Line ",          "line "};

// A verb's JSON without the texts it hands on as the window shows them (a chart's caption,
// the lines of a report), which speak the language in use; keys, their order, numbers and
// dates stay as they are.
std::string languageFree(const std::string& text) {
    nlohmann::ordered_json data = nlohmann::ordered_json::parse(text);
    data.erase("caption");
    data.erase("report");
    return data.dump();
}

// Every verb once in German, Russian and English on the same files: the text holds none of
// the English labels above in German or Russian, and the JSON is the same in all three but
// for the texts the window shows.
TEST(LanguageCli, EveryVerbSpeaksTheChosenLanguageAndItsJsonNone) {
    TempFolder folder;
    writeLanguagesAndDraws(folder, "2015-10-15,1,2,3\n");
    std::ofstream(folder.file("tips.vlt")) << "7,19,33,45,1,12,\r\n3,17,22,45,61,9,\r\n";
    std::ofstream(folder.file("Lotto.vks")) << "[Z1_1]\r\n";

    powerball::testing::FakeHttpServer feed;
    feed.routes().Get("/results.csv", [](const httplib::Request&, httplib::Response& response) {
        response.set_content("Draw Date,Winning Numbers,Multiplier\r\n"
                             "10/17/2015,05 10 15 20 25 26,2\r\n"
                             "10/14/2015,11 21 31 41 51 09,10\r\n"
                             "10/10/2015,07 19 33 45 60 12,3\r\n"
                             "10/11/2015,7 19\r\n",
                             "text/csv");
    });
    feed.start();

    const fs::path out = folder.file("out");
    const auto cli = [&](const std::vector<std::string>& more) {
        std::vector<std::string> arguments{"--folder",   folder.path().string(),
                                           "--settings", folder.file("settings.reg").string(),
                                           "--today",    "2015-10-24"};
        arguments.insert(arguments.end(), more.begin(), more.end());
        return runProgram(POWERBALL_CLI, arguments, kGermanLocale);
    };
    ASSERT_EQ(cli({"import", folder.file("draws.csv").string()}).exitCode, 0);
    ASSERT_EQ(cli({"tips", "load", folder.file("tips.vlt").string()}).exitCode, 0);
    const std::string drawFile = folder.file("Powerball.dat").string();
    const auto copyOf = [](const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::string draws = copyOf(drawFile);
    const std::string settings = copyOf(folder.file("settings.reg"));
    // Each run starts from the same files, so that the languages see the same state.
    const auto reset = [&] {
        std::ofstream(drawFile, std::ios::binary | std::ios::trunc) << draws;
        std::ofstream(folder.file("settings.reg"), std::ios::binary | std::ios::trunc) << settings;
        fs::remove(drawFile + ".feed");
        fs::remove_all(out);
        fs::create_directory(out);
    };

    const std::vector<std::vector<std::string>> verbs{
        {"import", folder.file("draws.csv").string()},
        {"update", "--source", "feed", "--url", feed.base() + "/results.csv"},
        {"stats", "frequency"},
        {"stats", "pairs", "--start", "2015-10-07"},
        {"filters"},
        {"search", "--start", "2015-10-07", "--selected", "2015-10-20", "--threshold", "3"},
        {"analyse", "settings", "--from", "2015-10-10", "--lucky", "7", "--report",
         (out / "report.txt").string()},
        {"analyse", "draws", "--from", "2015-10-10", "--threshold", "1"},
        {"analyse", "draws", "--from", "2015-10-10", "--threshold", "1", "--first"},
        {"enter", "--date", "2015-10-17", "--white", "1,2,3,4,5", "--pb", "6", "--pp", "2"},
        {"delete", "--date", "2015-10-10"},
        {"draws"},
        {"tips", "save", (out / "saved.vlt").string()},
        {"print", "--out", (out / "Tipp.txt").string()},
        {"handover", "--no-start", "--script", folder.file("Lotto.vks").string()},
        {"settings", "save"},
        {"paths"},
    };
    for (const std::vector<std::string>& verb : verbs) {
        const std::string name = verb[0] + (verb.size() > 1 ? " " + verb[1] : "");
        std::optional<std::string> json;
        for (const char* language : {"1", "6", "2"}) {
            std::vector<std::string> arguments{"--lang", language};
            arguments.insert(arguments.end(), verb.begin(), verb.end());
            reset();
            const auto text = cli(arguments);
            EXPECT_EQ(text.exitCode, 0) << name << ' ' << language << ": " << text.err;
            if (language != std::string("2"))
                for (const std::string& label : kEnglishLabels) {
                    EXPECT_EQ(text.out.find(label), std::string::npos)
                        << name << ' ' << language << ": \"" << label << "\" in\n"
                        << text.out;
                    EXPECT_EQ(text.err.find(label), std::string::npos)
                        << name << ' ' << language << ": \"" << label << "\" in\n"
                        << text.err;
                }
            arguments.insert(arguments.begin(), "--json");
            reset();
            const std::string data = languageFree(cli(arguments).out);
            if (!json)
                json = data;
            EXPECT_EQ(data, *json) << name << ": the JSON of --lang " << language;
        }
    }
}

// Each verb's failure on stderr speaks the chosen language: the English text of a failure
// shows in English only, and the exit code is the same in every language.
TEST(LanguageCli, FailuresSpeakTheChosenLanguage) {
    TempFolder folder;
    writeLanguagesAndDraws(folder);
    std::ofstream(folder.file("empty.csv"))
        << "date,white1,white2,white3,white4,white5,powerball,power_play\n";
    fs::create_directory(folder.file("Lotto.vks"));
    const auto cli = [&](const std::string& language, const std::vector<std::string>& more) {
        std::vector<std::string> arguments{
            "--folder", folder.path().string(), "--settings", folder.file("settings.reg").string(),
            "--today",  "2015-10-24",           "--lang",     language};
        arguments.insert(arguments.end(), more.begin(), more.end());
        return runProgram(POWERBALL_CLI, arguments, kGermanLocale);
    };
    ASSERT_EQ(cli("2", {"import", folder.file("draws.csv").string()}).exitCode, 0);

    struct Case {
        std::vector<std::string> arguments;
        int exitCode;
        const char* english; // a part of the English failure
    };
    const std::vector<std::string> thirteenRows = [] {
        std::vector<std::string> rows{"check", "--date", "2015-10-10"};
        for (int r = 0; r < 13; ++r)
            rows.insert(rows.end(), {"--row", "1,2,3,4,5,6,"});
        return rows;
    }();
    const std::vector<Case> cases{
        {{"import", folder.file("empty.csv").string()}, 2, "holds no draws: nothing was stored"},
        {{"handover", "--no-start"}, 2, "no click script: give --script FILE"},
        {{"handover", "--no-start", "--script", folder.file("Gone.vks").string()},
         2,
         "\" is missing"},
        {{"handover", "--no-start", "--script", folder.file("Lotto.vks").string()},
         2,
         "is a folder, not a file"},
        {{"analyse", "settings", "--from", "2015-10-10", "--lucky", "0"},
         2,
         "the settings analysis did not run"},
        {{"analyse", "draws", "--from", "2015-10-14", "--threshold", "1"},
         2,
         "the draw analysis did not run"},
        {{"check", "--date", "2015-10-10", "--row", "1,2,3,4,5,6,7,8"},
         1,
         "more than seven fields"},
        {thirteenRows, 1, "at most 12 --row"},
        {{"check", "--date", "1990-01-01"}, 1, "the earliest date to select is"},
        {{"delete", "--date", "1990-01-01"}, 1, "no draw is stored before"},
        {{"delete", "--date", "2015-10-08"}, 2, "No draw is stored for"},
    };
    for (const Case& c : cases) {
        const std::string name = c.arguments[0] + ' ' + c.arguments.back();
        for (const char* language : {"2", "1", "6"}) {
            const auto run = cli(language, c.arguments);
            EXPECT_EQ(run.exitCode, c.exitCode) << name << ' ' << language << ": " << run.err;
            const bool english = language == std::string("2");
            EXPECT_EQ(run.err.find(c.english) != std::string::npos, english)
                << name << ' ' << language << ": \"" << c.english << "\" in\n"
                << run.err;
        }
    }
}

} // namespace
