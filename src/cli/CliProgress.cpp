#include "CliProgress.h"

#include <csignal>
#include <iostream>

#include <unistd.h>

namespace powerball::cli {

namespace {

volatile std::sig_atomic_t g_interrupt = 0;

extern "C" void onInterrupt(int) {
    g_interrupt = 1;
    // The next Ctrl+C ends the program, should the command not come to its next look.
    std::signal(SIGINT, SIG_DFL);
}

constexpr std::chrono::seconds kQuietStart{1};
constexpr std::chrono::milliseconds kRefresh{200};
constexpr std::size_t kLineBytes = 100;

// The status line cut to one terminal line, never inside a UTF-8 character.
std::string shortened(std::string text) {
    if (text.size() <= kLineBytes)
        return text;
    std::size_t cut = kLineBytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    text.resize(cut);
    return text + "…";
}

} // namespace

CliProgress::CliProgress(const CliOptions& options, const AppState& state,
                         std::function<void()> stop, EventPump* inner)
    : m_state(state), m_stop(std::move(stop)), m_inner(inner),
      m_visible(!options.quiet && ::isatty(STDERR_FILENO) == 1),
      m_start(std::chrono::steady_clock::now()) {
    g_interrupt = 0;
    std::signal(SIGINT, onInterrupt);
}

CliProgress::~CliProgress() {
    std::signal(SIGINT, SIG_DFL);
    if (m_shown)
        std::cerr << "\r\x1b[K" << std::flush;
}

void CliProgress::processEvents() {
    if (g_interrupt && !m_interrupted) {
        m_interrupted = true;
        m_stop();
    }
    if (m_visible) {
        const auto now = std::chrono::steady_clock::now();
        if (now - m_start >= kQuietStart && now - m_lastShown >= kRefresh) {
            m_lastShown = now;
            show();
        }
    }
    if (m_inner)
        m_inner->processEvents();
}

void CliProgress::show() {
    std::string line = m_state.status[0];
    if (!m_state.status[1].empty())
        line += (line.empty() ? "" : " | ") + m_state.status[1];
    if (m_interrupted)
        line = "Ctrl+C: stopping after the current step | " + line;
    std::cerr << '\r' << shortened(line) << "\x1b[K" << std::flush;
    m_shown = true;
}

} // namespace powerball::cli
