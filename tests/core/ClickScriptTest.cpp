#include "rules/handover/ClickScript.h"
#include "app/handover/ClickScriptStart.h"
#include "app/handover/TipHandOver.h"

#include "RecordingShell.h"
#include "ScriptedPrompts.h"
#include "TempFolder.h"
#include "base/AtomicFile.h"
#include "base/FileReading.h"
#include "ports/MemoryRegistryStore.h"
#include "ports/RegistryKey.h"

#include <gtest/gtest.h>

#include <fstream>
#include <ostream>

using namespace powerball;
using powerball::testing::day;
using powerball::testing::RecordingShell;
using powerball::testing::ScriptedPrompts;
using powerball::testing::TempFolder;

namespace {

std::string fill(std::string_view script, const std::vector<std::string_view>& lines,
                 ClickScriptFlags flags = {}) {
    return ClickScript::fill(script, lines, flags, "/p/Tipps/20151017.vlt");
}

TEST(ClickScript, RowPlaceholdersTakeTheValuesOfTheirLine) {
    const std::vector<std::string_view> lines{"3,17,22,45,61,9,", "1,2,3,4,5,6,7"};
    EXPECT_EQ(fill("[Z1_1] [Z5_1] [S1_1] <[S2_1]> [Z3_2] [S2_2] <[Z1_3]> <[S2_12]>", lines),
              "3 61 9 <> 3 7 <> <>");
    // One digit beside two: [Z1_1] leaves [Z1_10] to itself, and a line past 12 is no
    // placeholder of a missing line.
    EXPECT_EQ(fill("[Z1_1][Z1_10][Z1_13][Z1_01][Z6_1][S3_1]", lines),
              "3[Z1_13][Z1_01][Z6_1][S3_1]");
    // Every occurrence.
    EXPECT_EQ(fill("[Z2_1]-[Z2_1]-[Z2_1]", lines), "17-17-17");
}

TEST(ClickScript, AnEmptyHandOverEmptiesAll84RowPlaceholders) {
    std::string script;
    for (int n = 1; n <= 12; ++n) {
        for (int k = 1; k <= 5; ++k)
            script += "[Z" + std::to_string(k) + "_" + std::to_string(n) + "]";
        script += "[S1_" + std::to_string(n) + "][S2_" + std::to_string(n) + "]";
    }
    EXPECT_EQ(fill(script + "|[MELDUNGFERTIG]|[TIPPDATEI]", {}),
              "|Ready to Play|/p/Tipps/20151017.vlt");
}

TEST(ClickScript, LineValuesAsTheHandOverFileHoldsThem) {
    EXPECT_EQ(ClickScript::lineValues("1,2,3"),
              (std::vector<std::string_view>{"1", "2", "", "", "", "", "3"}));
    // The hidden field ends at the next comma.
    EXPECT_EQ(ClickScript::lineValues("1,2,3,4,5,6,7,8")[6], "7");
}

struct FlagCase {
    const char* name;
    ClickScriptFlags flags; // preferPairs, limitMaxOverlap, preferFrequent
    const char* expected;
};

void PrintTo(const FlagCase& c, std::ostream* out) {
    *out << c.name;
}

class ClickScriptFlagsTest : public ::testing::TestWithParam<FlagCase> {};

// [DAUER] the pairs, [FR] the overlap limit, [DI] the frequent numbers, [DIFR] both of these.
INSTANTIATE_TEST_SUITE_P(
    , ClickScriptFlagsTest,
    ::testing::Values(
        FlagCase{"NoOptionIsNo", {false, false, false}, "NEIN NEIN NEIN NEIN"},
        FlagCase{"FrequentAloneLeavesBothNo", {false, false, true}, "NEIN NEIN JA NEIN"},
        FlagCase{"FrequentAndOverlapMakeBoth", {false, true, true}, "NEIN JA JA JA"},
        FlagCase{"PairsAndOverlapWithoutFrequent", {true, true, false}, "JA JA NEIN NEIN"}),
    [](const ::testing::TestParamInfo<FlagCase>& info) { return std::string(info.param.name); });

TEST_P(ClickScriptFlagsTest, OptionPlaceholders) {
    EXPECT_EQ(fill("[DAUER] [FR] [DI] [DIFR]", {}, GetParam().flags), GetParam().expected);
}

TEST(ClickScript, BytesOutsideThePlaceholdersPassUnchanged) {
    // Latin-1 umlauts, a NUL, CR LF and brackets that open no placeholder.
    const std::string script("Gr\xfc\xdf"
                             "e\r\n[\0[[Z1_1]] [DI [MELDUNG]\xff",
                             28);
    EXPECT_EQ(fill(script, {"8,1,1,1,1,1,"}), std::string("Gr\xfc\xdf"
                                                          "e\r\n[\0[8] [DI [MELDUNG]\xff",
                                                          23));
}

TEST(ClickScript, AValueThatLooksLikeAPlaceholderStaysAsItIs) {
    EXPECT_EQ(ClickScript::fill("[TIPPDATEI]", {}, {}, "/home/[DI]/x.vlt"), "/home/[DI]/x.vlt");
}

TEST(ClickScript, ToolArgumentsAreOneEachWithQuotesAndBlanksInside) {
    ClickScriptChoice choice;
    choice.zahl1 = "12";
    choice.text1 = "Max Muster";
    choice.zahl2 = "0";
    choice.text2 = "pa\"ss word\" --evil";
    EXPECT_EQ(ClickScript::toolArguments("/p/Tipps/20151012.vks", choice),
              (std::vector<std::string>{"START", "/p/Tipps/20151012.vks", "12", "Max Muster", "0",
                                        "pa\"ss word\" --evil"}));
}

// An HTTP client that answers every request the same way and records the addresses.
class FixedHttpClient : public HttpClient {
public:
    HttpResponse get(const HttpRequest& request) override {
        urls.push_back(request.url);
        timeouts.push_back(request.readTimeout);
        return answer;
    }
    HttpResponse answer;
    std::vector<std::string> urls;
    std::vector<std::chrono::milliseconds> timeouts;
};

class ClickScriptStartTest : public ::testing::Test {
protected:
    void SetUp() override {
        state.programFolder = folder.path();
        state.selectedDate = day("2015-10-10");
        state.internet.url = "http://updates.example/";
        std::filesystem::create_directories(toolFolder);
        std::ofstream(toolFolder / "Pilotex.exe") << "tool";
        std::filesystem::create_directories(state.scriptFolder());
        writeScript("portal.vks", "[Z1_1],[S1_1],[Z1_2]|[DI]|[TIPPDATEI]\r\n");
        tool().writeString("Path", toolFolder.string());
        ports.prompts = &prompts;
        ports.shell = &shell;
        ports.registry = &store;
        ports.clock = &clock;
        ports.http = &http;
        http.answer.error = "offline";
    }

    RegistryKey tool() { return RegistryKey(store, ClickScript::kToolKey); }

    void writeScript(const std::string& name, const std::string& text) {
        std::ofstream(state.scriptFolder() / name, std::ios::binary) << text;
    }

    std::filesystem::path script(const std::string& name) { return state.scriptFolder() / name; }

    TempFolder folder;
    std::filesystem::path toolFolder = folder.file("Klickwerk");
    AppState state;
    ScriptedPrompts prompts;
    RecordingShell shell;
    MemoryRegistryStore store;
    FixedClock clock{day("2015-10-12")};
    FixedHttpClient http;
    Ports ports;
};

TEST_F(ClickScriptStartTest, FillsTheScriptBesideTheHandOverAndStartsTheTool) {
    state.tips.setLine(0, "3,17,22,45,61,9");
    state.tips.setLine(2, "1,2,3,4,5,6");
    state.settings.preferFrequent = true;
    tool().writeString("ZudarAvodaText2", "secret \"pw\"");
    prompts.clickScriptAnswer = [](ClickScriptChoice& choice) { choice.text1 = "Max Muster"; };

    const HandOverResult result = handOverTips(state, ports);
    const std::filesystem::path tipFolder = folder.file("Tipps");
    EXPECT_EQ(result.handOverFile, tipFolder / "20151017.vlt");
    EXPECT_EQ(state.handOverPath, result.handOverFile);
    EXPECT_EQ(readFileBytes(result.handOverFile, 4096), "3,17,22,45,61,9,\r\n1,2,3,4,5,6,\r\n");

    // The dialog offered the script folder's scripts and the stored values.
    ASSERT_TRUE(prompts.shownClickScript);
    EXPECT_EQ(prompts.shownClickScript->scripts,
              std::vector<std::string>{script("portal.vks").string()});
    EXPECT_EQ(prompts.shownClickScript->script, script("portal.vks").string());
    EXPECT_EQ(prompts.shownClickScript->text2, "secret \"pw\"");

    const std::filesystem::path copy = tipFolder / "20151012.vks";
    EXPECT_EQ(result.start.filledCopy, copy);
    EXPECT_EQ(readFileBytes(copy, 4096), "3,9,1|JA|" + result.handOverFile.string() + "\r\n");
    ASSERT_EQ(shell.started.size(), 1u);
    EXPECT_EQ(shell.started[0].program, toolFolder / "Pilotex.exe");
    EXPECT_EQ(shell.started[0].arguments,
              (std::vector<std::string>{"START", copy.string(), "0", "Max Muster", "0",
                                        "secret \"pw\""}));
    // What the dialog held when it closed is kept, the empty numbers as "0".
    EXPECT_EQ(tool().readString("ZudarAvodaZahl1"), "0");
    EXPECT_EQ(tool().readString("ZudarAvodaText1"), "Max Muster");
    EXPECT_EQ(tool().readString("ZudarAvodaScript"), script("portal.vks").string());
}

// A start the system refuses is said, with its reason, and not counted as started.
TEST_F(ClickScriptStartTest, AToolThatCannotStartIsReported) {
    shell.startFailure = "Exec format error";
    prompts.clickScriptAnswer = [](ClickScriptChoice&) {};
    const HandOverResult result = handOverTips(state, ports);
    EXPECT_EQ(result.start.outcome, ClickStartResult::Outcome::StartFailed);
    EXPECT_FALSE(result.start.started);
    EXPECT_EQ(shell.started.size(), 1u);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0], result.start.failure);
    EXPECT_NE(result.start.failure.find("konnte nicht gestartet werden: Exec format error"),
              std::string::npos)
        << result.start.failure;
    EXPECT_NE(result.start.failure.find((toolFolder / "Pilotex.exe").string()), std::string::npos);
}

// No command line carries a NUL: the tool would get the value cut short, so nothing starts.
TEST_F(ClickScriptStartTest, AValueWithANulIsRefusedBeforeAnythingStarts) {
    tool().writeString("ZudarAvodaText2", std::string("pass\0word", 9));
    prompts.clickScriptAnswer = [](ClickScriptChoice&) {};
    const HandOverResult result = handOverTips(state, ports);
    EXPECT_EQ(result.start.outcome, ClickStartResult::Outcome::ValueWithNul);
    EXPECT_TRUE(shell.started.empty());
    EXPECT_TRUE(result.start.filledCopy.empty());
    EXPECT_NE(result.start.failure.find("TEXT2"), std::string::npos) << result.start.failure;
    EXPECT_EQ(prompts.shown, std::vector<std::string>{result.start.failure});
}

TEST_F(ClickScriptStartTest, AnEmptySheetStillHandsOverAndStarts) {
    const HandOverResult result = handOverTips(state, ports); // Cancel: nothing more
    EXPECT_EQ(readFileBytes(result.handOverFile, 4096), "");
    EXPECT_EQ(result.start.outcome, ClickStartResult::Outcome::Cancelled);

    prompts.clickScriptAnswer = [](ClickScriptChoice&) {};
    const HandOverResult again = handOverTips(state, ports);
    EXPECT_EQ(again.start.outcome, ClickStartResult::Outcome::Filled);
    EXPECT_EQ(readFileBytes(again.start.filledCopy, 4096),
              ",,|NEIN|" + again.handOverFile.string() + "\r\n");
    EXPECT_EQ(shell.started.size(), 1u);
}

TEST_F(ClickScriptStartTest, CancelWritesNothing) {
    tool().writeString("ZudarAvodaZahl1", "");
    prompts.clickScriptAnswer = nullptr;
    handOverTips(state, ports);
    EXPECT_EQ(tool().readString("ZudarAvodaZahl1"), "");
    EXPECT_EQ(tool().readString("ZudarAvodaScript"), std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(folder.file("Tipps") / "20151012.vks"));
    EXPECT_TRUE(shell.started.empty());
}

TEST_F(ClickScriptStartTest, AMissingToolOffersItsDownload) {
    std::filesystem::remove(toolFolder / "Pilotex.exe");
    handOverTips(state, ports);
    EXPECT_EQ(prompts.questions,
              std::vector<std::string>{
                  "Klickmeister jetzt installieren? / Velmars Klickmeister installieren?"});
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_FALSE(prompts.shownClickScript);

    prompts.yesAnswer = true;
    tool().writeString("Path", ""); // an empty path is no tool either
    const HandOverResult result = handOverTips(state, ports);
    EXPECT_EQ(result.start.outcome, ClickStartResult::Outcome::ToolMissing);
    EXPECT_EQ(shell.opened,
              std::vector<std::string>{"http://updates.example/dateien/pilotexp.exe"});
}

TEST_F(ClickScriptStartTest, AMissingScriptKeepsTheValuesAndStopsSilently) {
    prompts.clickScriptAnswer = [&](ClickScriptChoice& choice) {
        choice.script = script("gone.vks").string();
        choice.zahl2 = "7";
    };
    const HandOverResult result = handOverTips(state, ports);
    EXPECT_EQ(result.start.outcome, ClickStartResult::Outcome::ScriptMissing);
    EXPECT_EQ(tool().readString("ZudarAvodaZahl2"), "7");
    EXPECT_TRUE(shell.started.empty());
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(ClickScriptStartTest, TheScriptListHoldsOnlyClickScripts) {
    writeScript("another.VKS", "x");
    writeScript("notes.txt", "x");
    std::filesystem::create_directories(state.scriptFolder() / "folder.vks");
    EXPECT_EQ(
        listClickScripts(state.scriptFolder()),
        (std::vector<std::string>{script("another.VKS").string(), script("portal.vks").string()}));
    EXPECT_TRUE(listClickScripts(folder.file("none")).empty());
}

TEST_F(ClickScriptStartTest, TheServerCopyReplacesOnlyAnOlderScript) {
    const std::filesystem::path file = script("portal.vks");
    const auto local = std::chrono::time_point_cast<std::chrono::seconds>(
        std::chrono::file_clock::to_sys(std::filesystem::last_write_time(file)));
    http.answer = {};
    http.answer.statusCode = 200;
    http.answer.body = "new [Z1_1]";

    http.answer.lastModified = local; // not later: kept
    EXPECT_FALSE(updateClickScript(state.internet, http, file));
    http.answer.lastModified = local + std::chrono::seconds(2);
    http.answer.statusCode = 404; // an error status: kept
    EXPECT_FALSE(updateClickScript(state.internet, http, file));
    http.answer.statusCode = 200;
    EXPECT_TRUE(updateClickScript(state.internet, http, file));
    EXPECT_EQ(readFileBytes(file, 4096), "new [Z1_1]");
    EXPECT_EQ(http.urls.back(), "http://updates.example/scripts/portal.vks.txt");
    EXPECT_EQ(http.timeouts.back(), UpdateLimits{}.readTimeout);

    // Through the dialog's OK, a failed request is never reported.
    http.answer.error = "Connection refused";
    prompts.clickScriptAnswer = [](ClickScriptChoice&) {};
    const HandOverResult result = handOverTips(state, ports);
    EXPECT_FALSE(result.start.scriptUpdated);
    EXPECT_EQ(result.start.outcome, ClickStartResult::Outcome::Filled);
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(ClickScriptStartTest, AStoredValueOfAnotherTypeReadsAsEmpty) {
    tool().writeInteger("ZudarAvodaText1", 5);
    prompts.clickScriptAnswer = [](ClickScriptChoice&) {};
    handOverTips(state, ports);
    ASSERT_TRUE(prompts.shownClickScript);
    EXPECT_EQ(prompts.shownClickScript->text1, "");
}

TEST_F(ClickScriptStartTest, HandingOverTwiceTheSameDayReplacesBothFiles) {
    prompts.clickScriptAnswer = [](ClickScriptChoice&) {};
    state.tips.setLine(0, "1,2,3,4,5,6");
    handOverTips(state, ports);
    state.tips.setLine(0, "9,2,3,4,5,6");
    const HandOverResult result = handOverTips(state, ports);
    EXPECT_EQ(readFileBytes(result.handOverFile, 4096), "9,2,3,4,5,6,\r\n");
    EXPECT_EQ(readFileBytes(result.start.filledCopy, 4096).substr(0, 6), "9,6,|N");
}

TEST_F(ClickScriptStartTest, AFolderThatCannotBeMadeStopsTheHandOver) {
    std::ofstream(folder.file("Tipps")) << "a file where the folder belongs";
    prompts.clickScriptAnswer = [](ClickScriptChoice&) {};
    EXPECT_THROW(handOverTips(state, ports), FileSaveError);
    EXPECT_FALSE(prompts.shownClickScript);
}

} // namespace
