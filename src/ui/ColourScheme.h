#pragma once

#include <QPalette>
#include <QString>

#include <optional>

namespace powerball::ui {

// The colours the window is painted in: the desktop's own (its platform theme), or a light or
// dark palette of the program's, for desktops whose theme Qt cannot read.
class ColourScheme {
public:
    enum class Choice { System, Light, Dark };

    // "system", "light" or "dark", in any case; nothing for another word.
    static std::optional<Choice> parse(const QString& name);

    // A dark palette with Fusion's style, as dark desktop themes set it up.
    static QPalette darkPalette();

    // Puts the chosen scheme on the application; the system scheme leaves it as it is.
    static void apply(Choice choice);
};

} // namespace powerball::ui
