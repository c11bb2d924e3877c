#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace powerball {

// Every text the program shows at run time in a prompt, status line, chart caption or
// listing, addressed by its index. A language's message file replaces the whole list.
class MessageTable {
public:
    MessageTable();

    // The entry as it stands, blanks included; an index beyond the end gives an empty text.
    const std::string& text(int index) const;
    void replaceAll(std::vector<std::string> lines);
    int size() const { return static_cast<int>(m_entries.size()); }

    static const std::vector<std::string>& builtIn();

    // The language the texts are in, as the value "Sprache": German (1) as built.
    int language() const { return m_language; }
    void setLanguage(int code) { m_language = code; }

private:
    std::vector<std::string> m_entries;
    int m_language = 1;
};

// "%1".."%9" in `pattern` replaced by the arguments; any other "%" stays as it is.
std::string fillPlaceholders(std::string_view pattern, const std::vector<std::string>& arguments);

// Indexes of the entries that the program reads by name.
namespace Msg {
// The draw analysis and the questions of a found hit.
inline constexpr int DrawAnalysisAsk = 0;
inline constexpr int DrawAnalysisAskEnd = 1;
inline constexpr int DrawAnalysisCaption = 2;
inline constexpr int DrawThresholdCaption = 3;
inline constexpr int DrawThresholdPrompt = 4;
inline constexpr int HitFoundAt = 5;
inline constexpr int HitFoundGoOn = 6;
inline constexpr int HitFoundCaption = 7;
inline constexpr int EarlierDrawHits = 8;
inline constexpr int NextDrawHits = 9;
// The settings analysis.
inline constexpr int LuckyNumberError = 16;
inline constexpr int SettingsAnalysisAsk = 17;
inline constexpr int SettingsAnalysisAskEnd = 18;
inline constexpr int SettingsAnalysisCaption = 19;
inline constexpr int SettingsReportTitle = 24;
inline constexpr int PowerballWord = 30;
inline constexpr int CountWithout = 31;
inline constexpr int WithEach = 33;
inline constexpr int RowsWord = 34;
// The history search.
inline constexpr int SearchThresholdCaption = 48;
inline constexpr int SearchThresholdPrompt = 49;
inline constexpr int SearchHitFirstRow = 50;
inline constexpr int SearchGoOn = 51;
inline constexpr int SearchHitCaption = 52;
// What chance would have given, beside both analyses' results.
inline constexpr int ChanceHeading = 62;
inline constexpr int VerdictRows = 63;
inline constexpr int VerdictExpected = 64;
inline constexpr int VerdictChance = 65;
inline constexpr int DrawChanceHeading = 66;
inline constexpr int StoppedAfter = 67;
inline constexpr int StepWord = 68;
inline constexpr int StepOf = 69;
// What the filters cost (70..76); 77..79 are kept free.
inline constexpr int FilterCostLine = 70;
inline constexpr int FilterCostEstimate = 71;
inline constexpr int FilterCostNoDraws = 72;
inline constexpr int FilterCostWorking = 73;
inline constexpr int FilterCostExactHint = 74;
inline constexpr int FilterCostSampleHint = 75;
inline constexpr int FilterCostFailed = 76;
inline constexpr int OverduePowerballCaption = 10;
inline constexpr int EditRowCaption = 11;
inline constexpr int ListDialogCaption = 12;
inline constexpr int LuckyNumberCaption = 20;
inline constexpr int LuckyNumberPrompt = 21;
inline constexpr int LuckyNumberSet = 22;
inline constexpr int LuckyNumberSetEnd = 23;
inline constexpr int TipDistribution = 25;
inline constexpr int OverdueCaption = 26;
inline constexpr int TipTitle = 28; // "Velmars Dediv-Tipp für ", title of the printed tips
inline constexpr int Tip = 29;
// Status texts of the generator run, from the pool to the end.
inline constexpr int PairsStatus = 35;
inline constexpr int TriplesStatus = 36;
inline constexpr int QuadsStatus = 37;
inline constexpr int FrequencyStatus = 38;
inline constexpr int OverdueStatus = 39;
inline constexpr int NeighboursStatus = 40;
inline constexpr int RunStarted = 41;
inline constexpr int RunLimitReached = 58;
inline constexpr int RowsComputed = 59;
inline constexpr int Stop = 42;
inline constexpr int CrossSum = 43;
inline constexpr int NoWarranty = 45;
inline constexpr int NumberDistribution = 46;
inline constexpr int Random = 60;
inline constexpr int StopPicker = 61;
// Texts of the statistic charts.
inline constexpr int Draws = 32;
inline constexpr int PowerballFrequencyCaption = 47;
inline constexpr int GroupDraws = 53;
inline constexpr int PairsFound = 54;
inline constexpr int TriplesFound = 55;
inline constexpr int CrossSumDistribution = 56;
inline constexpr int QuadsFound = 57;
// What a row won: the hint of its hit text and the sheet's total in the status bar.
inline constexpr int PrizeTierWord = 80;
inline constexpr int PrizeWord = 81;
inline constexpr int WithPowerPlay = 82;
inline constexpr int OddsOneIn = 83;
inline constexpr int Jackpot = 84;
inline constexpr int NoPrizeTier = 85;
inline constexpr int PrizeUnknownBefore = 86;
inline constexpr int SheetWinnings = 87;
// The settings analysis' balance of its steps under today's prize table.
inline constexpr int BalanceDraws = 88;
inline constexpr int BalanceCost = 89;
inline constexpr int BalanceWon = 90;
inline constexpr int BalanceExpected = 91;
inline constexpr int BalancePowerPlay = 92;
// The import of a file of draws on the "Datenbank" page.
inline constexpr int ImportCaption = 93;
inline constexpr int ImportFilter = 94;
inline constexpr int ImportNew = 95;
inline constexpr int ImportChanged = 96;
inline constexpr int ImportUnchanged = 97;
inline constexpr int ImportReplaces = 98;
inline constexpr int ImportAsk = 99;
inline constexpr int ImportSkipped = 100;
inline constexpr int ImportLine = 101;
inline constexpr int ImportNothing = 102;
// Why a line of an imported file was skipped; %1 is the part of the line meant.
inline constexpr int SkipOwnFields = 103;
inline constexpr int SkipPublicFields = 104;
inline constexpr int SkipIsoDate = 105;
inline constexpr int SkipUsDate = 106;
inline constexpr int SkipNumber = 107;
inline constexpr int SkipSixNumbers = 108;
inline constexpr int SkipMultiplier = 109;
inline constexpr int SkipInvalidDraw = 110;
// Loading a tip file: why it changes nothing, and what it could not take.
inline constexpr int TipFileNotText = 111;
inline constexpr int TipFileNoRow = 112;
inline constexpr int TipFileLinesBeyond = 113;
inline constexpr int TipFileCut = 114;
// Starting the click tool.
inline constexpr int ClickToolNotStarted = 115;
inline constexpr int ClickValueWithNul = 116;
// Why the import skipped the last line of a file still being written; %1 is the line.
inline constexpr int SkipUnfinishedLine = 117;
inline constexpr int SkipNoDrawDay = 118;
inline constexpr int SkipAfterToday = 119;
inline constexpr int SkipDateTwice = 120;
// The update from the public results file: progress, result and why nothing was stored.
inline constexpr int FeedReceived = 121;
inline constexpr int FeedNewDraws = 122;
inline constexpr int FeedNotModified = 123;
inline constexpr int FeedChanged = 124;
inline constexpr int FeedCannotLoad = 125;
inline constexpr int FeedTooLarge = 126;
inline constexpr int FeedNotPublicForm = 127;
inline constexpr int FeedStopped = 128;
inline constexpr int FeedTimedOut = 129;
// A row of the sheet that is no tip (130..134), the undo of the draw maintenance (135..141),
// the import's count, the draw analysis without a later draw and the chart's legend.
inline constexpr int RowFaultRepeatedShort = 130;
inline constexpr int RowFaultInvalidShort = 131;
inline constexpr int RepeatedNumber = 132;
inline constexpr int NumberOutOfRange = 133;
inline constexpr int RowFaultRefused = 134;
inline constexpr int UndoCaption = 135;
inline constexpr int UndoDelete = 136;
inline constexpr int UndoEnter = 137;
inline constexpr int DrawDeleted = 138;
inline constexpr int DrawEntered = 139;
inline constexpr int DeleteUndone = 140;
inline constexpr int EnterUndone = 141;
inline constexpr int DrawsImported = 142;
inline constexpr int NoLaterDraw = 143;
inline constexpr int ChartPrimes = 144;
inline constexpr int ChartOtherNumbers = 145;
// The wheel: its size, cost and proven guarantee, the search, the guarantees to choose from,
// typed numbers that make no wheel, the check against a draw, the sheet, files and listing.
inline constexpr int WheelRows = 146;
inline constexpr int WheelRowsNoBound = 147;
inline constexpr int WheelCost = 148;
inline constexpr int WheelProven = 149;
inline constexpr int WheelSearching = 150;
inline constexpr int WheelStopped = 151;
inline constexpr int WheelGuaranteeItem = 152;
inline constexpr int WheelFullItem = 153;
inline constexpr int WheelNumberCount = 154;
inline constexpr int WheelNumberTwice = 155;
inline constexpr int WheelCheckWon = 156;
inline constexpr int WheelCheckNoPrizes = 157;
inline constexpr int WheelHits = 158;
inline constexpr int WheelTier = 159;
inline constexpr int WheelPlaced = 160;
inline constexpr int WheelSaved = 161;
inline constexpr int WheelWritten = 162;
inline constexpr int WheelPrintTitle = 163;
inline constexpr int WheelNoDrawOn = 164;
// File dialogs of the tip files, the print preview's title, the click tool's installation,
// the notes of a missing draw file and of settings that could not be saved, and the number
// line of the settings analysis' report (%1 draws, %2 rows each, %3 rows in all).
inline constexpr int TipSaveCaption = 165;
inline constexpr int TipLoadCaption = 166;
inline constexpr int TipFileFilter = 167;
inline constexpr int PrintCaption = 168;
inline constexpr int ClickToolInstallCaption = 169;
inline constexpr int ClickToolInstallAsk = 170;
inline constexpr int NoDrawFile = 171;
inline constexpr int SettingsNotSaved = 172;
inline constexpr int ReportRowCount = 173;
// The table of all draws, reached from the "Datenbank" page; %1 shown of %2 stored.
inline constexpr int DrawTableButton = 174;
inline constexpr int DrawTableButtonHint = 175;
inline constexpr int DrawTableTitle = 176;
inline constexpr int DrawTableDate = 177;
inline constexpr int DrawTableWeekday = 178;
inline constexpr int DrawTablePowerball = 179;
inline constexpr int DrawTablePowerPlay = 180;
inline constexpr int DrawTableCrossSum = 181;
inline constexpr int DrawTableFilter = 182;
inline constexpr int DrawTableCount = 183;
inline constexpr int DrawTableDelete = 184;
inline constexpr int DrawTableHint = 185;
inline constexpr int DrawTableClose = 186;
// How old the stored draws are (146, 147), the about box, the list of shortcuts, the report
// window, the manual and the printed page.
inline constexpr int DataAgeBehind = 187;
inline constexpr int DataAgeCurrent = 188;
inline constexpr int AboutVersion = 189;
inline constexpr int AboutFolder = 190;
inline constexpr int AboutDraws = 191;
inline constexpr int AboutNoDraws = 192;
inline constexpr int AboutSettings = 193;
inline constexpr int AboutNoSettings = 194;
inline constexpr int AboutLicence = 195;
inline constexpr int ShortcutKey = 196;
inline constexpr int ShortcutCommand = 197;
inline constexpr int StopShortcut = 198;
inline constexpr int ReportNoViewer = 199;
inline constexpr int ReportSaveFailed = 200;
inline constexpr int ReportSaveFilter = 201;
inline constexpr int ManualMissing = 202;
inline constexpr int PrintNumbers = 203;
inline constexpr int PrintPowerball = 204;
// The command line's text output (205..216).
inline constexpr int CliSelectedDate = 205;
inline constexpr int CliDraw = 206;
inline constexpr int CliRow = 207;
inline constexpr int CliHits = 208;
inline constexpr int CliCrossSum = 209;
inline constexpr int CliLocked = 210;
inline constexpr int CliSoundsPlayed = 211;
inline constexpr int CliStatus = 212;
inline constexpr int CliRuns = 213;
inline constexpr int CliTipsLoaded = 214;
inline constexpr int CliSheetStored = 215;
inline constexpr int CliNoRows = 216;
// The command line's summaries, its analyses and charts, and the files it wrote (217..245).
inline constexpr int CliDrawsInFile = 217;
inline constexpr int CliFeedResult = 218;
inline constexpr int CliWalkResult = 219;
inline constexpr int CliServerMessage = 220;
inline constexpr int CliThreshold = 221;
inline constexpr int CliSearchHit = 222;
inline constexpr int CliSearchReachedEnd = 223;
inline constexpr int CliSearchStoppedAtFirst = 224;
inline constexpr int CliReportWritten = 225;
inline constexpr int CliReportCopied = 226;
inline constexpr int CliAnalysisEndedAtFirst = 227;
inline constexpr int CliChartCaption = 228;
inline constexpr int CliAxisAutomatic = 229;
inline constexpr int CliAxisFixed = 230;
inline constexpr int CliDrawsRejected = 231;
inline constexpr int CliDrawStored = 232;
inline constexpr int CliDrawRemoved = 233;
inline constexpr int CliSettingsSaved = 234;
inline constexpr int CliTipsSaved = 235;
inline constexpr int CliListingWritten = 236;
inline constexpr int CliHandOverFile = 237;
inline constexpr int CliClickScript = 238;
inline constexpr int CliScriptUpdated = 239;
inline constexpr int CliFilledScript = 240;
inline constexpr int CliArguments = 241;
inline constexpr int CliToolStarted = 242;
inline constexpr int CliMissing = 243;
inline constexpr int CliShownDraw = 244;
inline constexpr int CliAnsweredNo = 245;
// The command line's failures: a file without draws, a hand-over that did not reach the
// click tool, an analysis that did not run, a --row or a date it refuses, and what stands
// where a file was expected (246..264).
inline constexpr int CliFileHoldsNoDraws = 246;
inline constexpr int CliNoClickTool = 247;
inline constexpr int CliClickToolNotProgram = 248;
inline constexpr int CliClickToolMissing = 249;
inline constexpr int CliNoClickScript = 250;
inline constexpr int CliClickScriptNotFile = 251;
inline constexpr int CliClickScriptMissing = 252;
inline constexpr int CliClickScriptNotChosen = 253;
inline constexpr int CliSettingsAnalysisNotRun = 254;
inline constexpr int CliDrawAnalysisNotRun = 255;
inline constexpr int CliRowTooManyFields = 256;
inline constexpr int CliAtMostRows = 257;
inline constexpr int CliEarliestDate = 258;
inline constexpr int CliNoDrawBefore = 259;
inline constexpr int CliKindFolder = 260;
inline constexpr int CliKindFifo = 261;
inline constexpr int CliKindDevice = 262;
inline constexpr int CliKindSocket = 263;
inline constexpr int CliKindOther = 264;
} // namespace Msg

} // namespace powerball
