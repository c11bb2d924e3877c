#pragma once

namespace powerball {

// The window's commands nest: a long command (the update, the generator run, the settings
// analysis) and every dialog let events run, so another command may start inside one. This
// is what the window must remember across that nesting, in one place:
// - how deep it is inside commands;
// - an activation that came inside a command, which runs once the last command ended;
// - a close that came while a long command ran, which happens once that command is over.
class CommandGate {
public:
    // What a close that cannot happen yet waits for.
    enum class CloseWait { Nothing, Update, Run };

    void commandStarted() { ++m_depth; }
    // True when a waiting activation is due now: the last open command ended.
    bool commandEnded();

    // True when the activation must wait for the open commands; it is then remembered.
    bool activationMustWait();

    // A close came while the update or a run was on; the long command is being stopped.
    void closeWaitsFor(CloseWait wait) { m_closeWaits = wait; }
    // After the update command returned: true when a waiting close is due now.
    bool closeDueAfterUpdate(bool updateRunning);
    // After a run command returned: true when a waiting close is due now, which needs every
    // command to have ended and the run to be idle.
    bool closeDueAfterRun(bool runBusy);

    int depth() const { return m_depth; }
    bool activationWaiting() const { return m_activationWaits; }
    CloseWait closeWaiting() const { return m_closeWaits; }

private:
    int m_depth = 0;
    bool m_activationWaits = false;
    CloseWait m_closeWaits = CloseWait::Nothing;
};

} // namespace powerball
