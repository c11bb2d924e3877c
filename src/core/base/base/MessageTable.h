#pragma once

#include <string>
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

private:
    std::vector<std::string> m_entries;
};

// Indexes of the entries that the program reads by name.
namespace Msg {
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
} // namespace Msg

} // namespace powerball
