#pragma once

#include "ports/ClickScriptChoice.h"
#include "ports/DrawEntry.h"
#include "ports/FileQuestion.h"
#include "ports/NumberListBoxes.h"

#include <filesystem>
#include <optional>
#include <string>

namespace powerball {

// The dialogs a command may put in front of the user. The window shows real message boxes;
// the command line prints; tests pre-answer.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;
    virtual void showMessage(const std::string& text) = 0;

    // A text that came from outside the program, such as an update server's answer. It must
    // be shown exactly as plain text, never read as markup, links or rich text: a face whose
    // message box interprets markup overrides this.
    virtual void showPlainText(const std::string& text) { showMessage(text); }

    // The error handler's box for a command that failed. The text may quote a file name or
    // an answer from outside, so it is plain text too.
    virtual void showFailure(const std::string& text) { showPlainText(text); }

    // A dialog's warning under that dialog's caption, such as a list that cannot be written.
    virtual void showWarning(const std::string& caption, const std::string& text) {
        (void)caption;
        showPlainText(text);
    }

    // The file dialogs: the chosen file, or nothing when the dialog was cancelled (the answer
    // of a face without them). A name typed without extension gets the default one.
    virtual std::optional<std::filesystem::path> askSaveFile(const FileQuestion& question) {
        (void)question;
        return std::nullopt;
    }
    virtual std::optional<std::filesystem::path> askOpenFile(const FileQuestion& question) {
        (void)question;
        return std::nullopt;
    }

    // The entry dialog "Zahlen der Ziehung eingeben", filled with `prefilled`: the values the
    // user accepted, or nothing when the dialog was left with the abort button (the answer of
    // a face without the dialog).
    virtual std::optional<DrawEntry> askDrawNumbers(const DrawEntry& prefilled) {
        (void)prefilled;
        return std::nullopt;
    }

    // The list dialog showing the generator's pool: the boxes come ticked with their
    // weights; the user may change them in place. A face without the dialog keeps the pool.
    virtual PoolListAnswer askPoolNumbers(NumberListBoxes& boxes) {
        (void)boxes;
        return PoolListAnswer::Keep;
    }

    // The list dialog choosing the numbers of one tip row, with its random picker. The
    // boxes come back as the user left them, however the dialog closed; true when it closed
    // with OK.
    virtual bool askRowNumbers(const std::string& caption, NumberListBoxes& boxes) {
        (void)caption;
        (void)boxes;
        return false;
    }

    // A question box with the buttons Yes and No; true for Yes. A face that cannot ask
    // answers No.
    virtual bool askYesNo(const std::string& caption, const std::string& text) {
        (void)caption;
        (void)text;
        return false;
    }

    // The dialog choosing the click script and its parameters, filled with `choice`; the
    // values come back as the user left them. True when it closed with OK.
    virtual bool askClickScript(ClickScriptChoice& choice) {
        (void)choice;
        return false;
    }

    // A single-line input box filled with `defaultText`: the text the user accepted, or
    // nothing when the box was cancelled (the answer of a face without it).
    virtual std::optional<std::string>
    askText(const std::string& caption, const std::string& prompt, const std::string& defaultText) {
        (void)caption;
        (void)prompt;
        (void)defaultText;
        return std::nullopt;
    }
};

} // namespace powerball
