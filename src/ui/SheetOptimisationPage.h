#pragma once

#include <QWidget>

namespace powerball::ui {

class OptionControls;

// The sub-page "Schein Optimierung": how the rows of a sheet relate to each other and to past
// draws.
class SheetOptimisationPage : public QWidget {
    Q_OBJECT

public:
    SheetOptimisationPage(OptionControls& controls, QWidget* parent = nullptr);
};

} // namespace powerball::ui
