// The tip sheet's verbs: tip files, the printed listing and the hand-over to the click tool,
// through real files and the real settings file.
#include "ChildProcess.h"
#include "ClosedPort.h"
#include "TempFolder.h"

#include "app/Settings.h"
#include "platform/registry/RegistryFileStore.h"
#include "ports/RegistryKey.h"
#include "rules/handover/ClickScript.h"
#include "rules/sheet/TipSheet.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <chrono>
#include <fstream>
#include <iterator>
#include <optional>
#include <thread>

using nlohmann::json;
using powerball::ClickScript::kToolKey;
using powerball::testing::ClosedPort;
using powerball::testing::draw;
using powerball::testing::ProgramRun;
using powerball::testing::readText;
using powerball::testing::runProgram;
using powerball::testing::TempFolder;
using powerball::testing::writeDrawFile;
using powerball::testing::writeText;

namespace fs = std::filesystem;

namespace {

// The stand-in click tool records its arguments in one rename; nothing after a generous
// wait means it was never started.
std::optional<std::string> waitForFile(const fs::path& file) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline) {
        if (fs::exists(file))
            return readText(file);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return std::nullopt;
}

std::string nulJoined(const std::vector<std::string>& arguments) {
    std::string joined;
    for (const std::string& argument : arguments)
        joined += argument + '\0';
    return joined;
}

class TipCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeDrawFile(folder, {draw("2015-10-07", {1, 2, 3, 4, 5}, 6, 2),
                               draw("2015-10-10", {7, 19, 33, 45, 60}, 12, 3),
                               draw("2015-10-14", {11, 21, 31, 41, 51}, 8, 4)});
        // The script update of a hand-over must not reach a server someone runs here.
        storeValue(powerball::Settings::kKey, "URLEdit", noServer.base());
    }

    // powerball-cli on the test's folder and settings, on a fixed day.
    ProgramRun cli(const std::vector<std::string>& more, bool json = true) const {
        std::vector<std::string> arguments{"--folder",   folder.path().string(),
                                           "--settings", settings().string(),
                                           "--today",    "2016-01-01"};
        if (json)
            arguments.push_back("--json");
        arguments.insert(arguments.end(), more.begin(), more.end());
        return runProgram(POWERBALL_CLI, arguments);
    }

    json cliJson(const std::vector<std::string>& more) const {
        const ProgramRun run = cli(more);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return run.exitCode == 0 ? json::parse(run.out) : json();
    }

    fs::path settings() const { return folder.file("settings.reg"); }

    void storeValue(const std::string& key, const std::string& name,
                    const std::string& value) const {
        powerball::RegistryFileStore store(settings());
        powerball::RegistryKey opened(store, key);
        opened.writeString(name, value);
        opened.close();
    }

    std::optional<std::string> storedValue(const std::string& key, const std::string& name) const {
        powerball::RegistryFileStore store(settings());
        return powerball::RegistryKey(store, key).readString(name);
    }

    // The sheet as the window leaves it in the settings: a tip line per row from the top.
    void storeSheet(const std::vector<std::string>& lines) const {
        powerball::TipSheet sheet;
        for (std::size_t r = 0; r < lines.size(); ++r)
            sheet.setLine(static_cast<int>(r), lines[r]);
        powerball::RegistryFileStore store(settings());
        powerball::RegistryKey key(store, powerball::Settings::kKey);
        for (int r = 0; r < powerball::TipSheet::kRowCount; ++r)
            for (int f = 0; f < powerball::TipRow::kFieldCount; ++f)
                key.writeString(powerball::TipSheet::fieldName(r, f), sheet.field(r, f));
        key.close();
    }

    // A click script that shows every kind of placeholder of the first two hand-over lines.
    fs::path writeScript() const {
        const fs::path script = folder.file("Script") / "Lotto.vks";
        writeText(script, "[Z1_1] [Z2_1] [Z3_1] [Z4_1] [Z5_1] PB [S1_1] ([S2_1])\r\n"
                          "[Z1_2] PB [S1_2] ([S2_2]) [Z1_3]|\r\n"
                          "[TIPPDATEI] [MELDUNGFERTIG]\r\n");
        return script;
    }

    // The stand-in click tool in a folder of its own, stored as the tool's folder.
    fs::path installTool() const {
        const fs::path tool = folder.file("Klickwerk") / powerball::ClickScript::kToolFile;
        fs::create_directories(tool.parent_path());
        fs::copy_file(POWERBALL_SOURCE_DIR "/tests/support/pilotex-stand-in.sh", tool);
        fs::permissions(tool, fs::perms::owner_exec, fs::perm_options::add);
        storeValue(kToolKey, "Path", tool.parent_path().string());
        return tool;
    }

    TempFolder folder;
    ClosedPort noServer; // the update server of every hand-over: nothing answers there
};

TEST_F(TipCliTest, TipFilesRoundTripThroughTheSettings) {
    struct Case {
        const char* name;
        std::string file;
        std::string saved; // what `tips save` writes after the load
    };
    const std::vector<Case> cases{
        {"CR LF", "3,17,22,45,61,9,5\r\n10,20,30,40,50,7,\r\n",
         "3,17,22,45,61,9,5\r\n10,20,30,40,50,7,\r\n"},
        {"LF", "3,17,22,45,61,9,5\n10,20,30,40,50,7,\n",
         "3,17,22,45,61,9,5\r\n10,20,30,40,50,7,\r\n"},
        {"no line end at the end", "3,17,22,45,61,9,5\r\n10,20,30,40,50,7,",
         "3,17,22,45,61,9,5\r\n10,20,30,40,50,7,\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        storeSheet({"1,2,3,4,5,6,", "", "", "", "", "", "", "", "", "", "", "8,9,10,11,12,13,1"});
        writeText(folder.file("in.vlt"), c.file);

        const json loaded =
            cliJson({"tips", "load", folder.file("in.vlt").string(), "--date", "2015-10-10"});
        EXPECT_EQ(loaded["tip_file"], folder.file("in.vlt").string());
        EXPECT_EQ(loaded["settings_file"], settings().string());
        EXPECT_EQ(loaded["selected_date"], "2015-10-10");
        EXPECT_EQ(loaded["rows"][0]["fields"], json::parse(R"(["3","17","22","45","61","9","5"])"));
        EXPECT_EQ(loaded["rows"][0]["hit_text"], "1");
        EXPECT_EQ(loaded["rows"][1]["fields"], json::parse(R"(["10","20","30","40","50","7",""])"));
        // Every row the file does not fill is emptied, the last one too.
        EXPECT_EQ(loaded["rows"][11]["fields"], json::parse(R"(["","","","","","",""])"));

        const json saved = cliJson({"tips", "save", folder.file("out.vlt").string()});
        EXPECT_EQ(saved["tip_file"], folder.file("out.vlt").string());
        EXPECT_EQ(readText(folder.file("out.vlt")), c.saved);
    }
}

TEST_F(TipCliTest, LoadPrintsTheCheckAsCheckDoes) {
    writeText(folder.file("in.vlt"), "40,7,33,2,19,12,\r\n");
    const ProgramRun load =
        cli({"tips", "load", folder.file("in.vlt").string(), "--date", "2015-10-10"}, false);
    const ProgramRun check =
        cli({"check", "--date", "2015-10-10", "--row", "40,7,33,2,19,12,"}, false);
    ASSERT_EQ(load.exitCode, 0) << load.err;
    ASSERT_EQ(check.exitCode, 0) << check.err;
    // Without the language files the built-in German texts speak.
    EXPECT_EQ(load.out, "Tipps geladen aus " + folder.file("in.vlt").string() + "\n" + check.out +
                            "Schein gespeichert in " + settings().string() + "\n");
}

TEST_F(TipCliTest, FileErrorsNameTheFileAndChangeNothing) {
    struct Case {
        std::vector<std::string> arguments;
        std::string file;
    };
    const std::string missing = folder.file("missing").string();
    const std::vector<Case> cases{
        {{"tips", "load", missing + ".vlt"}, missing + ".vlt"},
        {{"tips", "save", missing + "/out.vlt"}, missing + "/out.vlt"},
        {{"print", "--out", missing + "/Tipp.txt"}, missing + "/Tipp.txt"},
    };
    storeSheet({"3,17,22,45,61,9,5"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments[1]);
        const ProgramRun run = cli(c.arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_NE(run.err.find("\"" + c.file + "\": No such file or directory"), std::string::npos)
            << run.err;
        EXPECT_EQ(storedValue(powerball::Settings::kKey, "Edit1"), "3");
    }
}

TEST_F(TipCliTest, PrintWritesTheListing) {
    struct Case {
        std::vector<std::string> arguments;
        fs::path listing;
        const char* title; // the first draw day after the shown draw
    };
    const std::string header = "Velmars Dediv-Tipp für  ";
    const std::vector<Case> cases{
        // Today's draw is the one of 14 October, a Wednesday.
        {{"print"}, folder.file("Tipp.txt"), "17.10.2015"},
        {{"print", "--out", folder.file("tips.txt").string()},
         folder.file("tips.txt"),
         "17.10.2015"},
        {{"print", "--date", "2015-10-07"}, folder.file("Tipp.txt"), "10.10.2015"},
    };
    storeSheet({"3,17,22,45,61,9,5", "", "10,20,30,40,50,7,"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.listing.string() + " " + c.title);
        fs::remove(folder.file("Tipp.txt"));

        const json result = cliJson(c.arguments);

        EXPECT_EQ(result["listing"], c.listing.string());
        EXPECT_EQ(readText(c.listing),
                  header + c.title + "\r\n" + std::string(46, '~') + "\r\n\r\n" +
                      " 1. Velmars Dediv-Tipp für :  3   17   22   45   61   PowerBall:  9\r\n"
                      " 3.Velmars Dediv-Tipp für : 10   20   30   40   50   PowerBall:  7\r\n");
        if (c.listing != folder.file("Tipp.txt")) {
            EXPECT_FALSE(fs::exists(folder.file("Tipp.txt")));
        }
    }
}

TEST_F(TipCliTest, PrintRefusesARowThatIsNotAllNumbers) {
    struct Case {
        std::vector<std::string> sheet;
        std::vector<std::string> arguments;
        fs::path listing;
        const char* reason;
    };
    const std::vector<Case> cases{
        {{"1,2,3,4,5,,"}, {"print"}, folder.file("Tipp.txt"), "the Powerball of row 1 is empty"},
        {{"3,17,22,45,61,9,", "", "1,2,,4,5,6,"},
         {"print", "--out", folder.file("tips.txt").string()},
         folder.file("tips.txt"),
         "white number 3 of row 3 is empty"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        storeSheet(c.sheet);
        const ProgramRun run = cli(c.arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_FALSE(fs::exists(c.listing));
    }
}

TEST_F(TipCliTest, HandOverWithoutStartFillsTheScript) {
    storeSheet({"3,17,22,45,61,9,5", "10,20,30,40,50,7,"});
    const fs::path script = writeScript();
    const fs::path handOver = folder.file("Tipps") / "20151017.vlt";
    const fs::path filled = folder.file("Tipps") / "20160101.vks";

    const json result = cliJson({"handover", "--date", "2015-10-10", "--no-start", "--zahl1", "3",
                                 "--text1", "a b", "--text2", ""});

    EXPECT_EQ(result["hand_over_file"], handOver.string());
    EXPECT_EQ(result["outcome"], "filled");
    EXPECT_EQ(result["tool"], nullptr); // no tool is needed and none is stored
    EXPECT_EQ(result["script"], script.string());
    EXPECT_EQ(result["filled_copy"], filled.string());
    const json arguments = json::array({"START", filled.string(), "3", "a b", "0", ""});
    EXPECT_EQ(result["arguments"], arguments);
    EXPECT_EQ(result["started"], false);
    EXPECT_EQ(result["script_updated"], false);
    EXPECT_EQ(readText(handOver), "3,17,22,45,61,9,5\r\n10,20,30,40,50,7,\r\n");
    EXPECT_EQ(readText(filled), "3 17 22 45 61 PB 9 (5)\r\n"
                                "10 PB 7 () |\r\n" +
                                    handOver.string() + " Ready to Play\r\n");

    // The dialog's values are kept, and the next hand-over starts from them.
    EXPECT_EQ(storedValue(kToolKey, "ZudarAvodaScript"), script.string());
    EXPECT_EQ(storedValue(kToolKey, "ZudarAvodaText1"), "a b");
    EXPECT_EQ(storedValue(kToolKey, "ZudarAvodaZahl2"), "0");
    EXPECT_EQ(cliJson({"handover", "--date", "2015-10-10", "--no-start"})["arguments"], arguments);
}

TEST_F(TipCliTest, HandOverStartsTheToolWithItsArgumentsAsTheyStand) {
    storeSheet({"3,17,22,45,61,9,5"});
    writeScript();
    const fs::path otherScript = folder.file("Other.vks");
    writeText(otherScript, "[Z1_1]\r\n");
    const fs::path tool = installTool();
    const std::string text2 = "He said \"go\"  twice";
    const fs::path filled = folder.file("Tipps") / "20160101.vks";

    const json result = cliJson({"handover", "--script", otherScript.string(), "--zahl1", "12",
                                 "--text1", "first text", "--zahl2", "", "--text2", text2});

    const std::vector<std::string> arguments{"START", filled.string(), "12", "first text", "0",
                                             text2};
    EXPECT_EQ(result["outcome"], "filled");
    EXPECT_EQ(result["tool"], tool.string());
    EXPECT_EQ(result["script"], otherScript.string());
    EXPECT_EQ(result["arguments"], json(arguments));
    EXPECT_EQ(result["started"], true);
    EXPECT_EQ(readText(filled), "3\r\n");
    const std::optional<std::string> recorded = waitForFile(tool.parent_path() / "arguments");
    ASSERT_TRUE(recorded) << "the click tool was not started";
    EXPECT_EQ(*recorded, nulJoined(arguments));
}

TEST_F(TipCliTest, HandOverThatCannotReachTheToolSaysWhy) {
    struct Case {
        const char* name;
        std::optional<std::string> toolFolder; // the stored "Path"
        bool withScript;
        std::vector<std::string> arguments;
        const char* outcome;
        std::string message;
    };
    const fs::path emptyFolder = folder.file("Empty");
    const std::vector<Case> cases{
        {"no tool stored",
         std::nullopt,
         true,
         {},
         "tool_missing",
         "Kein Klickprogramm: der Wert \"Path\" unter "
         "HKEY_CURRENT_USER\\SOFTWARE\\Velmar\\Klickwerk"
         "\\Settings ist leer"},
        {"tool not in its folder",
         emptyFolder.string(),
         true,
         {},
         "tool_missing",
         "Das Klickprogramm „" + (emptyFolder / "Pilotex.exe").string() + "“ fehlt"},
        {"script not there",
         std::nullopt,
         true,
         {"--no-start", "--script", folder.file("Gone.vks").string()},
         "script_missing",
         "Das Klickskript „" + folder.file("Gone.vks").string() + "“ fehlt"},
        {"no script at all",
         std::nullopt,
         false,
         {"--no-start"},
         "script_missing",
         "Kein Klickskript: geben Sie --script DATEI an oder legen Sie eine .vks-Datei in „" +
             folder.file("Script").string() + "“ ab"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(settings());
        fs::remove_all(folder.file("Script"));
        fs::remove_all(folder.file("Tipps"));
        storeSheet({"3,17,22,45,61,9,5"});
        storeValue(powerball::Settings::kKey, "URLEdit", noServer.base());
        if (c.toolFolder)
            storeValue(kToolKey, "Path", *c.toolFolder);
        if (c.withScript)
            writeScript();
        std::vector<std::string> arguments{"handover", "--date", "2015-10-10"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());

        const ProgramRun run = cli(arguments);

        EXPECT_EQ(run.exitCode, 2);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        const json result = json::parse(run.out);
        EXPECT_EQ(result["outcome"], c.outcome);
        EXPECT_EQ(result["started"], false);
        EXPECT_EQ(result["filled_copy"], nullptr);
        // The hand-over file is written before the tool is looked for.
        EXPECT_TRUE(fs::exists(folder.file("Tipps") / "20151017.vlt"));
        EXPECT_FALSE(fs::exists(folder.file("Tipps") / "20160101.vks"));
    }
}

TEST_F(TipCliTest, AMissingToolIsOfferedAndDeclined) {
    storeSheet({"3,17,22,45,61,9,5"});
    writeScript();
    const ProgramRun run = cli({"handover"}, false);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("Velmars Klickmeister installieren? Nein\n"), std::string::npos)
        << run.err;
    EXPECT_EQ(run.out, "Übergabedatei: " + (folder.file("Tipps") / "20151021.vlt").string() + "\n");
}

} // namespace
