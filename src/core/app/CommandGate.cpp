#include "app/CommandGate.h"

namespace powerball {

bool CommandGate::commandEnded() {
    if (m_depth > 0)
        --m_depth;
    if (m_depth > 0 || !m_activationWaits)
        return false;
    m_activationWaits = false;
    return true;
}

bool CommandGate::activationMustWait() {
    if (m_depth == 0)
        return false;
    m_activationWaits = true;
    return true;
}

bool CommandGate::closeDueAfterUpdate(bool updateRunning) {
    if (m_closeWaits != CloseWait::Update || updateRunning)
        return false;
    m_closeWaits = CloseWait::Nothing;
    return true;
}

bool CommandGate::closeDueAfterRun(bool runBusy) {
    if (m_closeWaits != CloseWait::Run || m_depth > 0 || runBusy)
        return false;
    m_closeWaits = CloseWait::Nothing;
    return true;
}

} // namespace powerball
