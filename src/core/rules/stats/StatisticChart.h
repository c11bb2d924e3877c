#pragma once

#include "base/MessageTable.h"
#include "rules/stats/BarColor.h"

#include <functional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace powerball {

struct ChartBar {
    int x = 0;     // the number the bar stands for
    int value = 0; // the statistic for that number
    BarColor color = BarColors::Green;

    bool operator==(const ChartBar&) const = default;
};

// What the value axis shows.
struct AxisRange {
    int minimum = 0;
    int maximum = 0;

    bool operator==(const AxisRange&) const = default;
};

// The bar chart of the "Diagramm" page as data. Every statistic replaces it, and the tip
// generator reads the bars and the value-axis range back right after running one, so the
// automatic range is defined here and not left to the widget that draws it.
//
// The chart has a second bar series that the program never fills; every statistic switches
// it off so that only its own bars show. The horizontal axis always spans the bars.
class StatisticChart {
public:
    static constexpr BarColor kDefaultColor = BarColors::Green;

    // How every statistic begins: its series on, the second series off, no bars.
    void startStatistic();
    void clearBars() { m_bars.clear(); }
    void addBar(int x, int value, BarColor color = kDefaultColor);

    // Bars x = 1, 2, ... with the given values, coloured by their number.
    void addNumberBars(std::span<const int> values, BarColor (*colorOf)(int number));
    void addNumberBars(std::span<const int> values);

    void setFixedRange(int minimum, int maximum);
    // The value axis fixed from the smallest to the largest bar value.
    void fixRangeToBars();
    void setAutomaticRange() { m_automatic = true; }
    // How a caption is said in the language of a message table.
    using CaptionText = std::function<std::string(const MessageTable&)>;
    void setCaption(std::string caption) {
        m_caption = std::move(caption);
        m_captionText = nullptr;
    }
    // A caption from the message table, said again by `renewCaption` when the language changes.
    void setCaption(CaptionText caption, const MessageTable& messages) {
        m_captionText = std::move(caption);
        m_caption = m_captionText(messages);
    }
    void renewCaption(const MessageTable& messages) {
        if (m_captionText)
            m_caption = m_captionText(messages);
    }

    const std::vector<ChartBar>& bars() const { return m_bars; }
    int barCount() const { return static_cast<int>(m_bars.size()); }
    int value(int index) const { return m_bars.at(static_cast<std::size_t>(index)).value; }

    bool automaticRange() const { return m_automatic; }
    // The range the value axis shows: the fixed one, or the automatic range of the bars.
    AxisRange valueRange() const;
    // The range the window draws: the value range with room below its smallest value, so
    // that the bar of that value shows too (from 0 at most). The generator reads the value
    // range, never this one.
    AxisRange shownRange() const;
    int axisMinimum() const { return valueRange().minimum; }
    int axisMaximum() const { return valueRange().maximum; }

    // The title under the horizontal axis.
    const std::string& caption() const { return m_caption; }

    bool statisticSeriesOn() const { return m_statisticSeriesOn; }
    bool secondSeriesOn() const { return m_secondSeriesOn; }

    // From 0, or from the smallest value when that is negative, to the largest value;
    // 0 to 0 without bars.
    static AxisRange automaticRangeOf(const std::vector<ChartBar>& bars);

private:
    std::vector<ChartBar> m_bars;
    bool m_automatic = true;
    AxisRange m_fixed;
    std::string m_caption;
    CaptionText m_captionText;
    bool m_statisticSeriesOn = true;
    bool m_secondSeriesOn = false;
};

} // namespace powerball
