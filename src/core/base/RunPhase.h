#pragma once

namespace powerball {

// Where a long command that lets the window's events run stands: the tip generator, the
// update. A press of its stop button asks it to stop; it ends at its next look and goes
// back to idle. Captions and visible buttons are derived from the phase, never read back.
enum class RunPhase { Idle, Running, StopRequested };

} // namespace powerball
