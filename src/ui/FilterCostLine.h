#pragma once

#include "app/AppState.h"
#include "rules/generator/FilterCost.h"

#include <QLabel>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

namespace powerball::ui {

// The line under the calculation pages that says what the acceptance filters cost. When
// what it depends on changes, it shows "…" and measures again on a worker thread once the
// user has paused for a moment; a result that arrives after a newer change is dropped.
class FilterCostLine : public QLabel {
    Q_OBJECT

public:
    static constexpr int kPauseMs = 300;

    explicit FilterCostLine(QWidget* parent = nullptr);

    void showState(const AppState& state);

    // What runs on the worker thread; the tests put a measurement there that they hold.
    using Measurer = std::function<FilterCost(const FilterCostInput&)>;
    void setMeasurer(Measurer measurer) { m_measurer = std::move(measurer); }

Q_SIGNALS:
    // A measurement's text is shown (for the tests).
    void shown();

private:
    // What the cost depends on: the options, the dates, the draw file, the language.
    struct Inputs {
        CalculationSettings settings;
        double startDate = 0.0;
        double selectedDate = 0.0;
        std::uint64_t drawWrites = 0;
        std::int64_t drawFileSize = -1;
        int language = 0;
        bool operator==(const Inputs&) const = default;
    };
    static Inputs inputsOf(const AppState& state);

    void measure();
    void showCost(std::uint64_t generation, const FilterCost& cost, const MessageTable& messages,
                  const TextFormat& format, double startDate);

    const AppState* m_state = nullptr;
    std::optional<Inputs> m_inputs;
    QTimer m_pause;
    std::uint64_t m_generation = 0;
    Measurer m_measurer = [](const FilterCostInput& input) { return measureFilterCost(input); };
};

} // namespace powerball::ui
