#pragma once

#include <QWidget>

namespace powerball::ui {

class OptionControls;

// The sub-page "Powerball": how each row gets its Powerball.
class PowerballOptionsPage : public QWidget {
    Q_OBJECT

public:
    PowerballOptionsPage(OptionControls& controls, QWidget* parent = nullptr);
};

} // namespace powerball::ui
