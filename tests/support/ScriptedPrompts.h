#pragma once

#include "ports/UserPrompts.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace powerball::testing {

// Records what a command shows and answers its dialogs the way a test scripts them. An
// unscripted dialog is left as a user leaves it with Cancel or Abort.
class ScriptedPrompts : public UserPrompts {
public:
    void showMessage(const std::string& text) override {
        messages.push_back(text);
        shown.push_back(text);
    }
    void showPlainText(const std::string& text) override {
        plainTexts.push_back(text);
        shown.push_back(text);
    }

    std::optional<DrawEntry> askDrawNumbers(const DrawEntry& prefilled) override {
        openedEntries.push_back(prefilled);
        if (!editEntry)
            return std::nullopt;
        DrawEntry entry = prefilled;
        editEntry(entry);
        return entry;
    }
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
    std::optional<std::filesystem::path> askSaveFile(const FileQuestion& question) override {
        fileQuestions.push_back(question);
        return fileAnswer;
    }
    std::optional<std::filesystem::path> askOpenFile(const FileQuestion& question) override {
        fileQuestions.push_back(question);
        return fileAnswer;
    }
    bool askYesNo(const std::string& caption, const std::string& text) override {
        questions.push_back(caption + " / " + text);
        return answerQuestion ? answerQuestion(questions.size()) : yesAnswer;
    }
    bool askClickScript(ClickScriptChoice& choice) override {
        shownClickScript = choice;
        if (!clickScriptAnswer)
            return false;
        clickScriptAnswer(choice);
        return true;
    }
    std::optional<std::string> askText(const std::string& caption, const std::string& prompt,
                                       const std::string& defaultText) override {
        textCaption = caption;
        textPrompt = prompt;
        textDefault = defaultText;
        ++textAsked;
        if (textCancelled)
            return std::nullopt;
        return textAnswer.value_or(defaultText);
    }

    std::vector<std::string> messages;   // shown with showMessage
    std::vector<std::string> plainTexts; // shown with showPlainText
    std::vector<std::string> shown;      // both, in the order they came

    std::vector<DrawEntry> openedEntries;
    std::function<void(DrawEntry&)> editEntry; // empty: the abort button

    PoolListAnswer poolAnswer = PoolListAnswer::Keep;
    std::function<void(NumberListBoxes&)> changePool;
    std::optional<NumberListBoxes> shownPool;

    std::function<void(NumberListBoxes&)> rowAnswer; // empty: the dialog is aborted
    std::string rowCaption;
    NumberListBoxes shownRow;

    std::vector<FileQuestion> fileQuestions;
    std::optional<std::filesystem::path> fileAnswer; // empty: the dialog is cancelled

    std::vector<std::string> questions; // "caption / text" of each Yes/No box
    bool yesAnswer = false;
    std::function<bool(std::size_t)> answerQuestion; // by the question's number from 1

    std::optional<ClickScriptChoice> shownClickScript;
    std::function<void(ClickScriptChoice&)> clickScriptAnswer; // empty: Cancel

    std::optional<std::string> textAnswer; // empty: OK on the default
    bool textCancelled = false;
    int textAsked = 0;
    std::string textCaption, textPrompt, textDefault;
};

} // namespace powerball::testing
