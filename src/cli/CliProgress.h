#pragma once

#include "CliOptions.h"

#include "app/AppState.h"
#include "ports/EventPump.h"

#include <chrono>
#include <functional>

namespace powerball::cli {

// The event pump of a long command (the analyses, the generator, the update). On a terminal,
// once the command has run for a second, it shows on stderr what the window's status bar
// shows (the step of the analysis, the candidates of the run, the day being fetched), in one
// line that it keeps rewriting; --quiet and a stderr that is no terminal show nothing. Ctrl+C
// becomes the command's own stop, as the window's stop button: the command ends after its
// current step with the result of the steps done. A second Ctrl+C ends the program at once.
class CliProgress : public EventPump {
public:
    // `stop` presses the command's stop; `inner` runs after each look (a scripted stop).
    CliProgress(const CliOptions& options, const AppState& state, std::function<void()> stop,
                EventPump* inner = nullptr);
    ~CliProgress() override;
    CliProgress(const CliProgress&) = delete;
    CliProgress& operator=(const CliProgress&) = delete;

    void processEvents() override;

    // Whether Ctrl+C stopped the command.
    bool interrupted() const { return m_interrupted; }

    // Exit code of a command stopped by Ctrl+C, after its result is printed.
    static constexpr int kInterruptedExit = 130;

private:
    void show();

    const AppState& m_state;
    std::function<void()> m_stop;
    EventPump* m_inner;
    bool m_visible;
    bool m_shown = false;
    bool m_interrupted = false;
    std::chrono::steady_clock::time_point m_start;
    std::chrono::steady_clock::time_point m_lastShown;
};

} // namespace powerball::cli
