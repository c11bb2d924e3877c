#include "ChartPage.h"

namespace powerball::ui {

ChartPage::ChartPage(QWidget* parent) : QWidget(parent) {}

} // namespace powerball::ui
