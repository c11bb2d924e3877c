#pragma once

#include "app/AppState.h"
#include "platform/Ports.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace powerball::testing {

// Answers the generator's dialogs the way a test scripts them.
class ScriptedPrompts : public UserPrompts {
public:
    void showMessage(const std::string& text) override { messages.push_back(text); }
    PoolListAnswer askPoolNumbers(NumberListBoxes& boxes) override {
        shownPool = boxes;
        if (changePool)
            changePool(boxes);
        return poolAnswer;
    }
    bool askRowNumbers(const std::string& caption, NumberListBoxes& boxes) override {
        rowCaption = caption;
        shownRow = boxes;
        if (!rowAnswer)
            return false;
        rowAnswer(boxes);
        return true;
    }
    std::string askText(const std::string& caption, const std::string& prompt,
                        const std::string& defaultText) override {
        textCaption = caption;
        textPrompt = prompt;
        textDefault = defaultText;
        return textAnswer.value_or(defaultText);
    }

    std::vector<std::string> messages;
    PoolListAnswer poolAnswer = PoolListAnswer::Keep;
    std::function<void(NumberListBoxes&)> changePool;
    std::optional<NumberListBoxes> shownPool;
    std::function<void(NumberListBoxes&)> rowAnswer; // empty: the dialog is aborted
    std::string rowCaption;
    NumberListBoxes shownRow;
    std::optional<std::string> textAnswer;
    std::string textCaption, textPrompt, textDefault;
};

// Calls a function once per candidate, as the window's event pump would.
class CallbackPump : public EventPump {
public:
    void processEvents() override {
        if (onEvents)
            onEvents();
    }
    std::function<void()> onEvents;
};

// A program folder with a draw file, the window state and ports with scripted answers.
class GeneratorTest : public ::testing::Test {
protected:
    GeneratorTest() : clock(DrawCalendar::kDesignedStartDate + 4000, 777) {
        state.programFolder = folder.path();
        ports.prompts = &prompts;
        ports.clock = &clock;
        ports.events = &pump;
    }

    // Draws on consecutive days from `first`, one per set of white numbers.
    void useDraws(double first, const std::vector<std::array<int, 5>>& whites,
                  const std::vector<int>& powerballs = {}) {
        std::vector<DrawRecord> records;
        for (std::size_t i = 0; i < whites.size(); ++i) {
            DrawRecord record;
            record.date = first + static_cast<double>(i);
            record.setNumbers(whites[i], i < powerballs.size() ? powerballs[i] : 1, 2);
            records.push_back(record);
        }
        writeDrawFile(folder, records);
    }

    static double day(const std::string& iso) { return *DrawCalendar::parseIsoDate(iso); }

    TempFolder folder;
    AppState state;
    ScriptedPrompts prompts;
    FixedClock clock;
    CallbackPump pump;
    Ports ports;
};

} // namespace powerball::testing
