#include "app/CommandGate.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace powerball {
namespace {

using Wait = CommandGate::CloseWait;

// One step the window takes, and what the gate must answer to it.
struct Step {
    std::string what;
    std::function<bool(CommandGate&)> act;
    bool due; // the answer: an activation or a close is due now / must wait
};

Step started() {
    return {"command started",
            [](CommandGate& g) {
                g.commandStarted();
                return false;
            },
            false};
}
Step ended(bool activationDue) {
    return {"command ended", [](CommandGate& g) { return g.commandEnded(); }, activationDue};
}
Step activation(bool mustWait) {
    return {"activation", [](CommandGate& g) { return g.activationMustWait(); }, mustWait};
}
Step closeWaits(Wait wait) {
    return {"close waits",
            [wait](CommandGate& g) {
                g.closeWaitsFor(wait);
                return false;
            },
            false};
}
Step afterUpdate(bool running, bool closeDue) {
    return {"after the update",
            [running](CommandGate& g) { return g.closeDueAfterUpdate(running); }, closeDue};
}
Step afterRun(bool busy, bool closeDue) {
    return {"after a run", [busy](CommandGate& g) { return g.closeDueAfterRun(busy); }, closeDue};
}

struct Sequence {
    std::string name;
    std::vector<Step> steps;
};

TEST(CommandGateTest, NestedCommandsActivationsAndWaitingCloses) {
    const std::vector<Sequence> sequences{
        {"an activation outside any command runs at once", {activation(false)}},
        {"an activation inside a dialog runs when the command ends",
         {started(), activation(true), ended(true), activation(false)}},
        {"it waits for the outermost of nested commands",
         {started(), started(), activation(true), ended(false), ended(true)}},
        {"a command without a waiting activation asks for none", {started(), ended(false)}},
        {"a close during the update happens once the update has stopped",
         {started(), closeWaits(Wait::Update), afterUpdate(true, false), ended(false),
          afterUpdate(false, true), afterUpdate(false, false)}},
        {"the update does not close a window waiting for a run",
         {closeWaits(Wait::Run), afterUpdate(false, false), afterRun(false, true)}},
        {"a close during a run waits for every command and an idle run",
         {started(), started(), closeWaits(Wait::Run), ended(false), afterRun(false, false),
          ended(false), afterRun(true, false), afterRun(false, true), afterRun(false, false)}},
        {"without a waiting close nothing closes",
         {afterRun(false, false), afterUpdate(false, false)}},
        {"more ends than starts never go below zero",
         {ended(false), started(), activation(true), ended(true)}},
    };
    for (const Sequence& sequence : sequences) {
        CommandGate gate;
        for (std::size_t i = 0; i < sequence.steps.size(); ++i) {
            const Step& step = sequence.steps[i];
            EXPECT_EQ(step.act(gate), step.due)
                << sequence.name << ", step " << i + 1 << " (" << step.what << ")";
        }
    }
}

} // namespace
} // namespace powerball
