#include "FilterCostLine.h"

#include "Conversions.h"
#include "LanguagePass.h"
#include "app/generator/FilterCostCommand.h"
#include "rules/generator/FilterCostText.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

#include <exception>
#include <filesystem>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

FilterCostLine::FilterCostLine(QWidget* parent) : QLabel(parent) {
    setObjectName(u"filterCostLine"_s);
    LanguagePass::keepText(this);
    setWordWrap(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_pause.setSingleShot(true);
    m_pause.setInterval(kPauseMs);
    connect(&m_pause, &QTimer::timeout, this, &FilterCostLine::measure);
}

FilterCostLine::Inputs FilterCostLine::inputsOf(const AppState& state) {
    Inputs inputs;
    inputs.settings = state.settings;
    inputs.startDate = state.startDate;
    inputs.selectedDate = state.selectedDate;
    inputs.drawWrites = DrawHistory::writeCount();
    std::error_code error;
    const auto size = std::filesystem::file_size(state.programFolder / state.drawFileName, error);
    inputs.drawFileSize = error ? -1 : static_cast<std::int64_t>(size);
    inputs.language = state.languageIndex;
    return inputs;
}

void FilterCostLine::showState(const AppState& state) {
    m_state = &state;
    // A generator run moves options for a while and puts them back at its end; the
    // settings analysis moves the selected date week by week. The line waits for the end.
    if (state.generatorRunning || state.analysis != RunPhase::Idle)
        return;
    const Inputs inputs = inputsOf(state);
    if (m_inputs == inputs)
        return;
    m_inputs = inputs;
    ++m_generation; // a measurement under way no longer counts
    // The pages above keep their place while the line is shorter.
    setMinimumHeight(height());
    setText(qs(state.messages.text(Msg::FilterCostWorking)));
    m_pause.start();
}

void FilterCostLine::measure() {
    if (!m_state)
        return;
    const std::uint64_t generation = ++m_generation;
    const MessageTable messages = m_state->messages;
    const TextFormat format = m_state->textFormat();
    const double startDate = m_state->startDate;
    FilterCostInput input;
    try {
        input = filterCostInput(*m_state);
    } catch (const std::exception& error) {
        setMinimumHeight(0);
        setText(qs(fillPlaceholders(messages.text(Msg::FilterCostFailed), {error.what()})));
        setToolTip({});
        return;
    }
    auto* watcher = new QFutureWatcher<FilterCost>(this);
    connect(watcher, &QFutureWatcher<FilterCost>::finished, this,
            [this, watcher, generation, messages, format, startDate] {
                showCost(generation, watcher->result(), messages, format, startDate);
                watcher->deleteLater();
            });
    watcher->setFuture(QtConcurrent::run(
        [input = std::move(input), measurer = m_measurer] { return measurer(input); }));
}

void FilterCostLine::showCost(std::uint64_t generation, const FilterCost& cost,
                              const MessageTable& messages, const TextFormat& format,
                              double startDate) {
    if (generation != m_generation)
        return;
    setMinimumHeight(0);
    setText(qs(filterCostLine(messages, format, cost, startDate)));
    setToolTip(qs(filterCostHint(messages, format, cost)));
    Q_EMIT shown();
}

} // namespace powerball::ui
