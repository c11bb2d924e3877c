#pragma once

#include <QWidget>

namespace powerball::ui {

class OptionControls;

// The sub-page "Mathematisch": conditions every row must meet.
class MathematicalOptionsPage : public QWidget {
    Q_OBJECT

public:
    MathematicalOptionsPage(OptionControls& controls, QWidget* parent = nullptr);
};

} // namespace powerball::ui
