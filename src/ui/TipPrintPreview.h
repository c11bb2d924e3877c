#pragma once

#include <QString>

class QWidget;

namespace powerball::ui {

// The platform's print dialog with a preview of the tip listing, set in a fixed-width font so
// the columns stand as in "Tipp.txt", under `title` in the language in use. The dialog also
// prints to PDF.
void showTipPrintPreview(const QString& listing, const QString& title, QWidget* parent);

} // namespace powerball::ui
