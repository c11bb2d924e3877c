#pragma once

#include <string>

namespace powerball {

// The dialogs a command may put in front of the user. The window shows real message boxes;
// the command line prints; tests pre-answer.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;
    virtual void showMessage(const std::string& text) = 0;
};

} // namespace powerball
