#pragma once

#include <QWidget>

namespace powerball::ui {

class OptionControls;

// The sub-page "Allgemein": the number list and the limit of runs.
class GeneralOptionsPage : public QWidget {
    Q_OBJECT

public:
    GeneralOptionsPage(OptionControls& controls, QWidget* parent = nullptr);
};

} // namespace powerball::ui
